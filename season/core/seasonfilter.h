// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "season/core/onair.h"
#include "season/core/seasonrecord.h"

#include <QList>
#include <QString>

// An inclusive range of kHz, compared with the unrounded frequency.
struct KhzRange
{
    double low = 0;
    double high = 0;
};

struct Band
{
    QString name;
    KhzRange range;
};

// The broadcast bands, lowest first.
const QList<Band>& bands();

// The band that holds the frequency, or the empty text.
QString bandOf(double khz);

// The band of this name; false when there is none.
bool bandNamed(const QString& name, KhzRange& range);

// What a listener asks of a season file; every part that is set must match.
struct SeasonFilter
{
    bool atMoment = false;
    AirMoment moment;          // only when atMoment
    QList<KhzRange> ranges;
    QString language;          // one of the record's comma-separated codes
    QString target;
    QString country;
    QString foldedFind;        // case-folded part of the station name
    int withinKm = 0;          // only sites known to lie this near; 0 for any distance
};

bool matches(const SeasonRecord& record, const SeasonFilter& filter);
