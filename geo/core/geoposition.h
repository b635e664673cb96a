// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

#include <optional>

// A place on the earth in degrees, north and east positive.
struct GeoPosition
{
    double latitude = 0;
    double longitude = 0;
};

// A listener's location as typed: the position, or why the text is refused.
struct LocationReading
{
    std::optional<GeoPosition> position;
    QString refusal;
};

// Reads a Maidenhead locator of 4, 6 or 8 characters ("JO62", "JO62qm", "JO62qm12"), taking the
// centre of its square, or latitude and longitude in decimal degrees ("52.52, 13.40", "-33.9,18.4").
LocationReading readLocation(QStringView text);

// "52.521° N, 13.375° E"
QString positionText(const GeoPosition& position);

// The first position in a transmitter-site text as the code tables write them: degrees,
// hemisphere and minutes "34N32-69E21", with seconds "54N54'40'-03W16'50'" (or 40"), also
// with the halves apart by a space or a tab instead of the dash or by nothing at all, with a
// stray space inside a half, or with the hemisphere letter repeated at the end. Several
// positions ("... and ...", "... or ...") give the first; a text without one gives none.
std::optional<GeoPosition> sitePosition(QStringView text);
