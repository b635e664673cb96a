// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

class QCommandLineParser;

// --record KHZ (with --at, --for, --mode, --recorder gqrx|sound) and --recordings
void addRecordOptions(QCommandLineParser& parser);

// A bare --recorder, with no value after it, runs the plan; it is taken out of the arguments
// before they are parsed, as --recorder gqrx|sound takes a value. True when it was there.
bool takeRunRecorder(QStringList* arguments);

// --record: adds a recording to the plan, at --at for --for minutes, or the next broadcast on
// the frequency in the season file. Returns the exit status.
int addRecording(const QCommandLineParser& parser, const QString& seasonPath);
// --recordings: the planned recordings, then the past ones, one a line
int printRecordings();
// --recorder: runs the plan in the foreground until SIGINT or SIGTERM, which ends a recording
// under way cleanly; a line on standard output as each recording starts and ends
int runRecorder();
