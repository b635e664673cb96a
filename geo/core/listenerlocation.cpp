// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/core/listenerlocation.h"

#include "app/core/guidestore.h"

QString storedLocationText()
{
    return guideValue(GuideKey::Location).toString();
}

void storeLocationText(const QString& text)
{
    setGuideValue(GuideKey::Location, text);
}

std::optional<GeoPosition> storedLocation()
{
    return readLocation(storedLocationText()).position;
}
