// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "schedule/core/roworder.h"
#include "schedule/scheduletable.h"
#include "schedule/waitcursor.h"

void MainWindow::on_sortnow_clicked()
{
    if (scheduleTable->rowCount() == 0)
        return;
    WaitCursor wait;
    scheduleTable->sortUndoable(frequencyOrder(scheduleTable->frequencies()));
}

QString MainWindow::getTableItem(int row, int column)
{
    return scheduleTable->cell(row, column);
}
