// SPDX-License-Identifier: GPL-3.0-or-later
#include "guide/guidetimeline.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

const int dayMinutes = 24 * 60;
const int labelWidth = 64;
const int scaleHeight = 16;

} // namespace

GuideTimeline::GuideTimeline(QWidget* parent)
    : QWidget(parent)
{
    setMinimumHeight(90);
}

void GuideTimeline::setStation(const QString& name, const QList<TimelineBar>& bars)
{
    station = name;
    setToolTip(name);
    broadcasts = bars;
    frequencies.clear();
    for (const TimelineBar& bar : bars) {
        if (!frequencies.contains(bar.khz))
            frequencies.append(bar.khz);
    }
    std::sort(frequencies.begin(), frequencies.end(), std::greater<double>());
    update();
}

void GuideTimeline::setNow(int minuteOfDay)
{
    now = minuteOfDay;
    update();
}

QSize GuideTimeline::sizeHint() const
{
    return QSize(600, 140);
}

void GuideTimeline::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    const QRect plot(labelWidth, scaleHeight, width() - labelWidth - 8, height() - scaleHeight - 4);
    if (plot.width() <= 0 || plot.height() <= 0)
        return;
    const auto xOf = [&plot](int minute) { return plot.left() + plot.width() * minute / dayMinutes; };

    painter.setPen(palette().color(QPalette::Mid));
    for (int hour = 0; hour <= 24; hour += 3) {
        const int x = xOf(hour * 60);
        painter.drawLine(x, plot.top(), x, plot.bottom());
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRect(x - 20, 0, 40, scaleHeight), Qt::AlignCenter,
                         QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0')));
        painter.setPen(palette().color(QPalette::Mid));
    }
    if (station.isEmpty()) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(plot, Qt::AlignCenter, tr("Select a broadcast to see its station's day"));
    }

    const int rows = int(frequencies.size());
    const double rowHeight = rows > 0 ? double(plot.height()) / rows : 0;
    for (const TimelineBar& bar : broadcasts) {
        const int row = int(frequencies.indexOf(bar.khz));
        const int top = plot.top() + int(row * rowHeight) + 1;
        const int height = std::max(2, int(rowHeight) - 2);
        const QColor colour = bar.onAir ? palette().color(QPalette::Highlight) : palette().color(QPalette::Dark);
        const auto drawSpan = [&](int from, int to) {
            painter.fillRect(QRect(xOf(from), top, std::max(1, xOf(to) - xOf(from)), height), colour);
        };
        if (bar.start < bar.end)
            drawSpan(bar.start, bar.end);
        else if (bar.start > bar.end) {
            drawSpan(bar.start, dayMinutes);
            drawSpan(0, bar.end);
        } else {
            drawSpan(0, dayMinutes);
        }
    }
    // a label for every row that has room, else for every few rows
    painter.setPen(palette().color(QPalette::Text));
    const int lineHeight = fontMetrics().height();
    const int step = rowHeight >= lineHeight ? 1 : int(std::ceil(lineHeight / rowHeight));
    for (int row = 0; row < rows; row += step) {
        const int middle = plot.top() + int((row + 0.5) * rowHeight);
        const QRect label(0, std::max(plot.top(), middle - lineHeight / 2), labelWidth - 4, lineHeight);
        painter.drawText(label, Qt::AlignRight | Qt::AlignVCenter, QString::number(frequencies.at(row)));
    }
    painter.setPen(QPen(Qt::red, 2));
    painter.drawLine(xOf(now), plot.top(), xOf(now), plot.bottom());
}
