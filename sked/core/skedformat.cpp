// SPDX-License-Identifier: GPL-3.0-or-later
#include "sked/core/skedformat.h"

#include "bookmarks/core/sdrbookmarks.h"
#include "schedule/core/scheduleformat.h"
#include "season/core/onair.h"

namespace {

// schedule lines, ready to be appended to the schedule file
QByteArray scheduleLines(const SkedOutput& output, QString&)
{
    QString text;
    for (int row : output.matched)
        text += scheduleLine(scheduleFields(output.records.at(row)), orvaneColumns);
    return text.toUtf8();
}

// "irregular" where the days cannot tell whether a broadcast in its hours is on the air
QString airStatus(const SeasonRecord& record, const AirMoment& moment)
{
    if (record.inactive)
        return QStringLiteral("inactive");
    if (!onAir(record, moment))
        return QStringLiteral("off");
    return record.times.days.irregular ? QStringLiteral("irregular") : QStringLiteral("on air");
}

//   kHz;Time;Days;ITU;Station;Lng;Target;Site;P;Start;Stop;Status;Km;Bearing;Path
//   9610;1200-1300;Mo-Fr;ROU;Radio Romania;E,F;ME;g;1;;;on air;1153;119;day
// with Km, Bearing and Path empty without a location or a site position
QString pathFields(const RecordPaths& paths, int row)
{
    const SitePath* path = paths.path(row);
    if (!path)
        return QStringLiteral(";;");
    const std::optional<PathLight> light = paths.light(row);
    return QStringLiteral("%1;%2;%3").arg(path->km).arg(path->bearing).arg(light ? pathLightName(*light) : QString());
}

QByteArray csvLines(const SkedOutput& output, QString&)
{
    QString text = QStringLiteral("kHz;Time;Days;ITU;Station;Lng;Target;Site;P;Start;Stop;Status;Km;Bearing;Path\n");
    const AirMoment moment = airMoment(output.moment);
    for (int row : output.matched) {
        const SeasonRecord& record = output.records.at(row);
        for (int field = 0; field < seasonFieldCount; ++field)
            text.append(record.field(SeasonField(field))).append(QLatin1Char(';'));
        text += airStatus(record, moment) + QLatin1Char(';') + pathFields(output.paths, row) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

// an SDR program's bookmarks (see sdrbookmarks.h), at the records' exact frequencies
QByteArray bookmarks(const SkedOutput& output, QString& counts, const SdrFormat* format)
{
    QList<Broadcast> broadcasts;
    for (int row : output.matched)
        broadcasts.append(broadcastFromRecord(output.records.at(row)));
    const BookmarkExport result = format->write(broadcasts);
    counts += QStringLiteral(" as %1 bookmarks, %2 left out (same frequency and name), %3 written as AM "
                             "(a mode %4 lacks)")
                  .arg(result.written)
                  .arg(result.skipped)
                  .arg(result.asAm)
                  .arg(format->program);
    return result.bytes;
}

} // namespace

QByteArray writeSkedOutput(const SkedFormat& format, const SkedOutput& output, QString& counts)
{
    return format.bookmarks ? bookmarks(output, counts, format.bookmarks) : format.write(output, counts);
}

const QList<SkedFormat>& skedFormats()
{
    static const QList<SkedFormat> formats = [] {
        QList<SkedFormat> all{{QStringLiteral("lines"), scheduleLines, true}, {QStringLiteral("csv"), csvLines, false}};
        for (const SdrFormat& program : sdrFormats())
            all.append({program.key, nullptr, false, &program});
        return all;
    }();
    return formats;
}

const SkedFormat* skedFormatNamed(QStringView name)
{
    for (const SkedFormat& format : skedFormats()) {
        if (name == format.name)
            return &format;
    }
    return nullptr;
}
