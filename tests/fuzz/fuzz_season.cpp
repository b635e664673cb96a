// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a season schedule: read, converted to schedule lines and asked whether and
// how long each record is on the air. Aborts when a converted line does not split back into
// its fields, or an inactive record or one with no minutes left counts as on the air.
#include "schedule/core/scheduleformat.h"
#include "season/core/onair.h"
#include "season/core/seasonfilter.h"
#include "season/core/seasonrecord.h"

#include <QDateTime>

#include <cstdint>
#include <cstdlib>

namespace {

void require(bool condition)
{
    if (!condition)
        std::abort();
}

// moments that cross the day, the week and the year
const QDateTime moments[] = {
    QDateTime(QDate(2025, 6, 16), QTime(12, 0), Qt::UTC),
    QDateTime(QDate(2025, 12, 31), QTime(23, 59), Qt::UTC),
    QDateTime(QDate(2024, 2, 29), QTime(0, 0), Qt::UTC),
};

void checkRecord(const SeasonRecord& record)
{
    const QStringList fields = scheduleFields(record);
    require(fields.size() == orvaneColumns);
    QString line = scheduleLine(fields, orvaneColumns);
    line.chop(1);
    ScheduleFields parts;
    require(splitScheduleLine(line, parts) == orvaneColumns);
    for (int column = 0; column < orvaneColumns; ++column)
        require(parts[column] == fields.at(column));
    bandOf(record.khz);
    for (const QDateTime& moment : moments) {
        const bool on = onAir(record, moment);
        require(on == (minutesLeft(record, moment) > 0));
        require(!(on && record.inactive));
        statusText(record, moment);
        minutesToStart(record, moment, 60);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const SeasonFile file = parseSeasonFile(bytes);
    require(file.recognised || file.records.isEmpty());
    for (const SeasonRecord& record : file.records)
        checkRecord(record);
    return 0;
}
