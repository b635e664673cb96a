// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/onairdelegate.h"

#include "schedule/core/scheduleformat.h"
#include "season/core/onair.h"

#include <QStringList>

namespace {

// the schedule's time and days columns
const int timeColumn = 1;
const int daysColumn = 2;

bool rowOnAir(const QModelIndex& index, const QDateTime& utc)
{
    return scheduleRowOnAir(index.sibling(index.row(), timeColumn).data().toString(),
                            index.sibling(index.row(), daysColumn).data().toString(), utc);
}

} // namespace

void OnAirDelegate::setInactiveLines(QSet<QString> lines)
{
    inactiveLines = std::move(lines);
}

bool OnAirDelegate::rowBold(const QModelIndex& index, const QDateTime& utc) const
{
    if (!rowOnAir(index, utc))
        return false;
    if (inactiveLines.isEmpty())
        return true;
    return !inactiveLines.contains(scheduleRowKey(scheduleRowFields(*index.model(), index.row())));
}

void OnAirDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!rowBold(index, QDateTime::currentDateTimeUtc())) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem bold = option;
    bold.font.setBold(true);
    QStyledItemDelegate::paint(painter, bold, index);
}

QSize OnAirDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem bold = option;
    bold.font.setBold(true);
    return QStyledItemDelegate::sizeHint(bold, index);
}
