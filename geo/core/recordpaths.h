// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geo/core/geoposition.h"
#include "geo/core/sitepath.h"
#include "geo/core/sitepositions.h"
#include "season/core/seasonrecord.h"

#include <QDateTime>
#include <QList>

#include <optional>
#include <vector>

// The paths from the listener to the sites of a season file's records, computed once per file
// and location. Records of one site share its path. Km and bearing are found for every site at
// once; a path's points, and its light at the moment, only when first asked for (a row shown, a
// sort by light), so a long file opens without sampling a thousand paths. The lazy parts make
// the const functions unsafe to call from two threads at once.
class RecordPaths
{
public:
    // no location: no record has a path
    RecordPaths() = default;
    RecordPaths(const QList<SeasonRecord>& records, const SitePositions& sites, const GeoPosition& listener);

    // the record's path with its points; null where its site has no position or there is no location
    const SitePath* path(int record) const;
    // the same path's km and bearing, its points perhaps not sampled yet
    const SitePath* distance(int record) const;
    // sets each record's km, the key of the distance filter
    void markDistances(QList<SeasonRecord>& records) const;

    // the moment light() speaks of
    void setMoment(const QDateTime& utc);
    // none where the record has no path or no moment was set
    std::optional<PathLight> light(int record) const;

private:
    struct Site
    {
        GeoPosition position;
        mutable SitePath path;
        mutable bool sampled = false;
    };
    int siteOf(int record) const;

    GeoPosition from;
    std::vector<int> siteOfRecord; // -1 without a path
    std::vector<Site> places;
    std::optional<SunMoment> sun;
    mutable std::vector<signed char> lights; // each site's PathLight, -1 not yet worked out
};

// What the guide shows of a record's path, each in a column of its own.
enum class PathField { Km, Bearing, Light };

// "3,412", "118°", "night"; empty without a path
QString pathFieldText(const RecordPaths& paths, int record, PathField field);

// km and bearing as numbers, the darkest path first; records without a path after all others
int pathFieldKey(const RecordPaths& paths, int record, PathField field);
