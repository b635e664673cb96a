// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/frequencycolumn.h"

#include "schedule/core/frequencyreadings.h"

#include <QTableWidget>

#include <algorithm>

FrequencyColumn::FrequencyColumn(QTableWidget* table)
    : QObject(table)
    , table(table)
{
    const QAbstractItemModel* model = table->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, [this](const QModelIndex&, int first, int last) {
        if (known)
            frequencies.insert(first, last - first + 1, noFrequency);
    });
    connect(model, &QAbstractItemModel::rowsRemoved, this, [this](const QModelIndex&, int first, int last) {
        if (known)
            frequencies.remove(first, last - first + 1);
    });
    connect(model, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& topLeft, const QModelIndex& bottomRight) {
        if (known && topLeft.isValid() && topLeft.column() == 0)
            readRows(topLeft.row(), bottomRight.row() - topLeft.row() + 1);
    });
    // changes that move or replace everything are not followed: the column is read anew when asked
    connect(model, &QAbstractItemModel::modelReset, this, &FrequencyColumn::forget);
    connect(model, &QAbstractItemModel::layoutChanged, this, &FrequencyColumn::forget);
    connect(model, &QAbstractItemModel::rowsMoved, this, &FrequencyColumn::forget);
    connect(model, &QAbstractItemModel::columnsInserted, this, &FrequencyColumn::forget);
    connect(model, &QAbstractItemModel::columnsRemoved, this, &FrequencyColumn::forget);
    connect(model, &QAbstractItemModel::columnsMoved, this, &FrequencyColumn::forget);
}

const QList<qint64>& FrequencyColumn::values()
{
    // a row count it did not hear of means a fill that kept the model quiet and did not report
    if (!known || frequencies.size() != table->rowCount()) {
        frequencies = QList<qint64>(table->rowCount(), noFrequency);
        known = true;
        readRows(0, table->rowCount());
    }
    return frequencies;
}

void FrequencyColumn::setValues(const QList<qint64>& values)
{
    frequencies = values;
    known = true;
}

void FrequencyColumn::readRows(int first, int count)
{
    if (!known)
        return;
    const int end = std::min(first + count, int(frequencies.size()));
    for (int row = first; row < end; ++row) {
        const QTableWidgetItem* item = table->item(row, 0);
        frequencies[row] = item ? wholeKhz(item->text()) : noFrequency;
    }
}

void FrequencyColumn::reorder(const QList<int>& order)
{
    if (!known)
        return;
    QList<qint64> reordered(order.size());
    for (qsizetype row = 0; row < order.size(); ++row)
        reordered[row] = frequencies.at(order.at(row));
    frequencies = reordered;
}

void FrequencyColumn::forget()
{
    known = false;
    frequencies.clear();
}
