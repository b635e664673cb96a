// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "season/core/seasonfilter.h"
#include "season/core/seasonrecord.h"

#include <QDateTime>
#include <QList>

class QCommandLineParser;

// --map FILE.png and --size WxH
void addMapOptions(QCommandLineParser& parser);

// Paints the map of the records the filter lets through into the --map file, for the moment,
// by running ledra-map, whose messages go to standard error. With --map, --at names the moment
// of the map and only --on-air keeps to what is on the air then. Returns the exit status.
int writeMap(const QCommandLineParser& parser, const QList<SeasonRecord>& records, SeasonFilter filter,
             const QDateTime& moment);
