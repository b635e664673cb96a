// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/core/reception.h"

#include <QList>
#include <QString>

// How many different stations, countries and languages the receptions hold.
struct HeardCounts
{
    int receptions = 0;
    int stations = 0;
    int countries = 0;
    int languages = 0;         // each code of a field "E,F" counts
};
HeardCounts heardCounts(const QList<Reception>& receptions);
// "12 receptions of 7 stations from 5 countries in 4 languages"
QString heardCountsText(const HeardCounts& counts);

// "Heard 3 times, last 2026-11-02 02:05 UTC, SINPO 34433" for the receptions of this station
// on this frequency (within half a kHz); empty when it was never heard.
QString heardBeforeText(const QList<Reception>& receptions, const QString& station, double khz);
