// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geo/core/recordpaths.h"
#include "season/core/onair.h"
#include "season/core/seasonfilter.h"
#include "season/core/seasonrecord.h"

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

// The parts of the world the legend of a band map names, each drawn in a colour of its own.
enum class TargetRegion { Europe, RussiaCentralAsia, MiddleEast, Africa, SouthAsia, EastAsia, SoutheastAsia,
                          Oceania, Americas, Elsewhere };
const int targetRegionCount = int(TargetRegion::Elsewhere) + 1;

// The region of a target code: a region code ("Eu", "NAm", "SEA", its C/N/S/E/W parts) or a
// country code ("CHN", "B"); codes the table does not know are Elsewhere.
TargetRegion targetRegion(QStringView code);
QString regionName(TargetRegion region);

// A span of one day's minutes that a broadcast covers; after midnight it is the part of a
// broadcast that started the day before.
struct DaySpan
{
    int from = 0;
    int to = 0;                // up to 1440
    bool afterMidnight = false;
};

// A broadcast's UTC times as spans of one day: one, or two when it crosses midnight; a range
// from a time to the same time covers the whole day.
QList<DaySpan> daySpans(const AirTimes& times);

// True when the part of the broadcast in the span goes out on the moment's day (its day and
// date rules; irregular days never hide it). The moment's minute plays no part.
bool spanOnDay(const SeasonRecord& record, const DaySpan& span, const AirMoment& day);

struct BarLook
{
    bool faint = false;        // not on the air on the map's day
    bool hatched = false;      // days the rules cannot read
    bool dark = false;         // the path lies in darkness at the broadcast's start
};

// One bar of the map: a span of one record, on the plot.
struct MapBar
{
    QRectF rect;
    int row = -1;              // the record's place in the list the bars were made from
    TargetRegion region = TargetRegion::Elsewhere;
    BarLook look;
};

// A label on an axis: where it goes and what it says.
struct AxisTick
{
    double at = 0;             // x on the hour axis, y on the frequency axis
    QString text;
};

// Where things go on a band map: UTC hours of one day across (or local hours, the day turned
// by the offset), frequency up, the band's edges at the top and bottom of the plot, zoomed
// and panned within them.
class BandMapGeometry
{
public:
    // space left above the top edge and below the bottom one, so that bars there show whole
    static constexpr double edgeInset = 6;
    static constexpr double thickestBar = 12;
    static constexpr double narrowestKhz = 10;

    void setPlot(const QRectF& plot);
    const QRectF& plot() const { return area; }
    // the band's edges; the view shows the whole band again
    void setBand(const KhzRange& edges);
    const KhzRange& band() const { return edges; }
    // the part of the band shown, kept within its edges and no narrower than narrowestKhz
    void setView(const KhzRange& shown);
    const KhzRange& view() const { return shown; }
    // minutes east of UTC for local hours; 0 shows UTC
    void setHourOffset(int minutes);
    int hourOffset() const { return offset; }

    double xOfMinute(int utcMinute) const;
    double yOfKhz(double khz) const;
    double khzAtY(double y) const;
    double barThickness() const;
    // the rectangles of a span, one or two where the hour axis turns it over its edge
    QList<QRectF> spanRects(double khz, const DaySpan& span) const;
    QLineF nowLine(int utcMinute) const;

    // The wheel: factor above 1 narrows the view around the frequency at y.
    void zoom(double factor, double aroundY);
    // A drag by dy pixels, downward positive, moves the frequencies with the pointer.
    void pan(double dy);

    // the axis hours that fit at the given label width, every 1, 2, 3, 4, 6 or 12 hours
    QList<AxisTick> hourTicks(double labelWidth) const;
    // kHz labels at a round step that leaves at least minimumGap pixels between them
    QList<AxisTick> khzTicks(double minimumGap) const;

private:
    double xOfAxisMinute(double minute) const;

    QRectF area;
    KhzRange edges{0, 1};
    KhzRange shown{0, 1};
    int offset = 0;
};

// Whether the path of the broadcast at a row lies in darkness at its start on the map's day;
// empty where no location is set.
using DarknessTest = std::function<bool(int row)>;

// The test for a season file's paths on a day: the whole path in the night (below -6°) at the
// record's UTC start. Each record is worked out at its first asking and kept, so zooming and
// panning cost nothing; rows beyond the records are never dark.
DarknessTest darknessAtStart(std::shared_ptr<const RecordPaths> paths, const QList<SeasonRecord>* records,
                             const QDate& day);

// The bars of the given records (their places in records) that the view shows, faint ones
// first so that what goes out on the day lies on top; inactive records have none.
QList<MapBar> layoutBars(const BandMapGeometry& geometry, const QList<SeasonRecord>& records,
                         const QList<int>& rows, const AirMoment& day, const DarknessTest& dark = {});

// The record of the topmost bar under the point, or -1; a thin bar answers a few pixels around it.
int rowAt(const QList<MapBar>& bars, const QPointF& point);

// The regions the records broadcast to, inactive ones left out, in legend order.
QList<TargetRegion> regionsOf(const QList<SeasonRecord>& records, const QList<int>& rows);

// The band that holds most of the records, or an empty name when none lies in a band.
QString busiestBand(const QList<SeasonRecord>& records);

// A picture's size "WIDTHxHEIGHT" in pixels, each from 100 to 10000; an invalid size otherwise.
QSize mapSizeFrom(const QString& text);
