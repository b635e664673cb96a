// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geo/core/recordpaths.h"
#include "season/core/seasonrecord.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QStringView>

// What ledra-sked prints: the records of a season file that matched its options.
struct SkedOutput
{
    const QList<SeasonRecord>& records; // the whole file
    QList<int> matched;                 // the records to print, in file order
    QDateTime moment;                   // the status moment: --at, or now
    const RecordPaths& paths;           // from --from, with their light at the moment
};

// One --format: its name and the function that writes the whole output for it, and may add
// to the count line after the number printed.
struct SkedFormat
{
    const char* name;
    QByteArray (*write)(const SkedOutput& output, QString& counts);
    bool roundsKhz; // the count line then says how many frequencies were rounded to whole kHz
};

// Every format, the default first.
const QList<SkedFormat>& skedFormats();
const SkedFormat* skedFormatNamed(QStringView name);
