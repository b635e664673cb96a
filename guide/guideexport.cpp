// SPDX-License-Identifier: GPL-3.0-or-later
#include "guide/guidewindow.h"

#include "bookmarks/bookmarkexport.h"
#include "guide/guidemodel.h"
#include "ui_guidewindow.h"

#include <algorithm>

// the selected broadcasts, or else every one shown, in the order shown
void GuideWindow::exportRows()
{
    QList<int> rows;
    for (const QModelIndex& index : ui->guideTable->selectionModel()->selectedRows())
        rows.append(index.row());
    if (rows.isEmpty()) {
        for (int row = 0; row < filtered->rowCount(); ++row)
            rows.append(row);
    }
    std::sort(rows.begin(), rows.end());
    QList<Broadcast> broadcasts;
    for (int row : rows)
        broadcasts.append(broadcastFromRecord(model->record(filtered->sourceRow(row))));
    exportBookmarks(this, broadcasts);
}
