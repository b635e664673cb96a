// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geo/core/geoposition.h"

#include <QDateTime>

// The sun at one UTC moment, shared by every place: its declination and the hour angle it has at
// Greenwich, which holds the equation of time.
struct SunMoment
{
    double sinDeclination = 0;
    double cosDeclination = 1;
    double sinGreenwichHourAngle = 0;
    double cosGreenwichHourAngle = 1;
};

SunMoment sunAt(const QDateTime& utc);

// A place's sines and cosines, taken once, so that a moment costs no angle function per place.
struct PlaceAngles
{
    double sinLatitude = 0;
    double cosLatitude = 1;
    double sinLongitude = 0;
    double cosLongitude = 1;
};

PlaceAngles placeAngles(const GeoPosition& place);

// The sine of the sun's elevation above the horizon at the place, without refraction.
double sunElevationSine(const SunMoment& sun, const PlaceAngles& place);

// The sun's elevation in degrees.
double sunElevation(const SunMoment& sun, const GeoPosition& place);
