// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/onairdelegate.h"

#include "schedule/core/scheduleformat.h"
#include "season/core/onair.h"

#include <QApplication>
#include <QPainter>
#include <QStringList>

namespace {

// the schedule's time and days columns
const int timeColumn = 1;
const int daysColumn = 2;
const int khzColumn = 0;
const int stationColumn = 4;

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

void OnAirDelegate::setFavouriteKeys(QSet<QString> keys)
{
    favouriteKeys = std::move(keys);
}

QString OnAirDelegate::favouriteKey(const QString& station, double khz)
{
    return station + QLatin1Char('\n') + QString::number(khz, 'f', 3);
}

bool OnAirDelegate::rowStarred(const QModelIndex& index) const
{
    if (favouriteKeys.isEmpty())
        return false;
    return favouriteKeys.contains(favouriteKey(index.sibling(index.row(), stationColumn).data().toString(),
                                               index.sibling(index.row(), khzColumn).data().toDouble()));
}

// A cell is a text and nothing else, so it is drawn as the style would draw it without asking
// the item for each of its roles: painting a screenful of cells is most of a keystroke's time.
void OnAirDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    const QPalette::ColorGroup group = !option.state.testFlag(QStyle::State_Enabled) ? QPalette::Disabled
                                       : option.state.testFlag(QStyle::State_Active) ? QPalette::Normal
                                                                                     : QPalette::Inactive;
    if (selected)
        painter->fillRect(option.rect, option.palette.brush(group, QPalette::Highlight));
    QFont font = option.font;
    font.setBold(rowBold(index, QDateTime::currentDateTimeUtc()));
    const QWidget* view = option.widget;
    const QStyle* style = view ? view->style() : QApplication::style();
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    const QRect textArea = option.rect.adjusted(margin, 0, -margin, 0);
    QString shown = index.data(Qt::DisplayRole).toString();
    if (index.column() == stationColumn && rowStarred(index))
        shown.prepend(QStringLiteral("★ "));
    CellTexts& texts = font.bold() ? boldTexts : plainTexts;
    const QStaticText* text = &texts.laidOut(shown, font);
    if (text->size().width() > textArea.width())
        text = &texts.laidOut(QFontMetrics(font).elidedText(shown, option.textElideMode, textArea.width()), font);
    const QPointF topLeft(textArea.left(), textArea.top() + (textArea.height() - texts.lineHeight()) / 2);
    painter->save();
    painter->setFont(font);
    painter->setPen(option.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
    painter->setClipRect(textArea, Qt::IntersectClip);
    painter->drawStaticText(topLeft, *text);
    painter->restore();
    if (option.state.testFlag(QStyle::State_HasFocus)) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.backgroundColor = option.palette.color(group, selected ? QPalette::Highlight : QPalette::Window);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, view);
    }
}

QSize OnAirDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem bold = option;
    bold.font.setBold(true);
    return QStyledItemDelegate::sizeHint(bold, index);
}
