// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

// The public schedule comes out twice a year as sked-<season>.csv: season a<yy> (summer) from
// the last Sunday of March of 20yy, b<yy> (winter) from the last Sunday of October of 20yy to
// the last Sunday of March after it, each from 00:00 UTC.

// The season running at the moment, "a25" or "b25".
QString seasonCodeAt(const QDateTime& moment);

// The season before: "a26" for "b26", "b25" for "a26".
QString previousSeason(const QString& season);

// "sked-b26.csv"
QString seasonFileName(const QString& season);

// The season a file name such as "sked-a25.csv" (any case) names, or the empty text.
QString seasonOfFileName(const QString& fileName);

// "the summer 2025 schedule", "the winter 2025/26 schedule"
QString seasonDescription(const QString& season);

// What the guide's count line says of the file: "sked-a25.csv is the summer 2025 schedule;
// today is in b26" (the second half only when it is not the season of the moment); empty for a
// file whose name names no season.
QString seasonNote(const QString& fileName, const QDateTime& moment);

// True when first is a later season than second.
bool laterSeason(const QString& first, const QString& second);
