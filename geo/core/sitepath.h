// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geo/core/geoposition.h"
#include "geo/core/sunposition.h"

#include <QString>

#include <vector>

// The geodesic on the WGS84 ellipsoid from the listener to a transmitter site.
struct SitePath
{
    int km = 0;                     // whole km
    int bearing = 0;                // initial bearing from the listener, whole degrees 0-359 from true north
    std::vector<PlaceAngles> points; // both ends and points between, no more than 100 km apart
};

SitePath sitePath(const GeoPosition& listener, const GeoPosition& site);
// The same path's km and bearing only, without its points.
SitePath siteDistance(const GeoPosition& listener, const GeoPosition& site);

// Daylight on a path: day when the sun is above 0° at every point, night when it is below -6°
// (civil twilight's end) at every point, mixed otherwise.
enum class PathLight { Day, Night, Mixed };

PathLight pathLight(const SitePath& path, const SunMoment& sun);

// "day", "night" or "mixed"
QString pathLightName(PathLight light);

// "3,412 km, bearing 118°, path in darkness" (or "in daylight", "partly in darkness")
QString pathWords(const SitePath& path, PathLight light);
