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
// and location. Records of one site share its path, and each path's light is found once per moment.
class RecordPaths
{
public:
    // no location: no record has a path
    RecordPaths() = default;
    RecordPaths(const QList<SeasonRecord>& records, const SitePositions& sites, const GeoPosition& listener);

    // the record's path; null where its site has no position or there is no location
    const SitePath* path(int record) const;
    // sets each record's km, the key of the distance filter
    void markDistances(QList<SeasonRecord>& records) const;

    // the light on every path at the moment, for light()
    void setMoment(const QDateTime& utc);
    // none where the record has no path or no moment was set
    std::optional<PathLight> light(int record) const;

private:
    std::vector<int> pathOfRecord; // -1 without a path
    std::vector<SitePath> paths;
    std::vector<PathLight> lights;
};

// What the guide shows of a record's path, each in a column of its own.
enum class PathField { Km, Bearing, Light };

// "3,412", "118°", "night"; empty without a path
QString pathFieldText(const RecordPaths& paths, int record, PathField field);

// km and bearing as numbers, the darkest path first; records without a path after all others
int pathFieldKey(const RecordPaths& paths, int record, PathField field);
