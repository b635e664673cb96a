// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/core/listenerlocation.h"

#include "app/core/settingsstore.h"

namespace {

SettingsStore guideStore()
{
    return SettingsStore(QStringLiteral("Ledra-guide"));
}

const char* const locationKey = "location";

} // namespace

QString storedLocationText()
{
    return guideStore().value(QLatin1String(locationKey)).toString();
}

void storeLocationText(const QString& text)
{
    guideStore().setValue(QLatin1String(locationKey), text);
}

std::optional<GeoPosition> storedLocation()
{
    return readLocation(storedLocationText()).position;
}
