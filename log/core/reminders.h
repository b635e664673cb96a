// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/core/receptionlog.h"
#include "season/core/seasonrecord.h"

#include <QDateTime>
#include <QList>

// A favourite broadcast about to come on the air.
struct DueReminder
{
    int record = 0;            // in the season file
    QDateTime start;           // when it comes on, UTC
    QDateTime remindAt;        // start less the lead time
};

// The reminders whose moment lies after from and no later than until: each start of a record
// of a favourite station on its frequency (within half a kHz) by the season file's rules (the
// days it starts on, across midnight, its start and stop dates), less leadMinutes. A broadcast
// on the air the minute before its start time (one that runs all day) does not come on then.
// Ordered by reminder moment, then record.
QList<DueReminder> dueReminders(const QList<SeasonRecord>& records, const QList<Favourite>& favourites,
                                const QDateTime& from, const QDateTime& until, int leadMinutes);

// A favourite of this station and frequency
bool isFavouriteRecord(const SeasonRecord& record, const QList<Favourite>& favourites);
