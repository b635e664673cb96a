// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// A season schedule is a CSV file published each season, a header line and then one broadcast a
// line, eleven fields each followed by ";" (the last ";" is sometimes missing):
//   kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;Remarks:135;P:35;Start:60;Stop:60;
//   11700;1200-1230;Mo-Fr;ROU;Radio Romania Int.;E;ME;g;1;0111;2802[0124];
enum SeasonField { KhzField, TimeField, DaysField, CountryField, StationField, LanguageField,
                   TargetField, SiteField, PersistenceField, StartField, StopField, seasonFieldCount };

// The days a broadcast starts on, as the days field names them.
struct DayRule
{
    quint8 weekdays = 0;       // bit 0 Monday ... bit 6 Sunday
    QList<int> dates;          // month * 100 + day
    bool irregular = false;    // days the rules cannot read never hide a broadcast
    QString mode;              // "3" for a USB item, "4" for LSB, else empty
};

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

// Where a field lies in its line.
struct FieldSpan
{
    int from = 0;
    int size = 0;
};

struct SeasonRecord
{
    // The whole decoded file, and the case-folded station names of all its records (each
    // followed by a line feed, in file order), each shared by every record of the file: a
    // record keeps only where its parts lie in them.
    QString text;
    QString foldedStations;
    FieldSpan lineSpan;
    FieldSpan spans[seasonFieldCount];
    FieldSpan foldedSpan;
    double khz = 0;
    AirTimes times;
    int startDate = noDate;
    int stopDate = noDate;
    bool inactive = false;     // persistence code 8: kept for reference, not broadcast
    int km = -1;               // from the listener's location to the site; -1 where unknown

    // the record as written
    QStringView line() const { return QStringView(text).mid(lineSpan.from, lineSpan.size); }
    QStringView field(SeasonField which) const { return QStringView(text).mid(spans[which].from, spans[which].size); }
    // the station name case-folded once, for finding
    QStringView foldedStation() const { return QStringView(foldedStations).mid(foldedSpan.from, foldedSpan.size); }
    // the comma-separated codes of the language field
    QList<QStringView> languages() const { return field(LanguageField).split(QLatin1Char(',')); }
    bool hasLanguage(QStringView code) const;
};

struct SeasonFile
{
    bool recognised = false;   // the first line begins with "kHz:"
    QList<SeasonRecord> records;
    QStringList warnings;      // "line 12: ..." for each skipped record and impossible date
    int skipped = 0;
    int impossibleDates = 0;
};

// Reads "HHMM-HHMM" ("2400" only as an end) into times; false when the text is no such range.
bool parseTimeRange(QStringView text, AirTimes& times);

// Reads a days field: items separated by ",", each a range "Mo-Fr" (wrapping "We-Mo"), a run
// "SaSu", digits 1 to 7 with 1 = Monday, a date "12Apr", or "USB"/"LSB" (daily, with the mode).
// Anything else makes the rule irregular.
DayRule parseDays(QStringView text);

// Reads a start or stop field "DDMM", ignoring a bracketed last-heard tag ("2802[0124]", "[0125]").
int parseDayMonth(QStringView text);

// Reads a whole season file; the text is UTF-8 when valid, else Windows-1252; CR LF or LF.
SeasonFile parseSeasonFile(const QByteArray& bytes);

// The frequency rounded half up to whole kHz, as the schedule keeps it.
QString roundedKhz(double khz);
bool isWholeKhz(double khz);

// The nine fields of a schedule line: rounded frequency, time, days, country, station,
// language, target, site, and the mode of a USB or LSB days item.
QStringList scheduleFields(const SeasonRecord& record);

// Why a file is refused as a season schedule.
QString notSeasonScheduleText(const QString& path);
