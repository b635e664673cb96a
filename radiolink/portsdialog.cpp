// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "radiolink/udpports.h"

void MainWindow::on_actionSet_UDP_Ports_triggered()
{
    udpports dialog(this);
    if (dialog.exec() == QDialog::Accepted) {
        rxPort = dialog.rxPort;
        txPort = dialog.txPort;
    }
}
