// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class Ui_yesno;

// Asks one question with Save and Cancel.
class yesno : public QDialog
{
    Q_OBJECT

public:
    explicit yesno(QWidget* parent = nullptr);
    ~yesno() override;

    void InitDlg(QString text);

    Ui_yesno* ui;
};
