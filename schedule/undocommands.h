// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>
#include <QStringList>
#include <QUndoCommand>

class ScheduleTable;
class QTableWidget;
class QTableWidgetItem;

// The table's current cell and selection, kept as plain row and column numbers.
struct TableCursor
{
    int row = -1;
    int column = -1;
    QList<QRect> selection; // x: columns, y: rows

    static TableCursor of(QTableWidget* table);
    void restore(QTableWidget* table) const;
};

// A change of the table's rows that Undo takes back: the texts, and the current cell and the
// selection as they were before. Redo puts back those the change left.
class TableCommand : public QUndoCommand
{
public:
    TableCommand(ScheduleTable* schedule, const QString& text);

    void redo() final;
    void undo() final;
    // false for a step that leaves what Save writes as it was: Save sorts anyway, and a
    // loaded file is not a change of the schedule
    virtual bool changesSchedule() const { return true; }

protected:
    virtual void forward() = 0;
    virtual void backward() = 0;

    ScheduleTable* schedule;
    QTableWidget* table;

private:
    TableCursor before;
    TableCursor after;
    bool done = false;
};

// Rows added at the bottom of the table (Add, the guide's Add to schedule).
class AppendRowsCommand : public TableCommand
{
public:
    AppendRowsCommand(ScheduleTable* schedule, const QList<QStringList>& rows, const QString& text);

private:
    void forward() override;
    void backward() override;

    QList<QStringList> rows;
};

// One row taken out; its items are kept for Undo.
class DeleteRowCommand : public TableCommand
{
public:
    DeleteRowCommand(ScheduleTable* schedule, int row);
    ~DeleteRowCommand() override;

private:
    void forward() override;
    void backward() override;

    int row;
    QList<QTableWidgetItem*> items;
};

// The rows put in a new order: only the order is kept, whatever the size of the table.
class ReorderRowsCommand : public TableCommand
{
public:
    ReorderRowsCommand(ScheduleTable* schedule, const QList<int>& order);
    bool changesSchedule() const override { return false; }

private:
    void forward() override;
    void backward() override;

    QList<int> order;
};

// A picked schedule file shown in place of the rows; the earlier rows' texts are kept for Undo.
class LoadCommand : public TableCommand
{
public:
    LoadCommand(ScheduleTable* schedule, const QString& scheduleText);
    bool changesSchedule() const override { return false; }

private:
    void forward() override;
    void backward() override;

    QString scheduleText;
    QList<QStringList> earlierRows;
};
