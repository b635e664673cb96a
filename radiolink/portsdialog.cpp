// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "udpports.h"

void MainWindow::on_actionSet_UDP_Ports_triggered()
{
    udpports dialog(this);
    if (dialog.exec() == QDialog::Accepted) {
        rxPort = dialog.rxPort;
        txPort = dialog.txPort;
    }
}
