// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QCommandLineParser;

// --update, --season-url and --timeout
void addSeasonOptions(QCommandLineParser& parser);

// ledra-sked --update: fetches the current season into the season folder and prints the kept
// file's path. 0 when it is current; 1 when the update failed but a copy is kept (its path
// printed); 2 for no copy at all or a bad option value.
int updateSeasonFile(const QCommandLineParser& parser);

// The season file to read when none is named: the newest kept one, or the empty text.
QString keptSeasonFileToRead();
