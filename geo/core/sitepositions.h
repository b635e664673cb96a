// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geo/core/geoposition.h"

#include <QHash>
#include <QString>
#include <QStringView>

#include <optional>

// A site table row's whole text. A country with one main site has a row whose code column holds
// the site's name and the first half of its position ("Moosbrunn 48N00<TAB>16E28"), and whose
// text may go on in the next rows ("Issoudun 46N56<TAB>01E54 except:").
QString siteRowText(const QString& code, const QString& text);

// Where the transmitter sites of the code tables are.
class SitePositions
{
public:
    SitePositions();

    // A season file's site field as CodeNames::site() reads it: "k" (in the broadcast's own
    // country), "/OMA-a" (site a in Oman); "/UAE" or an empty field give the country's main site.
    std::optional<GeoPosition> of(QStringView remarks, QStringView country) const;

private:
    QHash<QString, GeoPosition> sites;       // "country code"
    QHash<QString, GeoPosition> mainSites;   // country
};
