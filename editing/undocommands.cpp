// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/undocommands.h"

#include "app/mainwindow.h"
#include "schedule/core/scheduleformat.h"
#include "ui_mainwindow.h"

#include <QItemSelectionModel>

TableCursor TableCursor::of(QTableWidget* table)
{
    TableCursor cursor;
    const QModelIndex current = table->currentIndex();
    cursor.row = current.row();
    cursor.column = current.column();
    for (const QItemSelectionRange& range : table->selectionModel()->selection())
        cursor.selection.append(QRect(QPoint(range.left(), range.top()), QPoint(range.right(), range.bottom())));
    return cursor;
}

void TableCursor::restore(QTableWidget* table) const
{
    const QAbstractItemModel* model = table->model();
    QItemSelection ranges;
    for (const QRect& range : selection)
        ranges.select(model->index(range.top(), range.left()), model->index(range.bottom(), range.right()));
    table->selectionModel()->setCurrentIndex(model->index(row, column), QItemSelectionModel::NoUpdate);
    table->selectionModel()->select(ranges, QItemSelectionModel::ClearAndSelect);
}

TableCommand::TableCommand(MainWindow* window, const QString& text)
    : QUndoCommand(text)
    , window(window)
    , table(window->ui->thetable)
    , before(TableCursor::of(table))
{
}

void TableCommand::redo()
{
    forward();
    if (done)
        after.restore(table);
    else
        after = TableCursor::of(table);
    done = true;
}

void TableCommand::undo()
{
    backward();
    before.restore(table);
}

AppendRowsCommand::AppendRowsCommand(MainWindow* window, const QList<QStringList>& rows, const QString& text)
    : TableCommand(window, text)
    , rows(rows)
{
}

void AppendRowsCommand::forward()
{
    window->appendRows(rows);
}

void AppendRowsCommand::backward()
{
    table->setRowCount(table->rowCount() - int(rows.size()));
}

DeleteRowCommand::DeleteRowCommand(MainWindow* window, int row)
    : TableCommand(window, QObject::tr("Del"))
    , row(row)
{
}

DeleteRowCommand::~DeleteRowCommand()
{
    qDeleteAll(items);
}

void DeleteRowCommand::forward()
{
    for (int column = 0; column < table->columnCount(); ++column)
        items.append(table->takeItem(row, column));
    table->removeRow(row);
}

void DeleteRowCommand::backward()
{
    table->insertRow(row);
    for (int column = 0; column < items.size(); ++column) {
        if (items.at(column))
            table->setItem(row, column, items.at(column));
    }
    items.clear();
}

ReorderRowsCommand::ReorderRowsCommand(MainWindow* window, const QList<int>& order)
    : TableCommand(window, QObject::tr("Sort"))
    , order(order)
{
}

void ReorderRowsCommand::forward()
{
    window->reorderTableRows(order);
}

void ReorderRowsCommand::backward()
{
    QList<int> back(order.size());
    for (int row = 0; row < order.size(); ++row)
        back[order.at(row)] = row;
    window->reorderTableRows(back);
}

LoadCommand::LoadCommand(MainWindow* window, const QString& scheduleText)
    : TableCommand(window, QObject::tr("Load"))
    , scheduleText(scheduleText)
{
    const int rows = table->rowCount();
    earlierRows.reserve(rows);
    for (int row = 0; row < rows; ++row) {
        QStringList texts;
        for (int column = 0; column < orvaneColumns; ++column)
            texts.append(window->getTableItem(row, column));
        earlierRows.append(texts);
    }
}

void LoadCommand::forward()
{
    window->putScheduleText(scheduleText);
}

void LoadCommand::backward()
{
    table->setRowCount(0);
    window->appendRows(earlierRows);
}
