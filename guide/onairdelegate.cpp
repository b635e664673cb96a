#include "onairdelegate.h"

#include "onair.h"

namespace {

// the schedule's time and days columns
const int timeColumn = 1;
const int daysColumn = 2;

} // namespace

bool OnAirDelegate::rowOnAir(const QModelIndex& index, const QDateTime& utc)
{
    return scheduleRowOnAir(index.sibling(index.row(), timeColumn).data().toString(),
                            index.sibling(index.row(), daysColumn).data().toString(), utc);
}

void OnAirDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    if (!rowOnAir(index, QDateTime::currentDateTimeUtc())) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    QStyleOptionViewItem bold = option;
    bold.font.setBold(true);
    QStyledItemDelegate::paint(painter, bold, index);
}
