// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bandmap/core/bandmap.h"

#include <QColor>
#include <QDateTime>
#include <QFont>
#include <QList>
#include <QSet>
#include <QSize>

class QPainter;
class QPalette;

// The colour of a region's bars.
QColor regionColour(TargetRegion region);

// A band's day as a picture: title, axes, bars and legend, laid out for a canvas. The window
// and ledra-map both paint it, so the two show the same.
class BandMapPicture
{
public:
    // records outlive the picture's use of them; rows are the places of those to draw
    void setRecords(const QList<SeasonRecord>* records, const QList<int>& rows);
    // a band of bands(); an unknown or empty name draws none
    void setBand(const QString& name);
    const QString& bandName() const { return band; }
    // the day the bars speak of and the minute of the now line
    void setMoment(const QDateTime& utc);
    const QDateTime& moment() const { return now; }
    // minutes east of UTC for local hours, 0 for UTC
    void setHourOffset(int minutes);
    // set where a location is known: bars whose path is dark at their start get a dark edge
    void setDarkness(const DarknessTest& test);
    void setCanvas(const QSize& size, const QFont& font);

    // Places the bars anew; call after the setters above and after zooming.
    void layOut();

    BandMapGeometry& geometry() { return axes; }
    const QList<MapBar>& bars() const { return placed; }

    // all but the now line and the selection, which change more often
    void paint(QPainter& painter, const QPalette& palette) const;
    void paintNowLine(QPainter& painter) const;
    void paintSelection(QPainter& painter, const QSet<int>& rows, const QPalette& palette) const;
    // the area the now line covers, for repainting it alone
    QRectF nowLineArea() const;

private:
    struct LegendItem
    {
        QRectF swatch;
        QString text;
        QColor colour;
        BarLook look;
    };

    QString title() const;
    void layOutLegend(double width, double top);
    void paintAxes(QPainter& painter, const QPalette& palette) const;
    void paintLegend(QPainter& painter, const QPalette& palette) const;

    const QList<SeasonRecord>* records = nullptr;
    QList<int> rows;
    QString band;
    QDateTime now;
    int offset = 0;
    DarknessTest darkness;
    QSize canvas;
    QFont font;
    double lineHeight = 0;
    double khzLabelWidth = 0;
    BandMapGeometry axes;
    QList<MapBar> placed;
    QList<LegendItem> legend;
};
