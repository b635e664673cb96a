// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// The time, days and date fields of a season schedule's records, read one at a time.

// The days a broadcast starts on, as the days field names them.
struct DayRule
{
    quint8 weekdays = 0;       // bit 0 Monday ... bit 6 Sunday
    QList<int> dates;          // month * 100 + day
    bool irregular = false;    // days the rules cannot read never hide a broadcast
    QString mode;              // "3" for a USB item, "4" for LSB, else empty
};
const quint8 everyDay = 0x7f;

// When a broadcast is on the air: minutes of the day (end 1440 for "2400") and its days.
struct AirTimes
{
    int start = 0;
    int end = 0;
    DayRule days;
};

// A date limit as month * 100 + day; noDate where the field gives none, impossibleDate where
// it names no day of any year.
const int noDate = -1;
const int impossibleDate = -2;

// trimmed(), without a call where neither end is white space, as nearly always
inline QStringView trimmedField(QStringView text)
{
    // printable ASCII at both ends, as nearly always, is no white space
    const auto plain = [](QChar c) { return c.unicode() > 0x20 && c.unicode() < 0x7f; };
    if (text.isEmpty() || (plain(text.front()) && plain(text.back())))
        return text;
    return text.trimmed();
}

// Reads "HHMM-HHMM" ("2400" only as an end) into times; false when the text is no such range.
bool parseTimeRange(QStringView text, AirTimes& times);

// Reads a days field: items separated by ",", each a range "Mo-Fr" (wrapping "We-Mo"), a run
// "SaSu", digits 1 to 7 with 1 = Monday, a date "12Apr", or "USB"/"LSB" (daily, with the mode).
// Anything else makes the rule irregular.
DayRule parseDays(QStringView text);

// Reads a start or stop field "DDMM", ignoring a bracketed last-heard tag ("2802[0124]", "[0125]").
int parseDayMonth(QStringView text);
