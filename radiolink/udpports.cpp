// SPDX-License-Identifier: GPL-3.0-or-later
#include "radiolink/udpports.h"

#include "app/mainwindow.h"
#include "ui_udpports.h"

udpports::udpports(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui_udpports)
{
    ui->setupUi(this);
    // the text-changed slots copy the texts into the members
    ui->udprx->setText(tmw->rxPort);
    ui->udptx->setText(tmw->txPort);
}

udpports::~udpports()
{
    delete ui;
}

void udpports::on_udprx_textChanged(QString)
{
    rxPort = ui->udprx->text();
}

void udpports::on_udptx_textChanged(QString)
{
    txPort = ui->udptx->text();
}
