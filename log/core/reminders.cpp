// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/core/reminders.h"

#include "season/core/onair.h"

#include <algorithm>

bool isFavouriteRecord(const SeasonRecord& record, const QList<Favourite>& favourites)
{
    const QStringView station = record.field(StationField);
    return std::any_of(favourites.begin(), favourites.end(), [&](const Favourite& favourite) {
        return qAbs(favourite.khz - record.khz) <= 0.5 && station == favourite.station;
    });
}

namespace {

bool comesOnAt(const SeasonRecord& record, const QDateTime& start)
{
    return onAir(record, start) && !onAir(record, start.addSecs(-60));
}

} // namespace

QList<DueReminder> dueReminders(const QList<SeasonRecord>& records, const QList<Favourite>& favourites,
                                const QDateTime& from, const QDateTime& until, int leadMinutes)
{
    QList<DueReminder> due;
    const qint64 lead = qint64(leadMinutes) * 60;
    const QDateTime firstStart = from.toUTC().addSecs(lead);
    const QDateTime lastStart = until.toUTC().addSecs(lead);
    for (int row = 0; row < records.size(); ++row) {
        const SeasonRecord& record = records.at(row);
        if (record.inactive || !isFavouriteRecord(record, favourites))
            continue;
        for (QDate day = firstStart.date(); day <= lastStart.date(); day = day.addDays(1)) {
            const QDateTime start = QDateTime(day, QTime(0, 0), Qt::UTC).addSecs(qint64(record.times.start) * 60);
            if (start > firstStart && start <= lastStart && comesOnAt(record, start))
                due.append({row, start, start.addSecs(-lead)});
        }
    }
    std::stable_sort(due.begin(), due.end(), [](const DueReminder& a, const DueReminder& b) {
        return a.remindAt < b.remindAt;
    });
    return due;
}
