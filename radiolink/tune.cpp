// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "radiolink/core/datagram.h"
#include "radiolink/riglink.h"

#include <QMessageBox>

void MainWindow::on_go_clicked()
{
    const int selected = selectedRowCount();
    if (selected != 1) {
        QMessageBox::information(nullptr, QStringLiteral("Notice"),
                                 selected == 0 ? QStringLiteral("You must select a row to Go")
                                               : QStringLiteral("You must select only one row to Go"));
        return;
    }
    // the selected row, which after a Ctrl+click need not be the current cell's row
    const int row = theSelectedRow();
    tuneReceiver(getTableItem(row, 0), getTableItem(row, 8));
}

void MainWindow::tuneReceiver(const QString& khz, const QString& modeCode)
{
    if (rigLink->hamlibActive()) {
        tuneRig(khz, modeCode);
        return;
    }
    for (const QString& text : tuneDatagrams(khz, modeCode))
        sender.broadcastDatagram(text);
}
