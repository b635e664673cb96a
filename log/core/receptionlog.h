// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/core/reception.h"

#include <QList>
#include <QString>

#include <functional>

// A station and frequency the listener starred.
struct Favourite
{
    QString station;
    double khz = 0;
};

struct ImportCounts
{
    int added = 0;
    int skipped = 0;           // already in the log: same UTC start, kHz and station
};

// The reception log: an SQLite file in WAL mode, each change in a transaction of its own, which
// another process (the window and ledra-sked) may write at the same time: a writer waits for the
// other's transaction instead of failing. The schema's version is kept in PRAGMA user_version
// and brought up a step at a time. A file that is no SQLite database, or one of a newer schema,
// is never written to: the log stays closed and problem() says why.
class ReceptionLog
{
public:
    // <data folder>/Morvath/Ledra/log.sqlite, which the window and ledra-sked share
    static QString defaultPath();
    // the schema version this program writes
    static const int schemaVersion;

    explicit ReceptionLog(const QString& path = defaultPath());
    ~ReceptionLog();
    ReceptionLog(const ReceptionLog&) = delete;
    ReceptionLog& operator=(const ReceptionLog&) = delete;

    bool isOpen() const { return open; }
    QString path() const { return file; }
    // why the log could not be opened, or why the last change failed; empty when none did
    QString problem() const { return lastProblem; }

    // every reception, the earliest first
    QList<Reception> receptions();
    // the stored reception's id, or 0 when it could not be stored; a reception with an id is
    // stored under it
    qint64 add(const Reception& reception);
    bool update(const Reception& reception);
    bool remove(qint64 id);
    // adds the receptions not in the log yet, all in one transaction
    ImportCounts import(const QList<Reception>& receptions);

    QList<Favourite> favourites();
    bool isFavourite(const QString& station, double khz);
    bool setFavourite(const Favourite& favourite, bool starred);

    // the log's own settings (the reminder switch, the lead time, the last receiver and antenna)
    QString setting(const QString& key, const QString& fallback = QString());
    bool setSetting(const QString& key, const QString& value);

private:
    bool openFile();
    bool migrate();
    bool inTransaction(const std::function<bool()>& change);
    bool fail(const QString& what, const QString& reason);

    QString file;
    QString connection;
    bool open = false;
    QString lastProblem;
};

// Keys of the log's own settings.
extern const char* const remindKey;          // "1" when reminders are on; off until ticked
extern const char* const reminderLeadKey;    // minutes before the start, 5 unless set
extern const char* const lastReceiverKey;
extern const char* const lastAntennaKey;
