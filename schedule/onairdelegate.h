// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "schedule/celltexts.h"

#include <QDateTime>
#include <QSet>
#include <QString>
#include <QStyledItemDelegate>

// Paints the schedule rows whose broadcast is on the air now in bold. It decides per painted
// row, from that row's time and days cells, so loading and sorting a long table cost nothing.
// Rows that the guide's season file knows only as inactive records stay plain. A favourite
// station's row shows a star before its station.
class OnAirDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    using QStyledItemDelegate::QStyledItemDelegate;

    // the schedule lines, nine fields joined by ";", that are never shown bold
    void setInactiveLines(QSet<QString> lines);
    // True when the row is on the air at the UTC moment and is no inactive line.
    bool rowBold(const QModelIndex& index, const QDateTime& utc) const;
    // the favourites, each as favouriteKey gives it
    void setFavouriteKeys(QSet<QString> keys);
    static QString favouriteKey(const QString& station, double khz);
    bool rowStarred(const QModelIndex& index) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // as wide as the bold text, so a row that goes on the air keeps its texts whole
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    QSet<QString> inactiveLines;
    QSet<QString> favouriteKeys;
    // paint() is const to the view, the layouts it keeps are not part of what it shows
    mutable CellTexts plainTexts;
    mutable CellTexts boldTexts;
};
