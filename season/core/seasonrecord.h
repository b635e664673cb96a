// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "season/core/seasonfields.h"

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
