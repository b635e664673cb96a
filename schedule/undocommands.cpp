// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/undocommands.h"

#include "schedule/scheduletable.h"

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

TableCommand::TableCommand(ScheduleTable* schedule, const QString& text)
    : QUndoCommand(text)
    , schedule(schedule)
    , table(schedule->view())
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

AppendRowsCommand::AppendRowsCommand(ScheduleTable* schedule, const QList<QStringList>& rows, const QString& text)
    : TableCommand(schedule, text)
    , rows(rows)
{
}

void AppendRowsCommand::forward()
{
    schedule->appendRows(rows);
}

void AppendRowsCommand::backward()
{
    schedule->removeLastRows(int(rows.size()));
}

DeleteRowCommand::DeleteRowCommand(ScheduleTable* schedule, int row)
    : TableCommand(schedule, QObject::tr("Del"))
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
    // laid out now rather than on the view's next turn, which would paint the table a second time
    table->doItemsLayout();
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

ReorderRowsCommand::ReorderRowsCommand(ScheduleTable* schedule, const QList<int>& order)
    : TableCommand(schedule, QObject::tr("Sort"))
    , order(order)
{
}

void ReorderRowsCommand::forward()
{
    schedule->reorderRows(order);
}

void ReorderRowsCommand::backward()
{
    QList<int> back(order.size());
    for (int row = 0; row < order.size(); ++row)
        back[order.at(row)] = row;
    schedule->reorderRows(back);
}

LoadCommand::LoadCommand(ScheduleTable* schedule, const QString& scheduleText)
    : TableCommand(schedule, QObject::tr("Load"))
    , scheduleText(scheduleText)
{
    const int rows = schedule->rowCount();
    earlierRows.reserve(rows);
    for (int row = 0; row < rows; ++row)
        earlierRows.append(schedule->rowFields(row));
}

void LoadCommand::forward()
{
    schedule->putScheduleText(scheduleText);
}

void LoadCommand::backward()
{
    schedule->removeLastRows(schedule->rowCount());
    schedule->appendRows(earlierRows);
}
