// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/core/sitepath.h"

#include <GeographicLib/Geodesic.hpp>
#include <GeographicLib/GeodesicLine.hpp>

#include <QLocale>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace {

const double longestStepMetres = 100e3;

} // namespace

namespace {

// what km, bearing and points need of the geodesic, and no more
GeographicLib::GeodesicLine lineBetween(const GeoPosition& listener, const GeoPosition& site)
{
    return GeographicLib::Geodesic::WGS84().InverseLine(
        listener.latitude, listener.longitude, site.latitude, site.longitude,
        GeographicLib::Geodesic::LATITUDE | GeographicLib::Geodesic::LONGITUDE | GeographicLib::Geodesic::DISTANCE_IN);
}

SitePath distanceOf(const GeographicLib::GeodesicLine& line)
{
    SitePath path;
    path.km = int(std::lround(line.Distance() / 1000));
    // the azimuth runs from -180° to 180°
    path.bearing = int(std::lround(line.Azimuth() + 360)) % 360;
    return path;
}

} // namespace

SitePath sitePath(const GeoPosition& listener, const GeoPosition& site)
{
    const GeographicLib::GeodesicLine line = lineBetween(listener, site);
    const double metres = line.Distance();
    SitePath path = distanceOf(line);
    const int steps = std::max(1, int(std::ceil(metres / longestStepMetres)));
    path.points.reserve(size_t(steps) + 1);
    for (int step = 0; step <= steps; ++step) {
        GeoPosition point;
        line.Position(metres * step / steps, point.latitude, point.longitude);
        path.points.push_back(placeAngles(point));
    }
    return path;
}

SitePath siteDistance(const GeoPosition& listener, const GeoPosition& site)
{
    return distanceOf(lineBetween(listener, site));
}

PathLight pathLight(const SitePath& path, const SunMoment& sun)
{
    static const double twilightEnd = std::sin(qDegreesToRadians(-6.0));
    bool allDay = true;
    bool allNight = true;
    for (const PlaceAngles& point : path.points) {
        const double elevation = sunElevationSine(sun, point);
        allDay = allDay && elevation > 0;
        allNight = allNight && elevation < twilightEnd;
        if (!allDay && !allNight)
            return PathLight::Mixed;
    }
    return allDay ? PathLight::Day : PathLight::Night;
}

QString pathLightName(PathLight light)
{
    switch (light) {
    case PathLight::Day:
        return QStringLiteral("day");
    case PathLight::Night:
        return QStringLiteral("night");
    case PathLight::Mixed:
        break;
    }
    return QStringLiteral("mixed");
}

QString pathWords(const SitePath& path, PathLight light)
{
    const QString lightWords = light == PathLight::Night ? QStringLiteral("in darkness")
                               : light == PathLight::Day ? QStringLiteral("in daylight")
                                                         : QStringLiteral("partly in darkness");
    return QStringLiteral("%1 km, bearing %2°, path %3")
        .arg(QLocale(QLocale::English, QLocale::UnitedStates).toString(path.km))
        .arg(path.bearing)
        .arg(lightWords);
}
