// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Reads ledra's command line. --help, --version and a wrong option print their text and end the
// program here; otherwise returns the schedule file named, made absolute, or an empty text.
QString scheduleFileFromCommandLine(const QStringList& arguments);
