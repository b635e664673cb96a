// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "bookmarks/bookmarkexport.h"
#include "schedule/core/scheduleformat.h"
#include "ui_mainwindow.h"

void MainWindow::setUpExport()
{
    connect(ui->actionExportSchedule, &QAction::triggered, this, [this] {
        QList<Broadcast> broadcasts;
        for (int row = 0; row < ui->thetable->rowCount(); ++row) {
            QStringList fields;
            for (int column = 0; column < orvaneColumns; ++column)
                fields.append(getTableItem(row, column));
            if (!fields.first().trimmed().isEmpty())
                broadcasts.append(broadcastFromFields(fields));
        }
        exportBookmarks(this, broadcasts);
    });
}
