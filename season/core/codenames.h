// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>

// A row of the transmitter-site table with the country whose rows hold it.
struct SiteRow
{
    QString country;
    QString code;
    QString text;
};

// The transmitter-site table's rows, in table order, each with its country.
QList<SiteRow> transmitterSiteRows();

// A season file's site field: "k" (site k in the broadcast's own country), "/OMA-a" (site a in
// Oman), or "/UAE" and an empty field (a site of that country, no code given).
struct SiteRemark
{
    QStringView country;
    QStringView code; // empty where none is given
};
SiteRemark readSiteRemark(QStringView remarks, QStringView country);
// The key of a site table row: its country and code.
QString siteKey(QStringView country, QStringView code);

// Names for the codes a season file uses, from the program's code tables.
class CodeNames
{
public:
    CodeNames();

    QString language(const QString& code) const;
    QString country(const QString& code) const;
    QString target(const QString& code) const;
    // A season file's site: "k" (a site in the broadcast's own country), "/OMA-a" (site a in
    // Oman) or "/UAE" (somewhere in the United Arab Emirates); empty when unknown.
    QString site(const QString& remarks, const QString& country) const;

private:
    QHash<QString, QString> languages;
    QHash<QString, QString> countries;
    QHash<QString, QString> transmitterCountries;
    QHash<QString, QString> targets;
    QHash<QString, QString> sites; // "country code" -> site
};
