// SPDX-License-Identifier: GPL-3.0-or-later
#include "season/core/codenames.h"

#include "codetables/core/codetable.h"

#include <QFile>
#include <QTextStream>

namespace {

QHash<QString, QString> namesOf(const QString& path)
{
    QHash<QString, QString> names;
    for (const CodeRow& row : readCodeTable(path)) {
        if (!row.code.isEmpty() && !names.contains(row.code))
            names.insert(row.code, row.text);
    }
    return names;
}

QHash<QString, QString> siteNames()
{
    QHash<QString, QString> names;
    for (const SiteRow& row : transmitterSiteRows())
        names.insert(siteKey(row.country, row.code), row.text);
    return names;
}

} // namespace

SiteRemark readSiteRemark(QStringView remarks, QStringView country)
{
    if (!remarks.startsWith(QLatin1Char('/')))
        return {country, remarks};
    const qsizetype dash = remarks.indexOf(QLatin1Char('-'));
    if (dash < 0)
        return {remarks.mid(1), QStringView()};
    return {remarks.mid(1, dash - 1), remarks.mid(dash + 1)};
}

QString siteKey(QStringView country, QStringView code)
{
    return country.toString().append(QLatin1Char(' ')).append(code);
}

// The site table's rows run country after country; the country table gives each one's rows.
QList<SiteRow> transmitterSiteRows()
{
    const QList<CodeRow> rows = readCodeTable(QStringLiteral(":/codetables/tx.tsv"));
    QList<SiteRow> sites;
    QFile file(QStringLiteral(":/season/sitecountries.tsv"));
    if (!file.open(QIODevice::ReadOnly))
        return sites;
    QTextStream in(&file);
    in.readLine(); // column names
    while (!in.atEnd()) {
        const QStringList parts = in.readLine().split(QLatin1Char('\t'));
        if (parts.size() != 3)
            continue;
        for (int position = parts.at(1).toInt(); position <= parts.at(2).toInt() && position < rows.size(); ++position)
            sites.append({parts.at(0), rows.at(position).code, rows.at(position).text});
    }
    return sites;
}

CodeNames::CodeNames()
    : languages(namesOf(QStringLiteral(":/codetables/lang.tsv")))
    , countries(namesOf(QStringLiteral(":/codetables/from.tsv")))
    , transmitterCountries(namesOf(QStringLiteral(":/codetables/foreign.tsv")))
    , targets(namesOf(QStringLiteral(":/codetables/to.tsv")))
    , sites(siteNames())
{
}

QString CodeNames::language(const QString& code) const
{
    return languages.value(code);
}

QString CodeNames::country(const QString& code) const
{
    return countries.value(code);
}

QString CodeNames::target(const QString& code) const
{
    return targets.value(code);
}

QString CodeNames::site(const QString& remarks, const QString& country) const
{
    if (remarks.isEmpty())
        return QString();
    const SiteRemark site = readSiteRemark(remarks, country);
    if (site.code.isEmpty()) {
        const QString abroad = site.country.toString();
        return transmitterCountries.value(abroad, countries.value(abroad));
    }
    return sites.value(siteKey(site.country, site.code));
}
