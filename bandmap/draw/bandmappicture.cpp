// SPDX-License-Identifier: GPL-3.0-or-later
#include "bandmap/draw/bandmappicture.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPalette>

#include <algorithm>

namespace {

const double margin = 8;
const double swatchWidth = 18;
const double legendGap = 16;
const int faintAlpha = 60;
const int hatchedFillAlpha = 90;
const QColor darkEdge(20, 20, 50);
const QColor stateSwatch(110, 110, 110);

QString offsetText(int minutes)
{
    const int size = std::abs(minutes);
    return QStringLiteral("UTC%1%2:%3")
        .arg(minutes < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(size / 60, 2, 10, QLatin1Char('0'))
        .arg(size % 60, 2, 10, QLatin1Char('0'));
}

void paintBar(QPainter& painter, const QRectF& rect, QColor colour, const BarLook& look)
{
    if (look.hatched) {
        QColor fill = colour;
        fill.setAlpha(hatchedFillAlpha);
        painter.fillRect(rect, fill);
        painter.fillRect(rect, QBrush(colour, Qt::BDiagPattern));
    } else {
        if (look.faint)
            colour.setAlpha(faintAlpha);
        painter.fillRect(rect, colour);
    }
    if (look.dark) {
        painter.setPen(darkEdge);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

} // namespace

QColor regionColour(TargetRegion region)
{
    static const QColor colours[targetRegionCount] = {
        QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e), QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b),
        QColor(0xe3, 0x77, 0xc2), QColor(0x2c, 0xa0, 0x2c), QColor(0x17, 0xbe, 0xcf), QColor(0xbc, 0xbd, 0x22),
        QColor(0xe6, 0xab, 0x02), QColor(0x7f, 0x7f, 0x7f),
    };
    return colours[int(region)];
}

void BandMapPicture::setRecords(const QList<SeasonRecord>* list, const QList<int>& shownRows)
{
    records = list;
    rows = shownRows;
}

void BandMapPicture::setBand(const QString& name)
{
    KhzRange edges;
    if (!bandNamed(name, edges)) {
        band.clear();
        return;
    }
    if (name != band)
        axes.setBand(edges);
    band = name;
}

void BandMapPicture::setMoment(const QDateTime& utc)
{
    now = utc;
}

void BandMapPicture::setHourOffset(int minutes)
{
    offset = minutes;
    axes.setHourOffset(minutes);
}

void BandMapPicture::setDarkness(const DarknessTest& test)
{
    darkness = test;
}

void BandMapPicture::setCanvas(const QSize& size, const QFont& canvasFont)
{
    canvas = size;
    font = canvasFont;
}

void BandMapPicture::layOut()
{
    const QFontMetricsF metrics(font);
    lineHeight = metrics.height();
    khzLabelWidth = metrics.horizontalAdvance(QStringLiteral("00000.0"));
    placed.clear();
    legend.clear();
    if (band.isEmpty() || !records)
        return;
    layOutLegend(canvas.width() - 2 * margin, 0);
    const double legendHeight = legend.isEmpty() ? 0 : legend.last().swatch.bottom() + lineHeight / 2;
    const double top = 2 * lineHeight + margin;
    const double left = khzLabelWidth + 2 * margin;
    const QRectF plot(left, top, canvas.width() - left - 2 * margin, canvas.height() - top - legendHeight - 2 * margin);
    for (LegendItem& item : legend)
        item.swatch.translate(margin, plot.bottom() + margin + lineHeight / 2);
    if (plot.width() <= 0 || plot.height() <= 2 * BandMapGeometry::edgeInset)
        return;
    axes.setPlot(plot);
    placed = layoutBars(axes, *records, rows, airMoment(now), darkness);
}

void BandMapPicture::layOutLegend(double width, double top)
{
    const QFontMetricsF metrics(font);
    const double swatchHeight = lineHeight * 0.6;
    double x = 0;
    double y = top;
    const auto add = [&](const QString& text, const QColor& colour, const BarLook& look) {
        const double itemWidth = swatchWidth + margin / 2 + metrics.horizontalAdvance(text) + legendGap;
        if (x > 0 && x + itemWidth > width) {
            x = 0;
            y += lineHeight;
        }
        legend.append({QRectF(x, y + (lineHeight - swatchHeight) / 2 - lineHeight / 2, swatchWidth, swatchHeight),
                       text, colour, look});
        x += itemWidth;
    };
    for (TargetRegion region : regionsOf(*records, rows))
        add(regionName(region), regionColour(region), BarLook());
    add(QStringLiteral("not on the air today"), stateSwatch, {true, false, false});
    add(QStringLiteral("irregular days"), stateSwatch, {false, true, false});
    if (darkness)
        add(QStringLiteral("path dark at the start"), stateSwatch, {false, false, true});
}

QString BandMapPicture::title() const
{
    int broadcasts = 0;
    for (int row : rows)
        broadcasts += records->at(row).inactive ? 0 : 1;
    const KhzRange& edges = axes.band();
    return QStringLiteral("%1 band, %2-%3 kHz: %4 broadcasts on %5, hours in %6")
        .arg(band, QString::number(edges.low), QString::number(edges.high))
        .arg(broadcasts)
        .arg(now.date().toString(QStringLiteral("ddd yyyy-MM-dd")),
             offset == 0 ? QStringLiteral("UTC") : QStringLiteral("local time (%1)").arg(offsetText(offset)));
}

void BandMapPicture::paint(QPainter& painter, const QPalette& palette) const
{
    const QRectF whole(QPointF(0, 0), QSizeF(canvas));
    painter.fillRect(whole, palette.window());
    painter.setFont(font);
    if (band.isEmpty() || !records) {
        painter.setPen(palette.color(QPalette::PlaceholderText));
        painter.drawText(whole, Qt::AlignCenter, QStringLiteral("Choose a band, or select a broadcast, to see its band's day"));
        return;
    }
    painter.setPen(palette.color(QPalette::WindowText));
    painter.drawText(QRectF(margin, margin / 2, canvas.width() - 2 * margin, lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     title());
    if (axes.plot().isEmpty())
        return;
    painter.fillRect(axes.plot(), palette.base());
    paintAxes(painter, palette);
    painter.save();
    painter.setClipRect(axes.plot());
    for (const MapBar& bar : placed)
        paintBar(painter, bar.rect, regionColour(bar.region), bar.look);
    painter.restore();
    paintLegend(painter, palette);
}

void BandMapPicture::paintAxes(QPainter& painter, const QPalette& palette) const
{
    const QRectF& plot = axes.plot();
    const QFontMetricsF metrics(font);
    const QColor grid = palette.color(QPalette::Midlight);
    for (const AxisTick& tick : axes.hourTicks(metrics.horizontalAdvance(QStringLiteral("00")) + margin)) {
        painter.setPen(grid);
        painter.drawLine(QPointF(tick.at, plot.top()), QPointF(tick.at, plot.bottom()));
        painter.setPen(palette.color(QPalette::WindowText));
        painter.drawText(QRectF(tick.at - lineHeight * 2, plot.top() - lineHeight - 2, lineHeight * 4, lineHeight),
                         Qt::AlignHCenter | Qt::AlignBottom, tick.text);
    }
    for (const AxisTick& tick : axes.khzTicks(lineHeight * 1.5)) {
        painter.setPen(grid);
        painter.drawLine(QPointF(plot.left(), tick.at), QPointF(plot.right(), tick.at));
        painter.setPen(palette.color(QPalette::WindowText));
        painter.drawText(QRectF(margin, tick.at - lineHeight / 2, khzLabelWidth, lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter, tick.text);
    }
    // the band's edges, where they show
    painter.setPen(palette.color(QPalette::Dark));
    for (double edge : {axes.band().low, axes.band().high}) {
        const double y = axes.yOfKhz(edge);
        if (y >= plot.top() && y <= plot.bottom())
            painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
}

void BandMapPicture::paintLegend(QPainter& painter, const QPalette& palette) const
{
    const QFontMetricsF metrics(font);
    for (const LegendItem& item : legend) {
        paintBar(painter, item.swatch, item.colour, item.look);
        painter.setPen(palette.color(QPalette::WindowText));
        const QRectF text(item.swatch.right() + margin / 2, item.swatch.center().y() - lineHeight / 2,
                          metrics.horizontalAdvance(item.text) + 2, lineHeight);
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, item.text);
    }
}

void BandMapPicture::paintNowLine(QPainter& painter) const
{
    if (band.isEmpty() || axes.plot().isEmpty())
        return;
    painter.setPen(QPen(Qt::red, 2));
    painter.drawLine(axes.nowLine(now.time().hour() * 60 + now.time().minute()));
}

QRectF BandMapPicture::nowLineArea() const
{
    const QLineF line = axes.nowLine(now.time().hour() * 60 + now.time().minute());
    return QRectF(line.p1(), line.p2()).normalized().adjusted(-2, -2, 2, 2);
}

void BandMapPicture::paintSelection(QPainter& painter, const QSet<int>& selected, const QPalette& palette) const
{
    if (selected.isEmpty())
        return;
    painter.save();
    painter.setClipRect(axes.plot());
    painter.setPen(QPen(palette.color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    for (const MapBar& bar : placed) {
        if (selected.contains(bar.row))
            painter.drawRect(bar.rect.adjusted(-1, -1, 1, 1));
    }
    painter.restore();
}
