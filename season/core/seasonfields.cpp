// SPDX-License-Identifier: GPL-3.0-or-later
#include "season/core/seasonfields.h"

namespace {

const char* const dayNames[] = {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"};
const char* const monthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                  "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

int digitsValue(QStringView digits)
{
    int value = 0;
    for (QChar c : digits)
        value = value * 10 + (c.unicode() - '0');
    return value;
}

bool isDigits(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

// Minutes of the day from "HHMM"; -1 when unreadable. 2400 is allowed here, the caller decides.
int minutesOf(QStringView hhmm)
{
    if (hhmm.size() != 4)
        return -1;
    int digits[4];
    for (int at = 0; at < 4; ++at) {
        const char16_t c = hhmm[at].unicode();
        if (c < '0' || c > '9')
            return -1;
        digits[at] = c - '0';
    }
    const int hours = digits[0] * 10 + digits[1];
    const int minutes = digits[2] * 10 + digits[3];
    if (minutes > 59 || hours > 24 || (hours == 24 && minutes != 0))
        return -1;
    return hours * 60 + minutes;
}

int dayIndex(QStringView name)
{
    if (name.size() != 2)
        return -1;
    for (int day = 0; day < 7; ++day) {
        if (name.at(0) == QLatin1Char(dayNames[day][0]) && name.at(1) == QLatin1Char(dayNames[day][1]))
            return day;
    }
    return -1;
}

// month * 100 + day when it is a day of some year (29 February included), else impossibleDate
int validDate(int month, int day)
{
    // the days of each month in a leap year
    static const int monthDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month >= 1 && month <= 12 && day >= 1 && day <= monthDays[month - 1] ? month * 100 + day : impossibleDate;
}

// "12Apr" as month * 100 + day, or -1 when the item is no date
int dateItem(QStringView item)
{
    if (item.size() < 4 || item.size() > 5)
        return -1;
    const QStringView digits = item.left(item.size() - 3);
    if (!isDigits(digits))
        return -1;
    for (int month = 0; month < 12; ++month) {
        if (item.right(3) == QLatin1String(monthNames[month])) {
            const int date = validDate(month + 1, digitsValue(digits));
            return date == impossibleDate ? -1 : date;
        }
    }
    return -1;
}

// Adds one days item to the rule; false when the item is none of the forms the rules read.
bool addDaysItem(QStringView item, DayRule& rule)
{
    if (item == QLatin1String("USB") || item == QLatin1String("LSB")) {
        rule.weekdays = everyDay;
        rule.mode = item == QLatin1String("USB") ? QStringLiteral("3") : QStringLiteral("4");
        return true;
    }
    if (isDigits(item)) {
        for (QChar c : item) {
            if (c < QLatin1Char('1') || c > QLatin1Char('7'))
                return false;
            rule.weekdays |= quint8(1u << (c.unicode() - '1'));
        }
        return true;
    }
    if (item.size() == 5 && item.at(2) == QLatin1Char('-')) {
        const int first = dayIndex(item.left(2));
        const int last = dayIndex(item.mid(3));
        if (first < 0 || last < 0)
            return false;
        for (int day = first;; day = (day + 1) % 7) {
            rule.weekdays |= quint8(1u << day);
            if (day == last)
                break;
        }
        return true;
    }
    const int date = dateItem(item);
    if (date > 0) {
        rule.dates.append(date);
        return true;
    }
    if (item.isEmpty() || item.size() % 2 != 0)
        return false;
    quint8 run = 0;
    for (int at = 0; at < item.size(); at += 2) {
        const int day = dayIndex(item.mid(at, 2));
        if (day < 0)
            return false;
        run |= quint8(1u << day);
    }
    rule.weekdays |= run;
    return true;
}

QStringView withoutTag(QStringView text)
{
    const qsizetype bracket = text.indexOf(QLatin1Char('['));
    return trimmedField(bracket < 0 ? text : text.left(bracket));
}

} // namespace

bool parseTimeRange(QStringView text, AirTimes& times)
{
    const QStringView range = trimmedField(text);
    if (range.size() != 9 || range.at(4) != QLatin1Char('-'))
        return false;
    const int start = minutesOf(range.left(4));
    const int end = minutesOf(range.mid(5));
    if (start < 0 || start >= 24 * 60 || end < 0)
        return false;
    times.start = start;
    times.end = end;
    return true;
}

DayRule parseDays(QStringView text)
{
    DayRule rule;
    const QStringView days = trimmedField(text);
    if (days.isEmpty()) {
        rule.weekdays = everyDay;
        return rule;
    }
    // one item, as nearly always, needs no tokenizer
    if (!days.contains(QLatin1Char(','))) {
        rule.irregular = !addDaysItem(days, rule);
        return rule;
    }
    for (QStringView item : days.tokenize(QLatin1Char(','))) {
        if (!addDaysItem(trimmedField(item), rule))
            rule.irregular = true;
    }
    return rule;
}

int parseDayMonth(QStringView text)
{
    // most records give no date
    if (text.isEmpty())
        return noDate;
    const QStringView date = withoutTag(text);
    if (date.isEmpty())
        return noDate;
    if (date.size() != 4 || !isDigits(date))
        return impossibleDate;
    return validDate(digitsValue(date.mid(2)), digitsValue(date.left(2)));
}
