// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/yesno.h"

#include "ui_yesno.h"

yesno::yesno(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui_yesno)
{
    ui->setupUi(this);
}

yesno::~yesno()
{
    delete ui;
}

void yesno::InitDlg(QString text)
{
    ui->fileName->setText(text);
}
