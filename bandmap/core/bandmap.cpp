// SPDX-License-Identifier: GPL-3.0-or-later
#include "bandmap/core/bandmap.h"

#include "codetables/core/codetable.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace {

const int dayMinutes = 24 * 60;
// broadcasts lie 5 kHz apart on the short waves; a bar takes most of that
const double channelKhz = 5;
const double barShare = 0.8;
const double thinnestBar = 2;
// a thin bar still answers the pointer within this height
const double pointerHeight = 6;

const char* const regionNames[targetRegionCount] = {
    "Europe", "Russia and Central Asia", "Middle East", "Africa", "South Asia",
    "East Asia", "Southeast Asia", "Oceania", "Americas", "Oceans and elsewhere",
};

QHash<QString, TargetRegion> regionTable()
{
    QHash<QString, TargetRegion> table;
    for (const CodeRow& row : readCodeTable(QStringLiteral(":/bandmap/targetregions.tsv"))) {
        for (int region = 0; region < targetRegionCount; ++region) {
            if (row.text == QLatin1String(regionNames[region]))
                table.insert(row.code, TargetRegion(region));
        }
    }
    return table;
}

double clamped(double value, double low, double high)
{
    return std::max(low, std::min(value, high));
}

} // namespace

TargetRegion targetRegion(QStringView code)
{
    static const QHash<QString, TargetRegion> table = regionTable();
    const auto found = table.constFind(code.toString());
    if (found != table.constEnd())
        return *found;
    // "NAm", "WEu", "CNAO": a part of a region is in the region
    if (code.size() >= 3 && QStringView(u"CNSEW").contains(code.front()))
        return targetRegion(code.mid(1));
    return TargetRegion::Elsewhere;
}

QString regionName(TargetRegion region)
{
    return QString::fromLatin1(regionNames[int(region)]);
}

QList<DaySpan> daySpans(const AirTimes& times)
{
    if (times.start < times.end)
        return {{times.start, times.end, false}};
    if (times.start == times.end)
        return {{0, dayMinutes, false}};
    QList<DaySpan> spans{{times.start, dayMinutes, false}};
    if (times.end > 0)
        spans.append({0, times.end, true});
    return spans;
}

bool spanOnDay(const SeasonRecord& record, const DaySpan& span, const AirMoment& day)
{
    AirMoment first = day;
    first.minute = span.from;
    return onAir(record, first);
}

void BandMapGeometry::setPlot(const QRectF& plot)
{
    area = plot;
}

void BandMapGeometry::setBand(const KhzRange& bandEdges)
{
    edges = bandEdges;
    shown = bandEdges;
}

void BandMapGeometry::setView(const KhzRange& view)
{
    const double bandWidth = edges.high - edges.low;
    const double width = clamped(view.high - view.low, std::min(narrowestKhz, bandWidth), bandWidth);
    const double low = clamped(view.low, edges.low, edges.high - width);
    shown = {low, low + width};
}

void BandMapGeometry::setHourOffset(int minutes)
{
    offset = minutes;
}

double BandMapGeometry::xOfAxisMinute(double minute) const
{
    return area.left() + area.width() * minute / dayMinutes;
}

double BandMapGeometry::xOfMinute(int utcMinute) const
{
    return xOfAxisMinute(((utcMinute + offset) % dayMinutes + dayMinutes) % dayMinutes);
}

double BandMapGeometry::yOfKhz(double khz) const
{
    const double innerHeight = area.height() - 2 * edgeInset;
    return area.bottom() - edgeInset - (khz - shown.low) * innerHeight / (shown.high - shown.low);
}

double BandMapGeometry::khzAtY(double y) const
{
    const double innerHeight = area.height() - 2 * edgeInset;
    return shown.low + (area.bottom() - edgeInset - y) * (shown.high - shown.low) / innerHeight;
}

double BandMapGeometry::barThickness() const
{
    const double pixelsPerKhz = (area.height() - 2 * edgeInset) / (shown.high - shown.low);
    return clamped(channelKhz * pixelsPerKhz * barShare, thinnestBar, thickestBar);
}

QList<QRectF> BandMapGeometry::spanRects(double khz, const DaySpan& span) const
{
    const double thickness = barThickness();
    const double top = yOfKhz(khz) - thickness / 2;
    const auto rectOf = [&](double from, double to) {
        return QRectF(QPointF(xOfAxisMinute(from), top), QPointF(xOfAxisMinute(to), top + thickness));
    };
    const int from = ((span.from + offset) % dayMinutes + dayMinutes) % dayMinutes;
    const int to = from + span.to - span.from;
    if (to <= dayMinutes)
        return {rectOf(from, to)};
    return {rectOf(from, dayMinutes), rectOf(0, to - dayMinutes)};
}

QLineF BandMapGeometry::nowLine(int utcMinute) const
{
    const double x = xOfMinute(utcMinute);
    return QLineF(x, area.top(), x, area.bottom());
}

void BandMapGeometry::zoom(double factor, double aroundY)
{
    const double fixed = khzAtY(aroundY);
    const double width = shown.high - shown.low;
    const double bandWidth = edges.high - edges.low;
    const double newWidth = clamped(width / factor, std::min(narrowestKhz, bandWidth), bandWidth);
    const double low = fixed - (fixed - shown.low) * newWidth / width;
    setView({low, low + newWidth});
}

void BandMapGeometry::pan(double dy)
{
    const double khzPerPixel = (shown.high - shown.low) / (area.height() - 2 * edgeInset);
    setView({shown.low + dy * khzPerPixel, shown.high + dy * khzPerPixel});
}

QList<AxisTick> BandMapGeometry::hourTicks(double labelWidth) const
{
    int step = 12;
    for (int hours : {1, 2, 3, 4, 6}) {
        if (area.width() * hours / 24 >= labelWidth) {
            step = hours;
            break;
        }
    }
    QList<AxisTick> ticks;
    for (int hour = 0; hour <= 24; hour += step)
        ticks.append({xOfAxisMinute(hour * 60), QStringLiteral("%1").arg(hour, 2, 10, QLatin1Char('0'))});
    return ticks;
}

QList<AxisTick> BandMapGeometry::khzTicks(double minimumGap) const
{
    const double pixelsPerKhz = (area.height() - 2 * edgeInset) / (shown.high - shown.low);
    double step = 1000;
    for (double candidate : {1.0, 2.0, 5.0, 10.0, 20.0, 25.0, 50.0, 100.0, 200.0, 250.0, 500.0}) {
        if (candidate * pixelsPerKhz >= minimumGap) {
            step = candidate;
            break;
        }
    }
    // the band's edges are labelled whenever they show; round values too near them are not
    QList<AxisTick> ticks;
    QList<double> edgesShown;
    for (double edge : {edges.low, edges.high}) {
        if (edge >= shown.low && edge <= shown.high)
            edgesShown.append(edge);
    }
    const auto label = [this](double khz) { return AxisTick{yOfKhz(khz), QString::number(khz)}; };
    for (double khz = std::ceil(shown.low / step) * step; khz <= shown.high; khz += step) {
        const bool nearEdge = std::any_of(edgesShown.begin(), edgesShown.end(), [&](double edge) {
            return std::abs(edge - khz) * pixelsPerKhz < minimumGap;
        });
        if (!nearEdge)
            ticks.append(label(khz));
    }
    for (double edge : edgesShown)
        ticks.append(label(edge));
    std::sort(ticks.begin(), ticks.end(), [](const AxisTick& first, const AxisTick& second) { return first.at > second.at; });
    return ticks;
}

QList<MapBar> layoutBars(const BandMapGeometry& geometry, const QList<SeasonRecord>& records,
                         const QList<int>& rows, const AirMoment& day, const DarknessTest& dark)
{
    QList<MapBar> faint;
    QList<MapBar> current;
    const QRectF& plot = geometry.plot();
    for (int row : rows) {
        const SeasonRecord& record = records.at(row);
        if (record.inactive)
            continue;
        const TargetRegion region = targetRegion(record.field(TargetField));
        const bool inDark = dark && dark(row);
        for (const DaySpan& span : daySpans(record.times)) {
            const BarLook look{!spanOnDay(record, span, day), record.times.days.irregular, inDark};
            for (const QRectF& rect : geometry.spanRects(record.khz, span)) {
                if (rect.bottom() < plot.top() || rect.top() > plot.bottom())
                    continue;
                (look.faint ? faint : current).append({rect, row, region, look});
            }
        }
    }
    return faint + current;
}

DarknessTest darknessAtStart(std::shared_ptr<const RecordPaths> paths, const QList<SeasonRecord>* records,
                             const QDate& day)
{
    struct Known
    {
        QHash<int, SunMoment> sunAtMinute;
        std::vector<signed char> dark; // -1 not yet asked
    };
    auto known = std::make_shared<Known>();
    known->dark.assign(size_t(records->size()), -1);
    return [paths, records, day, known](int row) {
        if (row < 0 || size_t(row) >= known->dark.size())
            return false;
        signed char& dark = known->dark[size_t(row)];
        if (dark < 0) {
            const SitePath* path = paths->path(row);
            const int minute = records->at(row).times.start;
            auto sun = known->sunAtMinute.find(minute);
            if (sun == known->sunAtMinute.end())
                sun = known->sunAtMinute.insert(minute, sunAt(QDateTime(day, QTime(minute / 60, minute % 60), Qt::UTC)));
            dark = path && pathLight(*path, *sun) == PathLight::Night ? 1 : 0;
        }
        return dark == 1;
    };
}

int rowAt(const QList<MapBar>& bars, const QPointF& point)
{
    for (auto bar = bars.crbegin(); bar != bars.crend(); ++bar) {
        const double grow = std::max(0.0, (pointerHeight - bar->rect.height()) / 2);
        if (bar->rect.adjusted(0, -grow, 0, grow).contains(point))
            return bar->row;
    }
    return -1;
}

QList<TargetRegion> regionsOf(const QList<SeasonRecord>& records, const QList<int>& rows)
{
    bool shown[targetRegionCount] = {};
    for (int row : rows) {
        if (!records.at(row).inactive)
            shown[int(targetRegion(records.at(row).field(TargetField)))] = true;
    }
    QList<TargetRegion> regions;
    for (int region = 0; region < targetRegionCount; ++region) {
        if (shown[region])
            regions.append(TargetRegion(region));
    }
    return regions;
}

QString busiestBand(const QList<SeasonRecord>& records)
{
    QHash<QString, int> counts;
    for (const SeasonRecord& record : records) {
        if (!record.inactive)
            ++counts[bandOf(record.khz)];
    }
    QString busiest;
    int most = 0;
    for (const Band& band : bands()) {
        if (counts.value(band.name) > most) {
            most = counts.value(band.name);
            busiest = band.name;
        }
    }
    return busiest;
}

QSize mapSizeFrom(const QString& text)
{
    const QStringList sides = text.split(QLatin1Char('x'));
    if (sides.size() != 2)
        return QSize();
    bool widthRead = false;
    bool heightRead = false;
    const QSize size(sides.at(0).toInt(&widthRead), sides.at(1).toInt(&heightRead));
    const auto fits = [](int side) { return side >= 100 && side <= 10000; };
    return widthRead && heightRead && fits(size.width()) && fits(size.height()) ? size : QSize();
}
