// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/stylepictures.h"

#include <QPainter>
#include <QPixmapCache>
#include <QStyleOption>

namespace {

// what every picture depends on besides its own parts
QList<qint64> commonLooks(const QStyleOption& option, qreal ratio)
{
    return {option.rect.width(), option.rect.height(), int(option.state), qint64(option.palette.cacheKey()),
            int(option.direction), qRound(ratio * 100)};
}

} // namespace

void StylePictures::useFor(const QList<QWidget*>& widgets)
{
    auto* style = new StylePictures(nullptr);
    style->setParent(widgets.first());
    for (QWidget* widget : widgets)
        widget->setStyle(style);
}

template<typename Draw>
void StylePictures::drawPicture(const QList<qint64>& looks, const QRect& rect, QPainter* painter, Draw draw) const
{
    // the pictures of another base style are not these
    QString key = QStringLiteral("ledra-picture-") + QString::number(quintptr(this), 16);
    for (const qint64 look : looks)
        key += QLatin1Char(',') + QString::number(look);
    QPixmap picture;
    if (!QPixmapCache::find(key, &picture)) {
        const qreal ratio = painter->device()->devicePixelRatio();
        picture = QPixmap(rect.size() * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter picturePainter(&picture);
        draw(&picturePainter, QRect(QPoint(), rect.size()));
        picturePainter.end();
        QPixmapCache::insert(key, picture);
    }
    painter->drawPixmap(rect.topLeft(), picture);
}

void StylePictures::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                                       const QWidget* widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || !bar || bar->rect.isEmpty()) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    // the slider's place in pixels rather than its value, so that a range grown by a row that
    // leaves the slider where it was gives the same picture; some styles show the arrows
    // disabled at either end
    const QRect slider = subControlRect(CC_ScrollBar, bar, SC_ScrollBarSlider, widget);
    QList<qint64> looks = commonLooks(*bar, painter->device()->devicePixelRatio());
    looks << int(control) << int(bar->orientation) << slider.x() << slider.y() << slider.width() << slider.height()
          << int(bar->activeSubControls) << int(bar->subControls) << (bar->sliderValue <= bar->minimum)
          << (bar->sliderValue >= bar->maximum);
    drawPicture(looks, bar->rect, painter, [&](QPainter* picturePainter, const QRect& atOrigin) {
        QStyleOptionSlider moved = *bar;
        moved.rect = atOrigin;
        QProxyStyle::drawComplexControl(control, &moved, picturePainter, widget);
    });
}

void StylePictures::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const
{
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if ((element != PE_FrameGroupBox && element != PE_PanelLineEdit) || !frame || frame->rect.isEmpty()) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    QList<qint64> looks = commonLooks(*frame, painter->device()->devicePixelRatio());
    looks << int(element) << frame->lineWidth << frame->midLineWidth << int(frame->features)
          << int(frame->frameShape);
    drawPicture(looks, frame->rect, painter, [&](QPainter* picturePainter, const QRect& atOrigin) {
        QStyleOptionFrame moved = *frame;
        moved.rect = atOrigin;
        QProxyStyle::drawPrimitive(element, &moved, picturePainter, widget);
    });
}
