// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recordings/core/recordingplan.h"

#include <QString>

// The plan is one file, recordings.json in Ledra's data folder (organization Morvath,
// application Ledra), shared by the window and ledra-sked; the recordings go in its
// recordings/ folder.
QString planPath();
QString recordingsFolder();

// The stored plan; a missing file is an empty plan. problem says why a file could not be read.
RecordingPlan readPlan(QString* problem);
// Writes the plan whole; the system's reason when it fails, else the empty text.
QString writePlan(const RecordingPlan& plan);

// The take stored in place of the one of the same entry and broadcast, or added.
QString storeTake(const Take& take);

// A free path for the file name in the recordings folder ("...-2.wav" when the name is taken).
QString freeRecordingPath(const QString& fileName);
