// SPDX-License-Identifier: GPL-3.0-or-later
#include "season/core/onair.h"

#include "schedule/core/scheduleformat.h"

#include <QTime>

#include <cmath>

namespace {

const int dayMinutes = 24 * 60;

int minuteOfDay(const QDateTime& utc)
{
    const QTime time = utc.time();
    return time.hour() * 60 + time.minute();
}

int monthDayOf(QDate date)
{
    return date.month() * 100 + date.day();
}

bool isLimit(int date)
{
    return date > 0;
}

bool daysAllow(const DayRule& days, int weekday, int monthDay)
{
    return days.irregular || (days.weekdays & (1u << weekday)) || days.dates.contains(monthDay);
}

} // namespace

AirMoment airMoment(const QDateTime& utc)
{
    const QDate date = utc.date();
    const QDate before = date.addDays(-1);
    return {minuteOfDay(utc), date.dayOfWeek() - 1, monthDayOf(date), before.dayOfWeek() - 1, monthDayOf(before)};
}

bool timesOnAir(const AirTimes& times, const AirMoment& moment)
{
    const int minute = moment.minute;
    const bool today = daysAllow(times.days, moment.weekday, moment.monthDay);
    if (times.start < times.end)
        return times.start <= minute && minute < times.end && today;
    if (times.start > times.end) {
        return (minute >= times.start && today)
               || (minute < times.end && daysAllow(times.days, moment.weekdayBefore, moment.monthDayBefore));
    }
    return today;
}

bool withinDates(const SeasonRecord& record, int monthDay)
{
    const bool fromStart = !isLimit(record.startDate) || monthDay >= record.startDate;
    const bool toStop = !isLimit(record.stopDate) || monthDay <= record.stopDate;
    if (isLimit(record.startDate) && isLimit(record.stopDate) && record.startDate > record.stopDate)
        return fromStart || toStop;
    return fromStart && toStop;
}

bool onAir(const SeasonRecord& record, const AirMoment& moment)
{
    return !record.inactive && withinDates(record, moment.monthDay) && timesOnAir(record.times, moment);
}

bool onAir(const SeasonRecord& record, const QDateTime& utc)
{
    return onAir(record, airMoment(utc));
}

int minutesLeft(const SeasonRecord& record, const QDateTime& utc)
{
    if (!onAir(record, utc))
        return -1;
    const int minute = minuteOfDay(utc);
    const AirTimes& times = record.times;
    if (times.start == times.end)
        return dayMinutes - minute;
    if (times.start > times.end && minute >= times.start)
        return times.end + dayMinutes - minute;
    return times.end - minute;
}

int minutesToStart(const SeasonRecord& record, const QDateTime& utc, int within)
{
    const int ahead = (record.times.start - minuteOfDay(utc) + dayMinutes) % dayMinutes;
    if (ahead == 0 || ahead > within)
        return -1;
    return onAir(record, utc.addSecs(ahead * 60)) ? ahead : -1;
}

bool scheduleRowOnAir(QStringView time, QStringView days, const QDateTime& utc)
{
    AirTimes times;
    if (!parseTimeRange(time, times))
        return false;
    times.days = parseDays(days);
    return timesOnAir(times, airMoment(utc));
}

QString statusText(const SeasonRecord& record, const QDateTime& utc)
{
    if (record.inactive)
        return QStringLiteral("inactive");
    QStringList parts;
    const int left = minutesLeft(record, utc);
    const int toStart = left < 0 ? minutesToStart(record, utc, 60) : -1;
    if (left >= 0)
        parts.append(QStringLiteral("on air (%1 min left)").arg(left));
    else if (toStart > 0)
        parts.append(QStringLiteral("starts in %1 min").arg(toStart));
    if (record.times.days.irregular)
        parts.append(QStringLiteral("irregular"));
    return parts.join(QStringLiteral(", "));
}

namespace {

// scheduleRowKey(scheduleFields(record)), from views of the record's fields
QString rowKeyOf(const SeasonRecord& record)
{
    const QString khz = roundedKhz(record.khz);
    return scheduleRowKey(ScheduleFields{khz, record.field(TimeField), record.field(DaysField),
                                         record.field(CountryField), record.field(StationField),
                                         record.field(LanguageField), record.field(TargetField),
                                         record.field(SiteField), record.times.days.mode});
}

} // namespace

QSet<QString> inactiveOnlyLines(const QList<SeasonRecord>& records)
{
    // the whole kHz of roundedKhz, as a number
    const auto wholeKhz = [](const SeasonRecord& record) { return qint64(std::floor(record.khz + 0.5)); };
    QSet<QString> lines;
    QSet<qint64> inactiveKhz;
    for (const SeasonRecord& record : records) {
        if (record.inactive) {
            lines.insert(rowKeyOf(record));
            inactiveKhz.insert(wholeKhz(record));
        }
    }
    // only active records on an inactive one's frequency can share its line
    for (const SeasonRecord& record : records) {
        if (!record.inactive && !lines.isEmpty() && inactiveKhz.contains(wholeKhz(record)))
            lines.remove(rowKeyOf(record));
    }
    return lines;
}
