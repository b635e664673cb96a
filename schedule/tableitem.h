// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableWidgetItem>

// A schedule cell: orders numerically in the frequency column, by text elsewhere.
class TableItem : public QTableWidgetItem
{
public:
    explicit TableItem(const QString& text, int type = 0);
    ~TableItem() override;

    bool operator<(const QTableWidgetItem& other) const override;
};
