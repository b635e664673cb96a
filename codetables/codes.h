// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

class QComboBox;

// One row of a code table: the code the program stores and the text the user reads.
struct CodeRow
{
    QString code;
    QString text;
};

// Reads a code table file: a header line naming the columns, then one "code<TAB>text" row per line.
QList<CodeRow> readCodeTable(const QString& path);

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
