#pragma once

#include <QDateTime>
#include <QStyledItemDelegate>

// Paints the schedule rows whose broadcast is on the air now in bold. It decides per painted
// row, from that row's time and days cells, so loading and sorting a long table cost nothing.
class OnAirDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // True when the row of the index holds a broadcast on the air at the UTC moment.
    static bool rowOnAir(const QModelIndex& index, const QDateTime& utc);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
