// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bandmap/draw/bandmappicture.h"

#include <QImage>
#include <QPoint>
#include <QSet>
#include <QWidget>

#include <functional>
#include <memory>

// A band's whole day: a bar per broadcast that the guide's filters let through, frequency up,
// hours across, a red line at now. The wheel zooms the frequencies, a drag pans them; a click
// picks a broadcast and a double-click asks to tune it. Bars and axes are painted once into an
// image and then only the now line and the selection are painted over it.
class BandMapView : public QWidget
{
    Q_OBJECT

public:
    explicit BandMapView(QWidget* parent = nullptr);

    // the records it draws; they outlive their use here
    void setRecords(const QList<SeasonRecord>* records);
    // the records the guide shows, of which the map draws those in its band
    void setShownRows(const QList<int>& records);
    // the paths from the listener to each record's site: bars whose path is dark at their
    // start are marked; none, no marks
    void setPaths(std::shared_ptr<const RecordPaths> paths);
    // what the tip over a record's bar says
    void setTipText(std::function<QString(int record)> tipText);
    void setBand(const QString& name);
    const QString& band() const { return picture.bandName(); }
    void setMoment(const QDateTime& utc);
    void setLocalHours(bool local);
    void setSelectedRows(const QSet<int>& sourceRows);

    const BandMapPicture& mapPicture() const { return picture; }
    // the source row of the topmost bar at the point, or -1
    int rowAt(const QPoint& point) const;
    QSize sizeHint() const override;

signals:
    void rowClicked(int sourceRow);
    void rowActivated(int sourceRow);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void takeRows();
    void markDarkPaths();
    void redraw();
    void renderLayer();
    QRect selectionArea(const QSet<int>& sourceRows) const;

    const QList<SeasonRecord>* records = nullptr;
    QList<int> shown;
    std::function<QString(int)> tipFor;
    BandMapPicture picture;
    QImage layer;              // everything but the now line and the selection
    bool layerStale = true;
    bool localHours = false;
    QSet<int> selected;
    std::shared_ptr<const RecordPaths> paths;
    QPoint pressedAt;
    QPoint draggedTo;
    bool dragging = false;
};
