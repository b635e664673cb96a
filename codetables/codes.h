// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Fills the six code drop-downs of the main window from the tables compiled into the program.
class codes
{
public:
    codes();

    void setupComboBoxes();
    void dofrom();
    void doto();
    void dotx();
    void dolang();
    void dofor();
    void domode();
};
