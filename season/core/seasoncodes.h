// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "season/core/seasonrecord.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringView>

// The distinct codes and bands a season's records use, for its filter boxes. The codes are
// views into the records' texts.
struct SeasonCodes
{
    QSet<QStringView> languages; // each of a record's comma-separated codes
    QSet<QStringView> targets;
    QSet<QStringView> countries;
    QSet<QString> bands;
};

SeasonCodes seasonCodes(const QList<SeasonRecord>& records);
