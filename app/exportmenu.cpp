// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "bookmarks/bookmarkexport.h"
#include "schedule/scheduletable.h"
#include "ui_mainwindow.h"

#include <QStatusBar>

void MainWindow::setUpExport()
{
    connect(ui->actionExportSchedule, &QAction::triggered, this, [this] {
        QList<QStringList> rows;
        rows.reserve(scheduleTable->rowCount());
        for (int row = 0; row < scheduleTable->rowCount(); ++row)
            rows.append(scheduleTable->rowFields(row));
        const BroadcastRows found = broadcastsFromRows(rows);
        if (found.leftOut > 0)
            statusBar()->showMessage(leftOutRowsText(found.leftOut));
        exportBookmarks(this, found.broadcasts);
    });
}
