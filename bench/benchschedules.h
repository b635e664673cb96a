// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct Schedule
{
    QString name;
    QByteArray bytes; // nine-field lines, UTF-8
};

// A season-like schedule: frequencies from a few thousand channels between 150 and 30,000 kHz
// in no order, real time ranges, codes from the code tables, labels with some accented letters.
QByteArray generatedSchedule(int rows);
// The first eight fields of a public season schedule's records, whole kHz, and an empty mode.
QByteArray convertedSchedule(const QByteArray& csv);
// generated ones of 1,000, 10,000 and 100,000 lines, then the public season schedules of the
// shared data folder when it is there
QList<Schedule> schedules();
// each line's fields, as far as a schedule row holds them
QList<QStringList> splitRows(const QByteArray& bytes);
