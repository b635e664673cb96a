// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractItemModel>
#include <QByteArray>
#include <QList>
#include <QStringView>
#include <QString>
#include <QStringList>

#include <array>

// One schedule line holds its fields, each followed by ";":
//   1110;0000-2359;;USA;KFAB Omaha, NE;E;NAm;;;
// nine fields in the Orvane file, the first eight (no Mode) in the Pelkin file.
const int orvaneColumns = 9;
const int pelkinColumns = 8;

// The most of a picked file's first line that is read to check its dialect.
const int firstLineLimit = 64 * 1024;

// The parts of a line split at every ";", empty ones kept, nothing trimmed, up to the ninth:
// the rest of the line is dropped. Returns how many parts there are.
using ScheduleFields = std::array<QStringView, orvaneColumns>;
int splitScheduleLine(QStringView line, ScheduleFields& fields);

// A schedule line of the first columns of the fields, each followed by ";", ending in LF.
QString scheduleLine(const QStringList& fields, int columns);
// The same line put at the end of text; field(column) gives each field's text.
template <typename Field> void appendScheduleLine(QString& text, int columns, const Field& field)
{
    for (int column = 0; column < columns; ++column)
        text.append(field(column)).append(QLatin1Char(';'));
    text.append(QLatin1Char('\n'));
}

// A schedule row's key: its nine fields joined by ";", alike for a row of the table and for a
// season record made a row, so that each finds the other.
QString scheduleRowKey(const QStringList& fields);
// The same key of nine fields given as views, without a list of their texts.
QString scheduleRowKey(const ScheduleFields& fields);
// The nine fields of a row of a view of the schedule (the table's model).
QStringList scheduleRowFields(const QAbstractItemModel& schedule, int row);

// The text of a schedule file: UTF-8 when the bytes are valid UTF-8, Windows-1252 otherwise.
QString decodeScheduleText(const QByteArray& bytes);

// The lines of a file's text. LF ends a line and a CR just before it is dropped; a lone CR
// ends nothing; a final line without LF is a line too.
QList<QStringView> scheduleLines(QStringView text);

// True when the first line in the start of a file splits into the ten parts of an Orvane line.
// A first line longer than firstLineLimit bytes is refused.
bool isOrvaneFirstLine(const QByteArray& start);
