// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class FrequencyColumn;
class QTableWidget;
class QUndoStack;

// The schedule's rows as the main window's table shows them: nine cells a row in field order,
// each row's whole kHz kept beside them, and the undo stack of the steps that changed them.
// Every change of the rows goes through here.
class ScheduleTable : public QObject
{
    Q_OBJECT

public:
    explicit ScheduleTable(QTableWidget* table);

    QTableWidget* view() const { return table; }
    QUndoStack* undoStack() const { return steps; }

    int rowCount() const;
    // a cell without an item reads as the empty text
    QString cell(int row, int column) const;
    QStringList rowFields(int row) const;
    // each row's whole kHz, noFrequency where it holds none
    const QList<qint64>& frequencies();

    // The rows of a schedule file's text in place of all rows.
    void putScheduleText(const QString& text);
    // Rows added at the bottom, which is scrolled into view.
    void appendRows(const QList<QStringList>& rows);
    void removeLastRows(int count);
    // Moves the rows into the order (order[new place] = old place); the current cell and the
    // selection stay at their places.
    void reorderRows(const QList<int>& order);

    // The same changes as steps that Undo takes back, named "Undo <actionText>" in the Edit menu.
    void appendRowsUndoable(const QList<QStringList>& rows, const QString& actionText);
    void loadUndoable(const QString& scheduleText);
    // An order that moves a row is a step; one that moves nothing only fills the cells short
    // rows lack.
    void sortUndoable(const QList<int>& order);

    // The bytes of both schedule files, the rows in the order, leaving out those whose
    // frequency Save does not write; the rows are read once for both.
    struct Files
    {
        QByteArray orvane;
        QByteArray pelkin;
    };
    Files files(const QList<int>& order);

private:
    void putRowsAt(int first, const QList<QStringList>& rows);
    void fitColumns(const QList<int>& longestRows, bool mayNarrow);

    QTableWidget* table;
    FrequencyColumn* frequencyColumn;
    QUndoStack* steps;
};
