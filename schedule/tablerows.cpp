#include "mainwindow.h"

#include "tableitem.h"
#include "ui_mainwindow.h"

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
