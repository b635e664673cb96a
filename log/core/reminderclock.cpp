// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/core/reminderclock.h"

#include "log/core/desktopnotifier.h"
#include "log/core/receptionlog.h"

#include <QTimer>

ReminderClock::ReminderClock(ReceptionLog* log, DesktopNotifier* notifier, QObject* parent)
    : QObject(parent), log(log), notifier(notifier), timer(new QTimer(this))
{
    timer->setSingleShot(true);
    timer->setTimerType(Qt::PreciseTimer);
    connect(timer, &QTimer::timeout, this, &ReminderClock::tick);
    connect(notifier, &DesktopNotifier::tuneAsked, this, &ReminderClock::tuneFor);
}

void ReminderClock::setRecords(const QList<SeasonRecord>& season)
{
    records = season;
}

int ReminderClock::leadMinutes(ReceptionLog& log)
{
    bool read = false;
    const int minutes = log.setting(QLatin1String(reminderLeadKey)).toInt(&read);
    return read && minutes > 0 ? minutes : defaultLeadMinutes;
}

bool ReminderClock::remindOn(ReceptionLog& log)
{
    return log.setting(QLatin1String(remindKey)) == QLatin1String("1");
}

void ReminderClock::start()
{
    lastCheck = QDateTime::currentDateTimeUtc();
    tick();
}

// each minute as it begins
void ReminderClock::tick()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (now > lastCheck)
        check(lastCheck, now);
    lastCheck = now;
    const int intoMinute = now.time().second() * 1000 + now.time().msec();
    timer->start(60 * 1000 - intoMinute);
}

QList<DueReminder> ReminderClock::due(const QDateTime& from, const QDateTime& until) const
{
    if (!log->isOpen() || !remindOn(*log))
        return {};
    const QList<Favourite> favourites = log->favourites();
    if (favourites.isEmpty())
        return {};
    return dueReminders(records, favourites, from, until, leadMinutes(*log));
}

void ReminderClock::check(const QDateTime& from, const QDateTime& until)
{
    for (const DueReminder& reminder : due(from, until)) {
        const SeasonRecord& record = records.at(reminder.record);
        reminded.insert(record.line().toString(), record);
        notifier->notify(record.line().toString(), reminderSummary(record, reminder.start), reminderBody(record, reminder), true);
    }
}

void ReminderClock::tuneFor(const QString& key)
{
    const auto found = reminded.constFind(key);
    if (found != reminded.constEnd())
        emit tuneRequested(roundedKhz(found->khz), found->times.days.mode);
}

namespace {

QString utcTime(const QDateTime& utc)
{
    return utc.toUTC().toString(QStringLiteral("HH:mm"));
}

} // namespace

QString reminderSummary(const SeasonRecord& record, const QDateTime& start)
{
    return QStringLiteral("%1 on %2 kHz at %3 UTC")
        .arg(record.field(StationField).toString(), QString::number(record.khz, 'g', 10), utcTime(start));
}

QString reminderBody(const SeasonRecord& record, const DueReminder& reminder)
{
    const qint64 minutes = reminder.remindAt.secsTo(reminder.start) / 60;
    int length = record.times.end - record.times.start;
    if (length <= 0)
        length += 24 * 60;
    return QStringLiteral("in %1 min: %2 to %3, until %4 UTC")
        .arg(minutes)
        .arg(record.field(LanguageField).toString(), record.field(TargetField).toString(),
             utcTime(reminder.start.addSecs(qint64(length) * 60)));
}
