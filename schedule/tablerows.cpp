#include "mainwindow.h"

#include "scheduleformat.h"
#include "tableitem.h"
#include "ui_mainwindow.h"
#include "waitcursor.h"

QList<QStringList> MainWindow::tableRows(int columns)
{
    QList<QStringList> rows;
    const int count = ui->thetable->rowCount();
    rows.reserve(count);
    for (int row = 0; row < count; ++row) {
        QStringList fields;
        fields.reserve(columns);
        for (int column = 0; column < columns; ++column)
            fields.append(getTableItem(row, column));
        rows.append(fields);
    }
    return rows;
}

void MainWindow::putTableRow(int row, const QStringList& fields, int columns)
{
    for (int column = 0; column < columns; ++column)
        ui->thetable->setItem(row, column, new TableItem(fields.value(column)));
}

void MainWindow::putTableRows(const QList<QStringList>& rows, int columns)
{
    ui->thetable->setUpdatesEnabled(false);
    for (int row = 0; row < rows.size(); ++row)
        putTableRow(row, rows.at(row), columns);
    ui->thetable->setUpdatesEnabled(true);
}

void MainWindow::on_sortnow_clicked()
{
    if (ui->thetable->rowCount() == 0)
        return;
    WaitCursor wait;
    QList<QStringList> rows = tableRows(orvaneColumns);
    sortRows(rows);
    putTableRows(rows, orvaneColumns);
}
