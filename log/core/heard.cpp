// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/core/heard.h"

#include "geo/core/geoposition.h"
#include "geo/core/recordpaths.h"
#include "season/core/codenames.h"
#include "season/core/onair.h"

namespace {

QString modeOf(const SeasonRecord& record)
{
    if (record.times.days.mode == QLatin1String("3"))
        return QStringLiteral("USB");
    if (record.times.days.mode == QLatin1String("4"))
        return QStringLiteral("LSB");
    return QStringLiteral("AM");
}

QDateTime toTheMinute(const QDateTime& utc)
{
    const QDateTime moment = utc.toUTC();
    return QDateTime(moment.date(), QTime(moment.time().hour(), moment.time().minute()), Qt::UTC);
}

} // namespace

Reception receptionOf(const SeasonRecord& record, const QDateTime& utc, const QString& listenerLocation)
{
    Reception r;
    r.start = toTheMinute(utc);
    r.khz = record.khz;
    r.mode = modeOf(record);
    r.station = record.field(StationField).toString();
    r.language = record.field(LanguageField).toString();
    r.target = record.field(TargetField).toString();
    r.country = record.field(CountryField).toString();
    const QString site = CodeNames().site(record.field(SiteField).toString(), r.country);
    r.site = site.isEmpty() ? record.field(SiteField).toString() : site;
    const std::optional<GeoPosition> listener = readLocation(listenerLocation).position;
    if (listenerLocation.trimmed().isEmpty() || !listener)
        return r;
    r.listener = listenerLocation.trimmed();
    RecordPaths paths({record}, SitePositions(), *listener);
    paths.setMoment(r.start);
    if (const SitePath* path = paths.path(0)) {
        r.km = path->km;
        r.bearing = path->bearing;
        r.path = pathLightName(*paths.light(0));
    }
    return r;
}

QList<int> onAirAt(const QList<SeasonRecord>& records, double khz, const QDateTime& utc)
{
    QList<int> found;
    const AirMoment moment = airMoment(utc);
    for (int row = 0; row < records.size(); ++row) {
        if (qAbs(records.at(row).khz - khz) <= 0.5 && onAir(records.at(row), moment))
            found.append(row);
    }
    return found;
}
