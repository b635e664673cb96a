// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/scheduletable.h"

#include "schedule/core/frequencyreadings.h"
#include "schedule/core/scheduleformat.h"
#include "schedule/frequencycolumn.h"
#include "schedule/stylepictures.h"
#include "schedule/tableitem.h"
#include "schedule/undocommands.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QUndoStack>

#include <algorithm>
#include <array>

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

// A header that keeps Qt's measure of its size. Qt measures up to 200 of its labels whenever the
// table's rows change, which was much of an Add or a Del; the row numbers' width changes only
// with their count of digits, the column labels' size only with the labels, and both with the
// font or the style.
class KeptSizeHeader : public QHeaderView
{
public:
    KeptSizeHeader(Qt::Orientation orientation, QWidget* parent)
        : QHeaderView(orientation, parent)
    {
        // as QTableView makes its own
        setSectionsClickable(true);
        setHighlightSections(true);
    }

    void setModel(QAbstractItemModel* model) override
    {
        disconnect(labelsChanged);
        QHeaderView::setModel(model);
        measured = QSize();
        if (model) {
            labelsChanged = connect(model, &QAbstractItemModel::headerDataChanged, this,
                                    [this](Qt::Orientation changed) {
                                        if (changed == orientation())
                                            measured = QSize();
                                    });
        }
    }

    QSize sizeHint() const override
    {
        // no rows measure nothing, unlike one row to nine
        const int key = orientation() == Qt::Horizontal || count() == 0 ? count()
                                                                         : int(QString::number(count()).size());
        if (!measured.isValid() || key != measuredKey) {
            measured = QHeaderView::sizeHint();
            measuredKey = key;
        }
        return measured;
    }

protected:
    // Qt's header keeps its own measure over a change of its font or style, until its rows
    // change; it is told the labels changed, after it has laid itself out in the new font
    bool event(QEvent* event) override
    {
        const bool handled = QHeaderView::event(event);
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
            measured = QSize();
            if (count() > 0)
                headerDataChanged(orientation(), 0, count() - 1);
        }
        return handled;
    }

private:
    QMetaObject::Connection labelsChanged;
    mutable QSize measured;
    mutable int measuredKey = 0;
};

} // namespace

ScheduleTable::ScheduleTable(QTableWidget* table)
    : QObject(table)
    , table(table)
    , frequencyColumn(new FrequencyColumn(table))
    , steps(new QUndoStack(this))
{
    table->setHorizontalHeader(new KeptSizeHeader(Qt::Horizontal, table));
    table->setVerticalHeader(new KeptSizeHeader(Qt::Vertical, table));
    StylePictures::useFor({table->horizontalScrollBar(), table->verticalScrollBar()});
}

int ScheduleTable::rowCount() const
{
    return table->rowCount();
}

QString ScheduleTable::cell(int row, int column) const
{
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->data(Qt::DisplayRole).toString() : QString();
}

QStringList ScheduleTable::rowFields(int row) const
{
    QStringList fields;
    fields.reserve(orvaneColumns);
    for (int column = 0; column < orvaneColumns; ++column)
        fields.append(cell(row, column));
    return fields;
}

const QList<qint64>& ScheduleTable::frequencies()
{
    return frequencyColumn->values();
}

void ScheduleTable::putScheduleText(const QString& text)
{
    const QList<QStringView> lines = scheduleLines(text);
    table->setUpdatesEnabled(false);
    // emptying the table first leaves no item of an earlier load in the cells a short line lacks
    table->setRowCount(0);
    table->setRowCount(int(lines.size()));
    QList<qint64> values(lines.size());
    QList<int> longestRows;
    {
        QuietFill fill(table);
        ScheduleFields fields;
        for (int row = 0; row < lines.size(); ++row) {
            const int count = splitScheduleLine(lines.at(row), fields);
            for (int column = 0; column < count; ++column)
                fill.put(row, column, fields.at(column).toString());
            values[row] = wholeKhz(fields.at(0));
        }
        longestRows = fill.longestRows;
    }
    frequencyColumn->setValues(values);
    table->setUpdatesEnabled(true);
    fitColumns(longestRows, true);
}

void ScheduleTable::appendRows(const QList<QStringList>& rows)
{
    const int first = table->rowCount();
    table->setRowCount(first + int(rows.size()));
    putRowsAt(first, rows);
    table->scrollToBottom();
}

void ScheduleTable::removeLastRows(int count)
{
    table->setRowCount(table->rowCount() - count);
}

void ScheduleTable::putRowsAt(int first, const QList<QStringList>& rows)
{
    QList<int> longestRows;
    {
        QuietFill fill(table);
        for (int index = 0; index < rows.size(); ++index) {
            for (int column = 0; column < orvaneColumns; ++column)
                fill.put(first + index, column, rows.at(index).value(column));
        }
        longestRows = fill.longestRows;
    }
    frequencyColumn->readRows(first, int(rows.size()));
    fitColumns(longestRows, false);
    // the model was quiet, so the view is told of the new rows' cells; the rows above are as they were
    const int top = table->rowViewportPosition(first);
    table->viewport()->update(0, top < 0 ? 0 : top, table->viewport()->width(), table->viewport()->height());
}

// Sizes the columns as resizeColumnsToContents() would, from one cell a column: measuring every
// row is what made a load or an Add slow.
void ScheduleTable::fitColumns(const QList<int>& longestRows, bool mayNarrow)
{
    for (int column = 0; column < longestRows.size(); ++column) {
        int width = table->horizontalHeader()->sectionSizeHint(column);
        if (longestRows.at(column) >= 0) {
            const QModelIndex index = table->model()->index(longestRows.at(column), column);
            width = std::max(width, table->sizeHintForIndex(index).width() + (table->showGrid() ? 1 : 0));
        }
        if (mayNarrow || width > table->columnWidth(column))
            table->setColumnWidth(column, width);
    }
}

// Moves the items instead of making new ones, and a cell a short row lacked gets an empty
// item, as a refill would give it.
void ScheduleTable::reorderRows(const QList<int>& order)
{
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

void ScheduleTable::appendRowsUndoable(const QList<QStringList>& rows, const QString& actionText)
{
    steps->push(new AppendRowsCommand(this, rows, actionText));
}

void ScheduleTable::loadUndoable(const QString& scheduleText)
{
    steps->push(new LoadCommand(this, scheduleText));
}

void ScheduleTable::sortUndoable(const QList<int>& order)
{
    for (int row = 0; row < order.size(); ++row) {
        if (order.at(row) != row) {
            steps->push(new ReorderRowsCommand(this, order));
            return;
        }
    }
    reorderRows(order);
}

ScheduleTable::Files ScheduleTable::files(const QList<int>& order)
{
    const QList<qint64>& values = frequencies();
    QString orvane;
    QString pelkin;
    for (int row : order) {
        if (!isSavedFrequency(values.at(row)))
            continue;
        std::array<QString, orvaneColumns> texts;
        for (int column = 0; column < orvaneColumns; ++column)
            texts[size_t(column)] = cell(row, column);
        const auto field = [&texts](int column) -> const QString& { return texts[size_t(column)]; };
        appendScheduleLine(orvane, orvaneColumns, field);
        appendScheduleLine(pelkin, pelkinColumns, field);
    }
    return {orvane.toUtf8(), pelkin.toUtf8()};
}
