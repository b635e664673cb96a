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

struct SdrFormat;

// One --format: its name and what writes the whole output for it, which may add to the count
// line after the number printed: its own function, or an SDR program's bookmarks.
struct SkedFormat
{
    QString name;
    QByteArray (*write)(const SkedOutput& output, QString& counts);
    bool roundsKhz; // the count line then says how many frequencies were rounded to whole kHz
    const SdrFormat* bookmarks = nullptr;
};
QByteArray writeSkedOutput(const SkedFormat& format, const SkedOutput& output, QString& counts);

// Every format, the default first, then each SDR program's.
const QList<SkedFormat>& skedFormats();
const SkedFormat* skedFormatNamed(QStringView name);
