#include "onair.h"

#include <QTime>

namespace {

const int dayMinutes = 24 * 60;

int minuteOfDay(const QDateTime& utc)
{
    const QTime time = utc.time();
    return time.hour() * 60 + time.minute();
}

int monthDay(QDate date)
{
    return date.month() * 100 + date.day();
}

bool isLimit(int date)
{
    return date > 0;
}

} // namespace

bool daysAllow(const DayRule& days, QDate date)
{
    return days.irregular || (days.weekdays & (1u << (date.dayOfWeek() - 1)))
           || days.dates.contains(monthDay(date));
}

bool timesOnAir(const AirTimes& times, const QDateTime& utc)
{
    const int minute = minuteOfDay(utc);
    const QDate date = utc.date();
    if (times.start < times.end)
        return times.start <= minute && minute < times.end && daysAllow(times.days, date);
    if (times.start > times.end) {
        return (minute >= times.start && daysAllow(times.days, date))
               || (minute < times.end && daysAllow(times.days, date.addDays(-1)));
    }
    return daysAllow(times.days, date);
}

bool withinDates(const SeasonRecord& record, QDate date)
{
    const int day = monthDay(date);
    const bool fromStart = !isLimit(record.startDate) || day >= record.startDate;
    const bool toStop = !isLimit(record.stopDate) || day <= record.stopDate;
    if (isLimit(record.startDate) && isLimit(record.stopDate) && record.startDate > record.stopDate)
        return fromStart || toStop;
    return fromStart && toStop;
}

bool onAir(const SeasonRecord& record, const QDateTime& utc)
{
    return !record.inactive && withinDates(record, utc.date()) && timesOnAir(record.times, utc);
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
    return timesOnAir(times, utc);
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
