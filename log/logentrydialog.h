// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/core/reception.h"

#include <QDialog>

class Ui_LogEntryDialog;

// A reception as the listener enters or edits it: what Ledra knew filled in, the SINPO, notes
// and QSL typed. OK stays off while the SINPO is no code.
class LogEntryDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LogEntryDialog(const Reception& reception, QWidget* parent = nullptr);
    ~LogEntryDialog() override;

    // the reception as the fields hold it now; its id and path as given
    Reception reception() const;
    // the receiver's frequency, read as the dialog opened
    void setReceiverKhz(double khz);
    void setReceiverMode(const QString& modeName);

    Ui_LogEntryDialog* ui;

private:
    void showSignalReport();
    Reception given;
};
