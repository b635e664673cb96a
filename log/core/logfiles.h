// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/core/reception.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

// The ADIF band (its band list is the amateur one) that holds the frequency, or the empty text:
// most broadcast bands lie in none.
QString adifBand(double khz);

// ADIF 3.1 (.adi): a header, then a record a line with SWL Y. The station's name goes in CALL,
// as ADIF has no field for a broadcaster; what ADIF lacks goes in APP_LEDRA_ fields. Text is
// UTF-8, each field's length counted in bytes.
QByteArray writeAdif(const QList<Reception>& receptions);

// CSV with a header line: a column for each field of a reception.
QByteArray writeLogCsv(const QList<Reception>& receptions);

// What a log file read back gave: the receptions, and a line for each record left out.
struct LogFileReading
{
    QList<Reception> receptions;
    QStringList problems;
    bool recognised = false;   // the file is of the format asked for
};

// Reads an ADIF file as writeAdif writes it, and those of other programs: each record needs
// QSO_DATE, TIME_ON, FREQ and CALL.
LogFileReading readAdif(const QByteArray& bytes);
// Reads a CSV file as writeLogCsv writes it: the header line names the columns, in any order.
LogFileReading readLogCsv(const QByteArray& bytes);

// The listener's location as a six-character Maidenhead locator ("JO62qm"); empty when the
// text is no location.
QString gridSquareOf(const QString& location);

// A line of ledra-sked --log: "2026-11-02 02:05  9610 kHz AM  Radio Romania Int.  E  SINPO 34433"
QString receptionLine(const Reception& reception);
