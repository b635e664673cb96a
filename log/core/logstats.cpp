// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/core/logstats.h"

#include <QSet>

HeardCounts heardCounts(const QList<Reception>& receptions)
{
    QSet<QString> stations;
    QSet<QString> countries;
    QSet<QString> languages;
    for (const Reception& reception : receptions) {
        stations.insert(reception.station);
        if (!reception.country.isEmpty())
            countries.insert(reception.country);
        for (const QString& code : reception.language.split(QLatin1Char(','), Qt::SkipEmptyParts))
            languages.insert(code.trimmed());
    }
    return {int(receptions.size()), int(stations.size()), int(countries.size()), int(languages.size())};
}

namespace {

QString counted(int count, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(count).arg(QLatin1String(count == 1 ? one : many));
}

} // namespace

QString heardCountsText(const HeardCounts& counts)
{
    return QStringLiteral("%1 of %2 from %3 in %4")
        .arg(counted(counts.receptions, "reception", "receptions"), counted(counts.stations, "station", "stations"),
             counted(counts.countries, "country", "countries"), counted(counts.languages, "language", "languages"));
}

QString heardBeforeText(const QList<Reception>& receptions, const QString& station, double khz)
{
    int times = 0;
    const Reception* last = nullptr;
    for (const Reception& reception : receptions) {
        if (reception.station != station || qAbs(reception.khz - khz) > 0.5)
            continue;
        ++times;
        if (!last || reception.start >= last->start)
            last = &reception;
    }
    if (!last)
        return QString();
    QString text = QStringLiteral("Heard %1, last %2 UTC")
                       .arg(times == 1 ? QStringLiteral("once") : QStringLiteral("%1 times").arg(times),
                            logMomentText(last->start));
    if (!last->sinpo.isEmpty())
        text += QStringLiteral(", SINPO ") + last->sinpo;
    return text;
}
