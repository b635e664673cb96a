// SPDX-License-Identifier: GPL-3.0-or-later
#include "bandmap/bandmapview.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <QWheelEvent>

#include <cmath>

namespace {

// one notch of the wheel narrows or widens the view by this factor
const double zoomStep = 1.25;

int offsetShown(const QDateTime& utc, bool local)
{
    return local && utc.isValid() ? utc.toLocalTime().offsetFromUtc() / 60 : 0;
}

} // namespace

BandMapView::BandMapView(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(320, 240);
    picture.setMoment(QDateTime::currentDateTimeUtc());
    picture.setCanvas(size(), font());
}

// the rows and paths that follow come for these records
void BandMapView::setRecords(const QList<SeasonRecord>* drawn)
{
    records = drawn;
    shown.clear();
    paths.reset();
}

void BandMapView::setShownRows(const QList<int>& rows)
{
    shown = rows;
    takeRows();
    redraw();
}

void BandMapView::setPaths(std::shared_ptr<const RecordPaths> found)
{
    paths = std::move(found);
    markDarkPaths();
}

void BandMapView::setTipText(std::function<QString(int)> tipText)
{
    tipFor = std::move(tipText);
}

void BandMapView::setBand(const QString& name)
{
    if (name == picture.bandName())
        return;
    picture.setBand(name);
    takeRows();
    redraw();
}

void BandMapView::takeRows()
{
    QList<int> rows;
    if (records && !picture.bandName().isEmpty()) {
        const KhzRange& edges = picture.geometry().band();
        for (int record : shown) {
            const double khz = records->at(record).khz;
            if (khz >= edges.low && khz <= edges.high)
                rows.append(record);
        }
    }
    picture.setRecords(records, rows);
}

void BandMapView::setMoment(const QDateTime& utc)
{
    const QDateTime before = picture.moment();
    const QRect oldLine = picture.nowLineArea().toAlignedRect();
    picture.setMoment(utc);
    const int offset = offsetShown(utc, localHours);
    // the bars speak of one day; within it only the line moves
    if (before.date() != utc.date()) {
        picture.setHourOffset(offset);
        markDarkPaths();
        return;
    }
    if (offset != picture.geometry().hourOffset()) {
        picture.setHourOffset(offset);
        redraw();
        return;
    }
    update(oldLine | picture.nowLineArea().toAlignedRect());
}

void BandMapView::setLocalHours(bool local)
{
    localHours = local;
    picture.setHourOffset(offsetShown(picture.moment(), local));
    redraw();
}

void BandMapView::setSelectedRows(const QSet<int>& sourceRows)
{
    if (sourceRows == selected)
        return;
    const QRect changed = selectionArea(selected) | selectionArea(sourceRows);
    selected = sourceRows;
    update(changed);
}

// once per day, file and location
void BandMapView::markDarkPaths()
{
    picture.setDarkness(paths && records ? darknessAtStart(paths, records, picture.moment().date()) : DarknessTest());
    redraw();
}

QRect BandMapView::selectionArea(const QSet<int>& sourceRows) const
{
    QRectF area;
    if (sourceRows.isEmpty())
        return QRect();
    for (const MapBar& bar : picture.bars()) {
        if (sourceRows.contains(bar.row))
            area |= bar.rect;
    }
    return area.adjusted(-3, -3, 3, 3).toAlignedRect();
}

int BandMapView::rowAt(const QPoint& point) const
{
    return ::rowAt(picture.bars(), point);
}

QSize BandMapView::sizeHint() const
{
    return QSize(520, 420);
}

void BandMapView::redraw()
{
    picture.layOut();
    layerStale = true;
    update();
}

void BandMapView::renderLayer()
{
    const qreal ratio = devicePixelRatioF();
    layer = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
    layer.setDevicePixelRatio(ratio);
    QPainter painter(&layer);
    picture.paint(painter, palette());
    layerStale = false;
}

void BandMapView::paintEvent(QPaintEvent*)
{
    if (layerStale)
        renderLayer();
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), layer);
    picture.paintSelection(painter, selected, palette());
    picture.paintNowLine(painter);
}

void BandMapView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    picture.setCanvas(size(), font());
    redraw();
}

void BandMapView::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        picture.setCanvas(size(), font());
        redraw();
    } else if (event->type() == QEvent::PaletteChange) {
        layerStale = true;
        update();
    }
}

bool BandMapView::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const int row = rowAt(help->pos());
    // between the bars the map's own tip says how to use it
    if (row < 0 || !tipFor)
        return QWidget::event(event);
    QToolTip::showText(help->globalPos(), tipFor(row), this);
    return true;
}

void BandMapView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    pressedAt = draggedTo = event->position().toPoint();
    dragging = false;
}

void BandMapView::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return QWidget::mouseMoveEvent(event);
    const QPoint at = event->position().toPoint();
    if (!dragging && (at - pressedAt).manhattanLength() < QApplication::startDragDistance())
        return;
    dragging = true;
    picture.geometry().pan(at.y() - draggedTo.y());
    draggedTo = at;
    redraw();
}

void BandMapView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    const int row = dragging ? -1 : rowAt(event->position().toPoint());
    dragging = false;
    if (row >= 0)
        emit rowClicked(row);
}

void BandMapView::mouseDoubleClickEvent(QMouseEvent* event)
{
    const int row = event->button() == Qt::LeftButton ? rowAt(event->position().toPoint()) : -1;
    if (row >= 0)
        emit rowActivated(row);
}

void BandMapView::wheelEvent(QWheelEvent* event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (notches == 0 || picture.bandName().isEmpty())
        return QWidget::wheelEvent(event);
    picture.geometry().zoom(std::pow(zoomStep, notches), event->position().y());
    redraw();
}
