// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QHash>
#include <QStaticText>
#include <QString>

// Cell texts laid out once and drawn again from their glyphs: shaping a text costs more than
// drawing it, and a repaint draws the same few hundred texts over and over.
class CellTexts
{
public:
    // The text laid out in the font; the layouts of another font are dropped.
    const QStaticText& laidOut(const QString& text, const QFont& font);
    // the height of a line in that font, without the leading a laid-out text's size may include
    qreal lineHeight() const { return fontLineHeight; }

private:
    QFont font;
    qreal fontLineHeight = 0;
    QHash<QString, QStaticText> texts;
};
