// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "season/core/seasonfilter.h"
#include "season/core/seasonrecord.h"

#include <QDateTime>
#include <QList>

class QCommandLineParser;

// --heard, --sinpo, --note, --log, --log-export and --log-import
void addLogOptions(QCommandLineParser& parser);

// True when the options ask for the log itself (--log, --log-export, --log-import), which needs
// no season file.
bool asksForLog(const QCommandLineParser& parser);
// Prints the log or its export, or imports a file into it: 0 when done, 1 when the log cannot
// be opened or written, 2 for a bad option value.
int runLogCommand(const QCommandLineParser& parser);

// --heard KHZ: logs the one broadcast on the air on that frequency at the moment among the
// records that pass the filter (--find, --language... narrow it); refuses, listing them, when
// none or several are.
int logHeard(const QCommandLineParser& parser, const QList<SeasonRecord>& records, const SeasonFilter& filter,
             const QDateTime& moment);
