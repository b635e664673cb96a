// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/core/recordpaths.h"

#include <QHash>
#include <QLocale>

#include <climits>
#include <map>
#include <utility>

RecordPaths::RecordPaths(const QList<SeasonRecord>& records, const SitePositions& sites, const GeoPosition& listener)
{
    QHash<QString, int> pathOfSiteField; // "country remarks"
    std::map<std::pair<double, double>, int> pathAt;
    pathOfRecord.reserve(size_t(records.size()));
    for (const SeasonRecord& record : records) {
        const QString siteField = record.field(CountryField).toString().append(QLatin1Char(' ')).append(record.field(SiteField));
        auto known = pathOfSiteField.constFind(siteField);
        if (known == pathOfSiteField.cend()) {
            int index = -1;
            if (const std::optional<GeoPosition> site = sites.of(record.field(SiteField), record.field(CountryField))) {
                const auto [at, added] = pathAt.emplace(std::make_pair(site->latitude, site->longitude), int(paths.size()));
                if (added)
                    paths.push_back(sitePath(listener, *site));
                index = at->second;
            }
            known = pathOfSiteField.insert(siteField, index);
        }
        pathOfRecord.push_back(*known);
    }
}

const SitePath* RecordPaths::path(int record) const
{
    const int index = record >= 0 && size_t(record) < pathOfRecord.size() ? pathOfRecord[size_t(record)] : -1;
    return index < 0 ? nullptr : &paths[size_t(index)];
}

void RecordPaths::markDistances(QList<SeasonRecord>& records) const
{
    for (int row = 0; row < records.size(); ++row) {
        const SitePath* recordPath = path(row);
        records[row].km = recordPath ? recordPath->km : -1;
    }
}

void RecordPaths::setMoment(const QDateTime& utc)
{
    const SunMoment sun = sunAt(utc);
    lights.clear();
    lights.reserve(paths.size());
    for (const SitePath& path : paths)
        lights.push_back(pathLight(path, sun));
}

std::optional<PathLight> RecordPaths::light(int record) const
{
    const SitePath* recordPath = path(record);
    if (!recordPath || lights.empty())
        return std::nullopt;
    return lights[size_t(recordPath - paths.data())];
}

QString pathFieldText(const RecordPaths& paths, int record, PathField field)
{
    const SitePath* path = paths.path(record);
    if (!path)
        return QString();
    if (field == PathField::Km)
        return QLocale(QLocale::English, QLocale::UnitedStates).toString(path->km);
    if (field == PathField::Bearing)
        return QString::number(path->bearing) + QStringLiteral("°");
    const std::optional<PathLight> light = paths.light(record);
    return light ? pathLightName(*light) : QString();
}

int pathFieldKey(const RecordPaths& paths, int record, PathField field)
{
    const SitePath* path = paths.path(record);
    const std::optional<PathLight> light = paths.light(record);
    if (!path || (field == PathField::Light && !light))
        return INT_MAX;
    if (field == PathField::Km)
        return path->km;
    if (field == PathField::Bearing)
        return path->bearing;
    return *light == PathLight::Night ? 0 : *light == PathLight::Mixed ? 1 : 2;
}
