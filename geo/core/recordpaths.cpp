// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/core/recordpaths.h"

#include <QHash>
#include <QLocale>

#include <climits>
#include <map>
#include <utility>

namespace {

// A country and remarks of seven Latin-1 characters in all, as nearly all are, as one number,
// which is quicker to hash than the two texts; none for longer ones.
std::optional<quint64> packedSiteField(QStringView country, QStringView remarks)
{
    if (country.size() + remarks.size() > 7)
        return std::nullopt;
    // both lengths in the top byte, the characters in the seven below
    quint64 characters = 0;
    for (QStringView part : {country, remarks}) {
        for (QChar c : part) {
            if (c.unicode() > 0xff)
                return std::nullopt;
            characters = characters << 8 | c.unicode();
        }
    }
    return quint64(country.size()) << 60 | quint64(remarks.size()) << 56 | characters;
}

} // namespace

RecordPaths::RecordPaths(const QList<SeasonRecord>& records, const SitePositions& sites, const GeoPosition& listener)
    : from(listener)
{
    QHash<quint64, int> siteOfShortField;
    // the views point into the records, which outlive this constructor
    QHash<std::pair<QStringView, QStringView>, int> siteOfField; // country and remarks
    std::map<std::pair<double, double>, int> siteAt;
    const auto siteNamed = [&](QStringView country, QStringView remarks) {
        const std::optional<GeoPosition> site = sites.of(remarks, country);
        if (!site)
            return -1;
        const auto [at, added] = siteAt.emplace(std::make_pair(site->latitude, site->longitude), int(places.size()));
        if (added)
            places.push_back({*site, siteDistance(listener, *site)});
        return at->second;
    };
    siteOfRecord.reserve(size_t(records.size()));
    std::pair<QStringView, QStringView> lastField;
    for (const SeasonRecord& record : records) {
        const std::pair<QStringView, QStringView> siteField{record.field(CountryField), record.field(SiteField)};
        // neighbouring records mostly name the same site
        if (!siteOfRecord.empty() && siteField == lastField) {
            siteOfRecord.push_back(siteOfRecord.back());
            continue;
        }
        lastField = siteField;
        if (const std::optional<quint64> packed = packedSiteField(siteField.first, siteField.second)) {
            auto known = siteOfShortField.constFind(*packed);
            if (known == siteOfShortField.cend())
                known = siteOfShortField.insert(*packed, siteNamed(siteField.first, siteField.second));
            siteOfRecord.push_back(*known);
            continue;
        }
        auto known = siteOfField.constFind(siteField);
        if (known == siteOfField.cend())
            known = siteOfField.insert(siteField, siteNamed(siteField.first, siteField.second));
        siteOfRecord.push_back(*known);
    }
}

int RecordPaths::siteOf(int record) const
{
    return record >= 0 && size_t(record) < siteOfRecord.size() ? siteOfRecord[size_t(record)] : -1;
}

const SitePath* RecordPaths::path(int record) const
{
    const int index = siteOf(record);
    if (index < 0)
        return nullptr;
    const Site& site = places[size_t(index)];
    if (!site.sampled) {
        site.path = sitePath(from, site.position);
        site.sampled = true;
    }
    return &site.path;
}

const SitePath* RecordPaths::distance(int record) const
{
    const int index = siteOf(record);
    return index < 0 ? nullptr : &places[size_t(index)].path;
}

void RecordPaths::markDistances(QList<SeasonRecord>& records) const
{
    for (int row = 0; row < records.size(); ++row) {
        const SitePath* recordPath = distance(row);
        records[row].km = recordPath ? recordPath->km : -1;
    }
}

void RecordPaths::setMoment(const QDateTime& utc)
{
    sun = sunAt(utc);
    lights.assign(places.size(), -1);
}

std::optional<PathLight> RecordPaths::light(int record) const
{
    const int index = siteOf(record);
    if (index < 0 || !sun)
        return std::nullopt;
    signed char& known = lights[size_t(index)];
    if (known < 0)
        known = static_cast<signed char>(pathLight(*path(record), *sun));
    return PathLight(known);
}

QString pathFieldText(const RecordPaths& paths, int record, PathField field)
{
    const SitePath* path = paths.distance(record);
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
    const SitePath* path = paths.distance(record);
    if (!path)
        return INT_MAX;
    if (field == PathField::Km)
        return path->km;
    if (field == PathField::Bearing)
        return path->bearing;
    const std::optional<PathLight> light = paths.light(record);
    if (!light)
        return INT_MAX;
    return *light == PathLight::Night ? 0 : *light == PathLight::Mixed ? 1 : 2;
}
