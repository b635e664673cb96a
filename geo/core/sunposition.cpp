// SPDX-License-Identifier: GPL-3.0-or-later
// The sun's position from the NOAA Global Monitoring Laboratory's solar calculator equations
// (NOAA_Solar_Calculations_day.xls, after Jean Meeus, "Astronomical Algorithms"); the elevation
// stays well within 0.1° of the Astronomical Almanac's in this century.
#include "geo/core/sunposition.h"

#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

const double unixEpochJulianDay = 2440587.5;
const double j2000JulianDay = 2451545.0;
const double millisecondsPerDay = 86400000.0;

} // namespace

SunMoment sunAt(const QDateTime& utc)
{
    const double julianDay = utc.toMSecsSinceEpoch() / millisecondsPerDay + unixEpochJulianDay;
    const double t = (julianDay - j2000JulianDay) / 36525.0; // Julian centuries since J2000.0
    const double meanLongitude = qDegreesToRadians(std::fmod(280.46646 + t * (36000.76983 + t * 0.0003032), 360.0));
    const double meanAnomaly = qDegreesToRadians(357.52911 + t * (35999.05029 - 0.0001537 * t));
    const double eccentricity = 0.016708634 - t * (0.000042037 + 0.0000001267 * t);
    const double equationOfCentre = std::sin(meanAnomaly) * (1.914602 - t * (0.004817 + 0.000014 * t))
                                    + std::sin(2 * meanAnomaly) * (0.019993 - 0.000101 * t)
                                    + std::sin(3 * meanAnomaly) * 0.000289;
    const double omega = qDegreesToRadians(125.04 - 1934.136 * t);
    const double apparentLongitude = qDegreesToRadians(qRadiansToDegrees(meanLongitude) + equationOfCentre - 0.00569
                                                       - 0.00478 * std::sin(omega));
    const double meanObliquity = 23 + (26 + (21.448 - t * (46.815 + t * (0.00059 - t * 0.001813))) / 60) / 60;
    const double obliquity = qDegreesToRadians(meanObliquity + 0.00256 * std::cos(omega));
    const double declination = std::asin(std::sin(obliquity) * std::sin(apparentLongitude));

    const double y = std::pow(std::tan(obliquity / 2), 2);
    const double equationOfTimeMinutes =
        4 * qRadiansToDegrees(y * std::sin(2 * meanLongitude) - 2 * eccentricity * std::sin(meanAnomaly)
                              + 4 * eccentricity * y * std::sin(meanAnomaly) * std::cos(2 * meanLongitude)
                              - 0.5 * y * y * std::sin(4 * meanLongitude)
                              - 1.25 * eccentricity * eccentricity * std::sin(2 * meanAnomaly));
    const double minuteOfDay = utc.toUTC().time().msecsSinceStartOfDay() / 60000.0;
    // true solar time at Greenwich, as an hour angle: 0 at the sun's noon
    const double hourAngle = qDegreesToRadians((minuteOfDay + equationOfTimeMinutes) / 4 - 180);
    return {std::sin(declination), std::cos(declination), std::sin(hourAngle), std::cos(hourAngle)};
}

PlaceAngles placeAngles(const GeoPosition& place)
{
    const double latitude = qDegreesToRadians(place.latitude);
    const double longitude = qDegreesToRadians(place.longitude);
    return {std::sin(latitude), std::cos(latitude), std::sin(longitude), std::cos(longitude)};
}

double sunElevationSine(const SunMoment& sun, const PlaceAngles& place)
{
    // the local hour angle is Greenwich's plus the longitude east
    const double cosHourAngle = sun.cosGreenwichHourAngle * place.cosLongitude
                                - sun.sinGreenwichHourAngle * place.sinLongitude;
    return place.sinLatitude * sun.sinDeclination + place.cosLatitude * sun.cosDeclination * cosHourAngle;
}

double sunElevation(const SunMoment& sun, const GeoPosition& place)
{
    return qRadiansToDegrees(std::asin(std::clamp(sunElevationSine(sun, placeAngles(place)), -1.0, 1.0)));
}
