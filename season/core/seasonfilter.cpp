// SPDX-License-Identifier: GPL-3.0-or-later
#include "season/core/seasonfilter.h"

const QList<Band>& bands()
{
    static const QList<Band> list{
        {QStringLiteral("LW"), {148.5, 283.5}},     {QStringLiteral("MW"), {520, 1710}},
        {QStringLiteral("120m"), {2300, 2495}},     {QStringLiteral("90m"), {3200, 3400}},
        {QStringLiteral("75m"), {3900, 4000}},      {QStringLiteral("60m"), {4750, 5060}},
        {QStringLiteral("49m"), {5900, 6200}},      {QStringLiteral("41m"), {7200, 7450}},
        {QStringLiteral("31m"), {9400, 9900}},      {QStringLiteral("25m"), {11600, 12100}},
        {QStringLiteral("22m"), {13570, 13870}},    {QStringLiteral("19m"), {15100, 15800}},
        {QStringLiteral("16m"), {17480, 17900}},    {QStringLiteral("15m"), {18900, 19020}},
        {QStringLiteral("13m"), {21450, 21850}},    {QStringLiteral("11m"), {25670, 26100}},
    };
    return list;
}

QString bandOf(double khz)
{
    for (const Band& band : bands()) {
        if (band.range.low <= khz && khz <= band.range.high)
            return band.name;
    }
    return QString();
}

bool bandNamed(const QString& name, KhzRange& range)
{
    for (const Band& band : bands()) {
        if (band.name == name) {
            range = band.range;
            return true;
        }
    }
    return false;
}

bool matches(const SeasonRecord& record, const SeasonFilter& filter)
{
    for (const KhzRange& range : filter.ranges) {
        if (record.khz < range.low || record.khz > range.high)
            return false;
    }
    if (!filter.country.isEmpty() && record.field(CountryField) != filter.country)
        return false;
    if (!filter.target.isEmpty() && record.field(TargetField) != filter.target)
        return false;
    if (!filter.language.isEmpty() && !record.hasLanguage(filter.language))
        return false;
    if (!filter.foldedFind.isEmpty() && !record.foldedStation().contains(filter.foldedFind))
        return false;
    if (filter.withinKm > 0 && (record.km < 0 || record.km > filter.withinKm))
        return false;
    return !filter.atMoment || onAir(record, filter.moment);
}
