// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/core/reception.h"
#include "season/core/seasonrecord.h"

#include <QDateTime>
#include <QList>
#include <QString>

// A reception of the season file's broadcast at the moment (to the minute), as far as Ledra knows
// it: the record's fields, the site named, the mode of a USB or LSB item (else AM) and, when
// listenerLocation is a location, the distance, bearing and light of the path at that moment.
Reception receptionOf(const SeasonRecord& record, const QDateTime& utc, const QString& listenerLocation);

// The records on the air at the moment within half a kHz of the frequency.
QList<int> onAirAt(const QList<SeasonRecord>& records, double khz, const QDateTime& utc);
