// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "ui_mainwindow.h"

#include <QComboBox>
#include <QItemSelectionModel>

int MainWindow::findItemByData(QComboBox* box, QString code)
{
    for (int index = 0; index < box->count(); ++index) {
        if (box->itemData(index, Qt::UserRole).toString() == code)
            return index;
    }
    return -1;
}

int MainWindow::selectedRowCount()
{
    return ui->thetable->selectionModel()->selectedRows(0).size();
}

int MainWindow::theSelectedRow()
{
    const QModelIndexList rows = ui->thetable->selectionModel()->selectedRows(0);
    return rows.size() == 1 ? rows.first().row() : -1;
}
