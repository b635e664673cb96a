// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QProxyStyle>

// Draws scroll bars, group box frames and line edit panels from pictures kept while they look the
// same. A scroll area lays out and repaints both its scroll bars whenever one's range changes,
// which is every Add and Del, and Del refills the entry boxes, which repaints them and the group
// box frame behind them; drawing their gradients and rounded frames cost more than the table's rows.
class StylePictures : public QProxyStyle
{
public:
    // the widgets drawn this way, in the application's style; the first one owns the style
    static void useFor(const QList<QWidget*>& widgets);
    // drawing as the given style does, which it owns
    using QProxyStyle::QProxyStyle;

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;

private:
    template<typename Draw>
    void drawPicture(const QList<qint64>& looks, const QRect& rect, QPainter* painter, Draw draw) const;
};
