// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "editing/undocommands.h"
#include "schedule/core/frequencyreadings.h"
#include "schedule/core/roworder.h"
#include "schedule/core/scheduleformat.h"
#include "schedule/frequencycolumn.h"
#include "schedule/tableitem.h"
#include "schedule/waitcursor.h"
#include "ui_mainwindow.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QUndoStack>

#include <algorithm>

namespace {

// Puts new items into the table with its model quiet: a signal per cell would cost more than
// the cell. Notes the row of each column's longest text, for sizing the columns afterwards.
class QuietFill
{
public:
    explicit QuietFill(QTableWidget* table)
        : table(table)
        , quiet(table->model())
    {
    }

    void put(int row, int column, const QString& text)
    {
        table->setItem(row, column, new TableItem(text));
        if (text.size() > longestLengths.at(column)) {
            longestLengths[column] = int(text.size());
            longestRows[column] = row;
        }
    }

    QList<int> longestRows = QList<int>(orvaneColumns, -1);

private:
    QTableWidget* table;
    QSignalBlocker quiet;
    QList<int> longestLengths = QList<int>(orvaneColumns, -1);
};

} // namespace

void MainWindow::followFrequencyColumn()
{
    frequencyColumn = new FrequencyColumn(ui->thetable);
}

void MainWindow::putScheduleText(const QString& text)
{
    const QList<QStringView> lines = scheduleLines(text);
    QTableWidget* table = ui->thetable;
    table->setUpdatesEnabled(false);
    // emptying the table first leaves no item of an earlier load in the cells a short line lacks
    table->setRowCount(0);
    table->setRowCount(int(lines.size()));
    QList<qint64> frequencies(lines.size());
    QList<int> longestRows;
    {
        QuietFill fill(table);
        ScheduleFields fields;
        for (int row = 0; row < lines.size(); ++row) {
            const int count = splitScheduleLine(lines.at(row), fields);
            for (int column = 0; column < count; ++column)
                fill.put(row, column, fields.at(column).toString());
            frequencies[row] = wholeKhz(fields.at(0));
        }
        longestRows = fill.longestRows;
    }
    frequencyColumn->setValues(frequencies);
    table->setUpdatesEnabled(true);
    fitColumns(longestRows, true);
}

void MainWindow::putRowsAt(int first, const QList<QStringList>& rows)
{
    QList<int> longestRows;
    {
        QuietFill fill(ui->thetable);
        for (int index = 0; index < rows.size(); ++index) {
            for (int column = 0; column < orvaneColumns; ++column)
                fill.put(first + index, column, rows.at(index).value(column));
        }
        longestRows = fill.longestRows;
    }
    frequencyColumn->readRows(first, int(rows.size()));
    fitColumns(longestRows, false);
    ui->thetable->viewport()->update();
}

// Sizes the columns as resizeColumnsToContents() would, from one cell a column: measuring every
// row is what made a load or an Add slow.
void MainWindow::fitColumns(const QList<int>& longestRows, bool mayNarrow)
{
    QTableWidget* table = ui->thetable;
    for (int column = 0; column < longestRows.size(); ++column) {
        int width = table->horizontalHeader()->sectionSizeHint(column);
        if (longestRows.at(column) >= 0) {
            const QModelIndex cell = table->model()->index(longestRows.at(column), column);
            width = std::max(width, table->sizeHintForIndex(cell).width() + (table->showGrid() ? 1 : 0));
        }
        if (mayNarrow || width > table->columnWidth(column))
            table->setColumnWidth(column, width);
    }
}

// Moves the items instead of making new ones; the current cell and the selection stay at their
// places, and a cell a short row lacked gets an empty item, as a refill would give it.
void MainWindow::reorderTableRows(const QList<int>& order)
{
    QTableWidget* table = ui->thetable;
    QList<QTableWidgetItem*> taken(order.size() * orvaneColumns, nullptr);
    const QSignalBlocker quiet(table->model());
    for (int row = 0; row < order.size(); ++row) {
        if (order.at(row) == row)
            continue;
        for (int column = 0; column < orvaneColumns; ++column)
            taken[row * orvaneColumns + column] = table->takeItem(row, column);
    }
    // placed in the order they were taken, which is mostly the order they lie in memory
    QList<int> destination(order.size());
    for (int row = 0; row < order.size(); ++row)
        destination[order.at(row)] = row;
    for (int from = 0; from < order.size(); ++from) {
        const int row = destination.at(from);
        for (int column = 0; column < orvaneColumns; ++column) {
            QTableWidgetItem* item = from == row ? table->item(row, column) : taken.at(from * orvaneColumns + column);
            if (from != row || !item)
                table->setItem(row, column, item ? item : new TableItem(QString()));
        }
    }
    frequencyColumn->reorder(order);
    table->viewport()->update();
}

// An order that moves a row is a step Undo takes back; one that moves nothing only fills the
// cells short rows lack.
void MainWindow::sortTableRows(const QList<int>& order)
{
    for (int row = 0; row < order.size(); ++row) {
        if (order.at(row) != row) {
            undoStack->push(new ReorderRowsCommand(this, order));
            return;
        }
    }
    reorderTableRows(order);
}

void MainWindow::on_sortnow_clicked()
{
    if (ui->thetable->rowCount() == 0)
        return;
    WaitCursor wait;
    sortTableRows(frequencyOrder(frequencyColumn->values()));
}
