// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/tableitem.h"

#include "schedule/core/frequencyreadings.h"

#include <QTableWidget>

TableItem::TableItem(const QString& text, int type)
    : QTableWidgetItem(text, type)
{
    setFlags(flags() | Qt::ItemIsEditable);
}

TableItem::~TableItem() = default;

bool TableItem::operator<(const QTableWidgetItem& other) const
{
    if (other.tableWidget() && other.column() == 0)
        return orderKey(wholeKhz(text())) < orderKey(wholeKhz(other.text()));
    return text() < other.text();
}
