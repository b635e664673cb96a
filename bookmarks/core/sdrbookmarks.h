// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "season/core/seasonrecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Bookmark files of SDR programs, written from schedule rows or season records.

// One broadcast as the bookmark files need it.
struct Broadcast
{
    double khz = 0;
    QString name;       // on one line, never empty
    QString modeCode;   // the schedule's Mode code "0" (AM) ... "9" (RTTYR), or empty
    AirTimes times;     // all day, every day when the row gives no readable time
};

// From the nine fields of a schedule row (the label names it), with the frequency read as Go
// reads it: none for a row that Go would not tune.
std::optional<Broadcast> broadcastFromFields(const QStringList& fields);
// From a season record: its station names it, at its exact frequency.
Broadcast broadcastFromRecord(const SeasonRecord& record);

// The schedule rows that make broadcasts, and how many were left out.
struct BroadcastRows
{
    QList<Broadcast> broadcasts;
    int leftOut = 0;
};
BroadcastRows broadcastsFromRows(const QList<QStringList>& rows);
// "2 rows left out: no valid frequency"
QString leftOutRowsText(int leftOut);
// The frequency in whole Hz.
qint64 broadcastHz(const Broadcast& broadcast);

// What a writer made.
struct BookmarkExport
{
    QByteArray bytes;
    int written = 0;     // bookmarks written
    int skipped = 0;     // those already in the file merged into
    int asAm = 0;        // of those written, how many have a mode the program lacks, written as AM
};

// gqrx: the whole bookmarks file, tag "Ledra" included (see gqrxbookmarks.h for the merge).
BookmarkExport gqrxBookmarks(const QList<Broadcast>& broadcasts);
// SDR++'s frequency manager (its Import button): names are the keys, so each is made unique.
BookmarkExport sdrppBookmarks(const QList<Broadcast>& broadcasts);
// KiwiSDR's DX labels, as its admin page imports them from CSV, with days and times.
BookmarkExport kiwiLabels(const QList<Broadcast>& broadcasts);
// OpenWebRX's bookmarks file, a JSON array.
BookmarkExport openWebRxBookmarks(const QList<Broadcast>& broadcasts);

// The programs, in the order the export dialog offers them and ledra-sked --format names them.
struct SdrFormat
{
    QString key;         // the value of ledra-sked --format
    QString program;     // the program's own name
    QString fileName;    // the file proposed for it in the Documents folder
    QString filter;      // for the file dialog
    QString hint;        // how the program takes the file
    BookmarkExport (*write)(const QList<Broadcast>& broadcasts);
    // for a program whose own file the broadcasts are merged into (gqrx): that file, and the
    // merge, which returns the system's reason when it fails
    QString (*ownFile)() = nullptr;
    QString (*merge)(const QString& path, const QList<Broadcast>& broadcasts, BookmarkExport& result) = nullptr;
};
const QList<SdrFormat>& sdrFormats();
const SdrFormat* sdrFormat(const QString& key);

// Unique names for a program that keys its bookmarks by name: "BBC", "BBC (2)", ...
QStringList uniqueNames(const QStringList& names);
