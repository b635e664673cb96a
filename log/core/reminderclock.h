// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/core/reminders.h"
#include "season/core/seasonrecord.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

class DesktopNotifier;
class QTimer;
class ReceptionLog;

// Reminds of favourites about to come on the air while the program runs: at each minute it
// notifies of the reminders due since the minute before, when "Remind me" is on in the log's
// settings, the lead time taken from there too (5 minutes unless set).
class ReminderClock : public QObject
{
    Q_OBJECT

public:
    ReminderClock(ReceptionLog* log, DesktopNotifier* notifier, QObject* parent = nullptr);

    void setRecords(const QList<SeasonRecord>& records);
    // starts the minute timer, checking from now on
    void start();
    // the reminders due after from and no later than until, when "Remind me" is on; record
    // counts in the records set
    QList<DueReminder> due(const QDateTime& from, const QDateTime& until) const;
    // notifies of them
    void check(const QDateTime& from, const QDateTime& until);

    static const int defaultLeadMinutes = 5;
    static int leadMinutes(ReceptionLog& log);
    static bool remindOn(ReceptionLog& log);

signals:
    // Tune on a reminder: the record's frequency as the schedule keeps it and its mode code
    void tuneRequested(const QString& khz, const QString& modeCode);

private:
    void tick();
    void tuneFor(const QString& key);

    ReceptionLog* log;
    DesktopNotifier* notifier;
    QTimer* timer;
    QList<SeasonRecord> records;
    QDateTime lastCheck;
    QHash<QString, SeasonRecord> reminded; // by notification key: the broadcast's line
};

// "Radio Romania Int. on 9610 kHz at 12:00 UTC"
QString reminderSummary(const SeasonRecord& record, const QDateTime& start);
// "in 5 min: E to ME, until 13:00 UTC"
QString reminderBody(const SeasonRecord& record, const DueReminder& reminder);
