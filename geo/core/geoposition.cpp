// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/core/geoposition.h"

#include <QRegularExpression>

#include <cmath>

namespace {

// A locator's characters in pairs, longitude first; each pair splits the square of the pair
// before: fields of 20° by 10°, squares of 2° by 1°, subsquares of 5' by 2.5', then 30" by 15".
struct LocatorPair
{
    char first;    // 'A' for letters, '0' for digits
    int divisions;
    const char* refusal;
};
const LocatorPair locatorPairs[] = {
    {'A', 18, "A locator begins with two letters from A to R"},
    {'0', 10, "A locator's third and fourth characters are digits"},
    {'A', 24, "A locator's fifth and sixth characters are letters from A to X"},
    {'0', 10, "A locator's seventh and eighth characters are digits"},
};

const char* const neitherRefusal =
    "Neither a locator (JO62, JO62qm or JO62qm12) nor latitude and longitude in decimal degrees (52.52, 13.40)";

int placeInPair(QChar character, const LocatorPair& pair)
{
    const int place = character.toUpper().unicode() - pair.first;
    return place >= 0 && place < pair.divisions ? place : -1;
}

bool looksLikeLocator(QStringView text)
{
    return text.size() >= 3 && text.at(0).isLetter() && text.at(1).isLetter() && text.at(2).isDigit();
}

LocationReading readLocator(QStringView text)
{
    if (text.size() != 4 && text.size() != 6 && text.size() != 8)
        return {std::nullopt, QStringLiteral("A locator has 4, 6 or 8 characters")};
    double longitude = -180;
    double latitude = -90;
    double width = 360;
    double height = 180;
    for (int pair = 0; pair < text.size() / 2; ++pair) {
        const LocatorPair& rule = locatorPairs[pair];
        const int east = placeInPair(text.at(2 * pair), rule);
        const int north = placeInPair(text.at(2 * pair + 1), rule);
        if (east < 0 || north < 0)
            return {std::nullopt, QLatin1String(rule.refusal)};
        width /= rule.divisions;
        height /= rule.divisions;
        longitude += east * width;
        latitude += north * height;
    }
    return {GeoPosition{latitude + height / 2, longitude + width / 2}, QString()};
}

LocationReading readDegrees(QStringView text)
{
    const QList<QStringView> parts = text.split(QLatin1Char(','));
    bool latitudeRead = false;
    bool longitudeRead = false;
    const double latitude = parts.size() == 2 ? parts.at(0).trimmed().toDouble(&latitudeRead) : 0;
    const double longitude = parts.size() == 2 ? parts.at(1).trimmed().toDouble(&longitudeRead) : 0;
    if (!latitudeRead || !longitudeRead || !std::isfinite(latitude) || !std::isfinite(longitude))
        return {std::nullopt, QLatin1String(neitherRefusal)};
    if (std::abs(latitude) > 90)
        return {std::nullopt, QStringLiteral("The latitude lies between -90 and 90 degrees")};
    if (std::abs(longitude) > 180)
        return {std::nullopt, QStringLiteral("The longitude lies between -180 and 180 degrees")};
    return {GeoPosition{latitude, longitude}, QString()};
}

QString degreesText(double degrees, char positive, char negative)
{
    return QStringLiteral("%1° %2").arg(std::abs(degrees), 0, 'f', 3).arg(QLatin1Char(degrees < 0 ? negative : positive));
}

// degrees, minutes and seconds of one half of a site position
double angleOf(const QRegularExpressionMatch& match, int first, double limit)
{
    const double degrees = match.capturedView(first).toInt();
    const int minutes = match.capturedView(first + 2).toInt();
    const int seconds = match.capturedView(first + 3).toInt();
    if (minutes > 59 || seconds > 59)
        return NAN;
    const double angle = degrees + minutes / 60.0 + seconds / 3600.0;
    if (angle > limit)
        return NAN;
    const QChar hemisphere = match.capturedView(first + 1).at(0);
    return hemisphere == QLatin1Char('S') || hemisphere == QLatin1Char('W') ? -angle : angle;
}

} // namespace

LocationReading readLocation(QStringView text)
{
    const QStringView typed = text.trimmed();
    return looksLikeLocator(typed) ? readLocator(typed) : readDegrees(typed);
}

QString positionText(const GeoPosition& position)
{
    return degreesText(position.latitude, 'N', 'S') + QStringLiteral(", ") + degreesText(position.longitude, 'E', 'W');
}

std::optional<GeoPosition> sitePosition(QStringView text)
{
    static const QRegularExpression position(QStringLiteral(
        "(?<![0-9])([0-9]{1,2}) ?([NS]) ?([0-9]{2})(?:'([0-9]{2})['\"])?" // latitude
        "\\s*-?\\s*"                                                       // a dash, blanks or nothing
        "([0-9]{1,3}) ?([EW]) ?([0-9]{2})(?:'([0-9]{2})['\"])?(?![0-9])")); // longitude
    QRegularExpressionMatchIterator found = position.globalMatch(text);
    while (found.hasNext()) {
        const QRegularExpressionMatch match = found.next();
        const double latitude = angleOf(match, 1, 90);
        const double longitude = angleOf(match, 5, 180);
        if (!std::isnan(latitude) && !std::isnan(longitude))
            return GeoPosition{latitude, longitude};
    }
    return std::nullopt;
}
