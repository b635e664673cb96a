// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "schedule/scheduletable.h"
#include "schedule/undocommands.h"
#include "ui_mainwindow.h"

#include <QUndoStack>

void MainWindow::on_deleteitem_clicked()
{
    // the selected row, not the current cell's: the two differ after a Ctrl+click
    const int row = theSelectedRow();
    if (row < 0)
        return;
    // made first, so that Undo brings back the cursor that filling the boxes moves
    auto* removal = new DeleteRowCommand(scheduleTable, row);

    // a code that no item carries leaves the drop-down as it is
    const auto recall = [this, row](QComboBox* box, int column) {
        const int index = findItemByData(box, getTableItem(row, column));
        if (index != -1)
            box->setCurrentIndex(index);
    };
    ui->leFreq->setText(getTableItem(row, 0));
    ui->leTime->setText(getTableItem(row, 1));
    recall(ui->cbFrom, 3);
    ui->leLabel->setText(getTableItem(row, 4));
    recall(ui->cbLang, 5);
    recall(ui->cbTo, 6);
    // the site cell cannot be taken apart again, so Tx Site and Foreign are picked anew
    ui->cbTx->setCurrentIndex(0);
    ui->cbFor->setCurrentIndex(0);
    recall(ui->cbMode, 8);

    scheduleTable->undoStack()->push(removal);
    setWindowModified(true);
}
