// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/core/sitepositions.h"

#include "season/core/codenames.h"

namespace {

// longer than any site code: the row of a country's main site
bool isMainSiteRow(const QString& code)
{
    return code.size() > 2;
}

std::optional<GeoPosition> found(const QHash<QString, GeoPosition>& positions, const QString& key)
{
    const auto at = positions.constFind(key);
    return at == positions.cend() ? std::nullopt : std::optional<GeoPosition>(*at);
}

} // namespace

QString siteRowText(const QString& code, const QString& text)
{
    return isMainSiteRow(code) ? code + QLatin1Char('\t') + text : text;
}

SitePositions::SitePositions()
{
    for (const SiteRow& row : transmitterSiteRows()) {
        const std::optional<GeoPosition> position = sitePosition(siteRowText(row.code, row.text));
        QHash<QString, GeoPosition>& positions = isMainSiteRow(row.code) ? mainSites : sites;
        const QString key = isMainSiteRow(row.code) ? row.country : siteKey(row.country, row.code);
        // a code given twice is named after its last row, as CodeNames names it
        if (position)
            positions.insert(key, *position);
        else
            positions.remove(key);
    }
}

std::optional<GeoPosition> SitePositions::of(QStringView remarks, QStringView country) const
{
    const SiteRemark site = readSiteRemark(remarks, country);
    return site.code.isEmpty() ? found(mainSites, site.country.toString()) : found(sites, siteKey(site.country, site.code));
}
