// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QUrl>

// Season files downloaded by the guide or by ledra-sked are kept in one folder, one file a
// season (sked-b26.csv), the copy it replaced beside it (sked-b26.bak). What the server said of
// each copy (ETag, Last-Modified) stays in the guide's store for the next, conditional request.

// The publisher's folder, unless the store names another.
QUrl storedSeasonBaseUrl();
// Stores the folder to download from; an empty address stores the publisher's.
void storeSeasonBaseUrl(const QUrl& base);
// An http:// or https:// address with a host.
bool isDownloadAddress(const QUrl& url);
QUrl seasonFileUrl(const QUrl& base, const QString& season);

// The data folder of Ledra (organization Morvath, application Ledra) + "/seasons", whichever
// program asks, so the window and ledra-sked share their copies.
QString seasonFolder();
QString keptSeasonPath(const QString& season);
QString backupPath(const QString& keptPath);
// The kept file of the latest season, or the empty text.
QString newestKeptSeasonFile();

struct SeasonValidators
{
    QByteArray etag;
    QByteArray lastModified;
};
SeasonValidators storedValidators(const QString& season);
void storeValidators(const QString& season, const SeasonValidators& validators);

struct BodyCheck
{
    QString problem;   // why the answer must not replace the kept copy; empty when it may
    int records = 0;
};
// A downloaded body may replace the kept copy only when it is as long as announced (-1: not
// announced), is a season schedule with at least one record, and holds at least half the
// records of the copy it replaces.
BodyCheck checkSeasonBody(const QByteArray& body, qint64 announcedLength, int keptRecords);

// The records of a kept season file; 0 when there is none.
int keptRecordCount(const QString& path);

// Puts the bytes at path, the copy there before becoming its .bak. The new file is written
// whole first, so a failure (a full disk) leaves the kept copy and its .bak as they were.
// Returns the system's reason when it fails, else the empty text.
QString keepSeasonFile(const QString& path, const QByteArray& bytes);

// True when the daily check is due: never made, a day or more ago, or stamped later than now.
bool dailyCheckDue(const QDateTime& lastCheck, const QDateTime& now);
