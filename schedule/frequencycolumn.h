// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>

class QTableWidget;

// The whole kHz (wholeKhz) of the table's first column, one per row, kept in step with the table
// through its model's signals, so that sorting, saving and the frequency box never parse a cell
// again. Fills that keep the model quiet report their rows themselves.
class FrequencyColumn : public QObject
{
public:
    explicit FrequencyColumn(QTableWidget* table);

    const QList<qint64>& values();
    void setValues(const QList<qint64>& values);
    void readRows(int first, int count);
    // after the table's rows were put in this order
    void reorder(const QList<int>& order);

private:
    void forget();

    QTableWidget* table;
    QList<qint64> frequencies;
    bool known = false;
};
