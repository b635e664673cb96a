// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/celltexts.h"

#include <QFontMetricsF>

namespace {

// a few screens of distinct texts; scrolling through a long table starts afresh now and then
const qsizetype keptTexts = 4096;

} // namespace

const QStaticText& CellTexts::laidOut(const QString& text, const QFont& textFont)
{
    if (texts.isEmpty() || textFont != font || texts.size() >= keptTexts) {
        texts.clear();
        font = textFont;
        fontLineHeight = QFontMetricsF(font).height();
    }
    auto found = texts.find(text);
    if (found == texts.end()) {
        QStaticText laid(text);
        laid.setTextFormat(Qt::PlainText);
        laid.prepare(QTransform(), font);
        found = texts.insert(text, laid);
    }
    return *found;
}
