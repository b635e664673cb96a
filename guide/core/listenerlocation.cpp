// SPDX-License-Identifier: GPL-3.0-or-later
#include "listenerlocation.h"

#include <QSettings>

namespace {

QSettings guideStore()
{
    return QSettings(QStringLiteral("Morvath"), QStringLiteral("Ledra-guide"));
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
