// SPDX-License-Identifier: GPL-3.0-or-later
// ledra-sked: prints the broadcasts of a season schedule that match the options, as schedule
// lines ready to be appended to the schedule file or in another --format.
#include "geo/core/geoposition.h"
#include "geo/core/recordpaths.h"
#include "geo/core/sitepositions.h"
#include "season/core/onair.h"
#include "season/core/seasonfilter.h"
#include "season/core/seasonrecord.h"
#include "sked/core/skedformat.h"
#include "sked/seasonupdate.h"
#include "sked/skedlog.h"
#include "sked/skedmap.h"
#include "sked/skedrecord.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cstdio>
#include <optional>

namespace {

const int refused = 2;

void printError(const QString& text)
{
    std::fputs(qPrintable(QStringLiteral("ledra-sked: ") + text + QLatin1Char('\n')), stderr);
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

// "2025-06-16T12:00" or "2025-06-16T12:00Z", read as UTC (date and time apart, so that no
// local clock change can make a moment impossible)
std::optional<QDateTime> momentFrom(QString text)
{
    if (text.endsWith(QLatin1Char('Z')))
        text.chop(1);
    if (text.size() != 16 || text.at(10) != QLatin1Char('T'))
        return std::nullopt;
    const QDate date = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
    const QTime time = QTime::fromString(text.mid(11), QStringLiteral("HH:mm"));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    return QDateTime(date, time, Qt::UTC);
}

std::optional<KhzRange> rangeFrom(const QString& text)
{
    const QStringList ends = text.split(QLatin1Char('-'));
    if (ends.size() != 2)
        return std::nullopt;
    bool lowRead = false;
    bool highRead = false;
    const KhzRange range{ends.at(0).toDouble(&lowRead), ends.at(1).toDouble(&highRead)};
    if (!lowRead || !highRead || range.low > range.high)
        return std::nullopt;
    return range;
}

QString formatNames()
{
    QStringList names;
    for (const SkedFormat& format : skedFormats())
        names.append(format.name);
    return names.join(QStringLiteral(", "));
}

QString bandNames()
{
    QStringList names;
    for (const Band& band : bands())
        names.append(band.name);
    return names.join(QStringLiteral(", "));
}

// The moment of --at, or now; an error message when --at is no moment.
std::optional<QDateTime> momentOf(const QCommandLineParser& parser, QString& error)
{
    if (!parser.isSet(QStringLiteral("at")))
        return QDateTime::currentDateTimeUtc();
    const QString text = parser.value(QStringLiteral("at"));
    const std::optional<QDateTime> moment = momentFrom(text);
    if (!moment)
        error = QStringLiteral("bad value %1 for --at: expected YYYY-MM-DDTHH:MM (UTC)").arg(quoted(text));
    return moment;
}

// The filter the options ask for, or an error message naming the option at fault.
std::optional<SeasonFilter> filterFrom(const QCommandLineParser& parser, const QDateTime& moment, QString& error)
{
    SeasonFilter filter;
    filter.atMoment = parser.isSet(QStringLiteral("on-air")) || parser.isSet(QStringLiteral("at"));
    filter.moment = airMoment(moment);
    if (parser.isSet(QStringLiteral("band"))) {
        const QString name = parser.value(QStringLiteral("band"));
        KhzRange range;
        if (!bandNamed(name, range)) {
            error = QStringLiteral("unknown band %1 for --band: one of %2").arg(quoted(name), bandNames());
            return std::nullopt;
        }
        filter.ranges.append(range);
    }
    if (parser.isSet(QStringLiteral("khz"))) {
        const QString text = parser.value(QStringLiteral("khz"));
        const std::optional<KhzRange> range = rangeFrom(text);
        if (!range) {
            error = QStringLiteral("bad value %1 for --khz: expected LOW-HIGH in kHz").arg(quoted(text));
            return std::nullopt;
        }
        filter.ranges.append(*range);
    }
    filter.language = parser.value(QStringLiteral("language"));
    filter.target = parser.value(QStringLiteral("target"));
    filter.country = parser.value(QStringLiteral("country"));
    filter.foldedFind = parser.value(QStringLiteral("find")).toCaseFolded();
    if (parser.isSet(QStringLiteral("within"))) {
        const QString text = parser.value(QStringLiteral("within"));
        if (!parser.isSet(QStringLiteral("from"))) {
            error = QStringLiteral("--within needs --from");
            return std::nullopt;
        }
        bool read = false;
        filter.withinKm = text.toInt(&read);
        if (!read || filter.withinKm <= 0) {
            error = QStringLiteral("bad value %1 for --within: expected whole km above 0").arg(quoted(text));
            return std::nullopt;
        }
    }
    return filter;
}

// The listener's location from --from; false with an error message when it is refused.
bool listenerFrom(const QCommandLineParser& parser, std::optional<GeoPosition>& listener, QString& error)
{
    if (!parser.isSet(QStringLiteral("from")))
        return true;
    const QString text = parser.value(QStringLiteral("from"));
    const LocationReading reading = readLocation(text);
    listener = reading.position;
    if (!listener)
        error = QStringLiteral("bad value %1 for --from: %2").arg(quoted(text), reading.refusal);
    return listener.has_value();
}

void addOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Prints the broadcasts of a season schedule (CSV) that match every option given, "
                       "as schedule lines for Ledra or in another --format."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {QStringLiteral("on-air"), QStringLiteral("Only broadcasts on the air at --at (default: now).")},
        {QStringLiteral("at"), QStringLiteral("The UTC moment for --on-air and the status; implies --on-air."),
         QStringLiteral("YYYY-MM-DDTHH:MM")},
        {QStringLiteral("band"), QStringLiteral("Only this band: %1.").arg(bandNames()), QStringLiteral("NAME")},
        {QStringLiteral("khz"), QStringLiteral("Only frequencies from LOW to HIGH kHz."), QStringLiteral("LOW-HIGH")},
        {QStringLiteral("language"), QStringLiteral("Only this language code."), QStringLiteral("CODE")},
        {QStringLiteral("target"), QStringLiteral("Only this target area code."), QStringLiteral("CODE")},
        {QStringLiteral("country"), QStringLiteral("Only this country code."), QStringLiteral("CODE")},
        {QStringLiteral("find"), QStringLiteral("Only stations whose name holds TEXT (any case)."),
         QStringLiteral("TEXT")},
        {QStringLiteral("from"),
         QStringLiteral("The listener's location, a Maidenhead locator (JO62qm) or latitude and longitude in "
                        "decimal degrees (52.52,13.40): km, bearing and path to each site in the csv format."),
         QStringLiteral("LOCATOR|LAT,LON")},
        {QStringLiteral("within"), QStringLiteral("Only sites within KM of --from."), QStringLiteral("KM")},
        {QStringLiteral("format"), QStringLiteral("What to print: %1 (default lines).").arg(formatNames()),
         QStringLiteral("NAME"), skedFormats().first().name},
    });
    addSeasonOptions(parser);
    addLogOptions(parser);
    parser.addPositionalArgument(QStringLiteral("FILE.csv"),
                                 QStringLiteral("The season schedule; without it, the newest one kept by --update."),
                                 QStringLiteral("[FILE.csv]"));
}

int inactiveCount(const QList<SeasonRecord>& records)
{
    int count = 0;
    for (const SeasonRecord& record : records)
        count += record.inactive ? 1 : 0;
    return count;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ledra-sked"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LEDRA_VERSION));
    QCommandLineParser parser;
    addOptions(parser);
    addMapOptions(parser);
    addRecordOptions(parser);
    QStringList arguments = QCoreApplication::arguments();
    const bool runPlan = takeRunRecorder(&arguments);
    if (!parser.parse(arguments)) {
        printError(parser.errorText());
        return refused;
    }
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();

    if (parser.isSet(QStringLiteral("update")))
        return updateSeasonFile(parser);
    if (asksForLog(parser))
        return runLogCommand(parser);
    if (runPlan)
        return runRecorder();
    if (parser.isSet(QStringLiteral("recordings")))
        return printRecordings();

    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        printError(QStringLiteral("one season file only, %1 given").arg(files.size()));
        return refused;
    }
    if (parser.isSet(QStringLiteral("record")))
        return addRecording(parser, files.isEmpty() ? keptSeasonFileToRead() : files.first());
    QString error;
    const std::optional<QDateTime> moment = momentOf(parser, error);
    const std::optional<SeasonFilter> filter = moment ? filterFrom(parser, *moment, error) : std::nullopt;
    std::optional<GeoPosition> listener;
    if (!filter || !listenerFrom(parser, listener, error)) {
        printError(error);
        return refused;
    }
    const QString formatName = parser.value(QStringLiteral("format"));
    const SkedFormat* format = skedFormatNamed(formatName);
    if (!format) {
        printError(QStringLiteral("unknown format %1 for --format: one of %2").arg(quoted(formatName), formatNames()));
        return refused;
    }

    const QString path = files.isEmpty() ? keptSeasonFileToRead() : files.first();
    if (path.isEmpty()) {
        printError(QStringLiteral("no season file: name one, or run ledra-sked --update"));
        return refused;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("cannot read %1: %2").arg(quoted(path), file.errorString()));
        return refused;
    }
    SeasonFile season = parseSeasonFile(file.readAll());
    if (!season.recognised) {
        printError(notSeasonScheduleText(path));
        return refused;
    }
    for (const QString& warning : season.warnings)
        printError(path + QStringLiteral(": ") + warning);
    if (parser.isSet(QStringLiteral("heard")))
        return logHeard(parser, season.records, *filter, *moment);
    if (parser.isSet(QStringLiteral("map")))
        return writeMap(parser, season.records, *filter, *moment);

    RecordPaths paths = listener ? RecordPaths(season.records, SitePositions(), *listener) : RecordPaths();
    paths.markDistances(season.records);
    paths.setMoment(*moment);
    SkedOutput output{season.records, {}, *moment, paths};
    int rounded = 0;
    for (int row = 0; row < season.records.size(); ++row) {
        const SeasonRecord& record = season.records.at(row);
        if (!matches(record, *filter))
            continue;
        output.matched.append(row);
        rounded += isWholeKhz(record.khz) ? 0 : 1;
    }
    QString formatCounts;
    const QByteArray out = writeSkedOutput(*format, output, formatCounts);
    std::fwrite(out.constData(), 1, size_t(out.size()), stdout);
    QString counts = QStringLiteral("%1 records read, %2 skipped, %3 impossible dates, %4 inactive; %5 printed")
                         .arg(season.records.size())
                         .arg(season.skipped)
                         .arg(season.impossibleDates)
                         .arg(inactiveCount(season.records))
                         .arg(output.matched.size());
    if (format->roundsKhz)
        counts += QStringLiteral(", %1 of them rounded to whole kHz").arg(rounded);
    printError(counts + formatCounts);
    return 0;
}
