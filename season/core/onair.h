// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "season/core/seasonrecord.h"

#include <QDate>
#include <QDateTime>
#include <QSet>

// A UTC moment taken apart once, so that many records are checked against it quickly.
struct AirMoment
{
    int minute = 0;            // of the day
    int weekday = 0;           // 0 Monday ... 6 Sunday
    int monthDay = 0;          // month * 100 + day
    int weekdayBefore = 0;     // of the day before
    int monthDayBefore = 0;
};

AirMoment airMoment(const QDateTime& utc);

// True when the times put a broadcast on the air at the moment. Days name the day a broadcast
// starts, so after midnight a range that crosses it asks about the day before.
bool timesOnAir(const AirTimes& times, const AirMoment& moment);

// True when the moment's day lies within the record's start and stop dates (month and day in
// the moment's year; a start later in the year than the stop crosses New Year).
bool withinDates(const SeasonRecord& record, int monthDay);

// True when the record is on the air at the moment; an inactive record never is.
bool onAir(const SeasonRecord& record, const AirMoment& moment);
bool onAir(const SeasonRecord& record, const QDateTime& utc);

// Minutes until the broadcast on the air at the moment ends; -1 when it is not on the air.
int minutesLeft(const SeasonRecord& record, const QDateTime& utc);

// Minutes until the record next goes on the air, when that is within the given minutes; else -1.
int minutesToStart(const SeasonRecord& record, const QDateTime& utc, int within);

// True when a schedule table row with this time range and days field is on the air.
bool scheduleRowOnAir(QStringView time, QStringView days, const QDateTime& utc);

// The guide's status of a record at the moment: "inactive", or "on air (25 min left)" or
// "starts in 40 min", followed by ", irregular" when its days cannot be read; else empty.
QString statusText(const SeasonRecord& record, const QDateTime& utc);

// The schedule lines (nine fields joined by ";") of the file's inactive records that no active
// record of the file converts to as well.
QSet<QString> inactiveOnlyLines(const QList<SeasonRecord>& records);
