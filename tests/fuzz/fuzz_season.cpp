// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a season schedule: read, converted to schedule lines, asked whether and
// how long each record is on the air, and its station names searched. Aborts when a converted
// line does not split back into its fields, an inactive record or one with no minutes left
// counts as on the air, or the search of the names finds other names than QString does.
#include "schedule/core/scheduleformat.h"
#include "season/core/onair.h"
#include "season/core/seasonfilter.h"
#include "season/core/seasonrecord.h"
#include "season/core/stationnames.h"

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

// parts of the first name, and the input's last bytes as a text typed into the filter
void checkStationSearch(const QList<SeasonRecord>& records, const QByteArray& bytes)
{
    const StationNames names(foldedNames(records));
    require(names.count() == records.size());
    QStringList texts{QString::fromUtf8(bytes.right(3)).toCaseFolded()};
    if (!records.isEmpty()) {
        const QString first = records.first().foldedStation().toString();
        texts << first.mid(first.size() / 3, 3) << first.right(2);
    }
    for (const QString& text : texts) {
        const StationNames::Find find = names.find(text);
        const std::vector<char> holding = names.namesHolding(find);
        for (qsizetype row = 0; row < records.size(); ++row) {
            // half of a UTF-16 pair is no text a person types: it finds nothing
            const bool expected = text.isValidUtf16() && records.at(row).foldedStation().contains(text);
            require(bool(holding[size_t(row)]) == expected);
            require(names.holds(row, find) == expected);
        }
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
    checkStationSearch(file.records, bytes);
    return 0;
}
