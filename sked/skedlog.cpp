// SPDX-License-Identifier: GPL-3.0-or-later
#include "sked/skedlog.h"

#include "geo/core/listenerlocation.h"
#include "log/core/heard.h"
#include "log/core/logfiles.h"
#include "log/core/logstats.h"
#include "log/core/receptionlog.h"

#include <QCommandLineParser>
#include <QFile>

#include <cstdio>

namespace {

const int failed = 1;
const int refused = 2;

void printError(const QString& text)
{
    std::fputs(qPrintable(QStringLiteral("ledra-sked: ") + text + QLatin1Char('\n')), stderr);
}

void printOut(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

int printLog(ReceptionLog& log)
{
    const QList<Reception> receptions = log.receptions();
    if (!log.problem().isEmpty()) {
        printError(log.problem());
        return failed;
    }
    for (const Reception& reception : receptions)
        printOut((receptionLine(reception) + QLatin1Char('\n')).toUtf8());
    printError(heardCountsText(heardCounts(receptions)));
    return 0;
}

int exportLog(ReceptionLog& log, const QString& format)
{
    if (format != QLatin1String("adif") && format != QLatin1String("csv")) {
        printError(QStringLiteral("unknown format %1 for --log-export: adif or csv").arg(quoted(format)));
        return refused;
    }
    const QList<Reception> receptions = log.receptions();
    if (!log.problem().isEmpty()) {
        printError(log.problem());
        return failed;
    }
    printOut(format == QLatin1String("adif") ? writeAdif(receptions) : writeLogCsv(receptions));
    return 0;
}

int importIntoLog(ReceptionLog& log, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        printError(QStringLiteral("cannot read %1: %2").arg(quoted(path), file.errorString()));
        return refused;
    }
    const QByteArray bytes = file.readAll();
    LogFileReading reading = readLogCsv(bytes);
    if (!reading.recognised)
        reading = readAdif(bytes);
    if (!reading.recognised) {
        printError(QStringLiteral("%1 is neither an ADIF file nor a reception log in CSV").arg(quoted(path)));
        return refused;
    }
    for (const QString& problem : reading.problems)
        printError(path + QStringLiteral(": ") + problem);
    const ImportCounts counts = log.import(reading.receptions);
    if (!log.problem().isEmpty()) {
        printError(log.problem());
        return failed;
    }
    printError(QStringLiteral("%1 added, %2 skipped (already in the log)").arg(counts.added).arg(counts.skipped));
    return 0;
}

QString listedRecords(const QList<SeasonRecord>& records, const QList<int>& rows)
{
    QString text;
    for (int row : rows)
        text += QStringLiteral("\n  ") + records.at(row).line().toString();
    return text;
}

} // namespace

void addLogOptions(QCommandLineParser& parser)
{
    parser.addOptions({
        {QStringLiteral("heard"),
         QStringLiteral("Logs the broadcast on the air on KHZ at --at (default: now) in the reception log; "
                        "the other options narrow the choice."),
         QStringLiteral("KHZ")},
        {QStringLiteral("sinpo"), QStringLiteral("With --heard: the SINPO code (34433) or SIO (343)."),
         QStringLiteral("NNNNN")},
        {QStringLiteral("note"), QStringLiteral("With --heard: a note on the reception."), QStringLiteral("TEXT")},
        {QStringLiteral("log"), QStringLiteral("Prints the reception log, a reception a line.")},
        {QStringLiteral("log-export"), QStringLiteral("Prints the reception log as adif (ADIF 3.1) or csv."),
         QStringLiteral("adif|csv")},
        {QStringLiteral("log-import"),
         QStringLiteral("Adds the receptions of an ADIF or CSV file not in the reception log yet."),
         QStringLiteral("FILE")},
    });
}

bool asksForLog(const QCommandLineParser& parser)
{
    return parser.isSet(QStringLiteral("log")) || parser.isSet(QStringLiteral("log-export"))
           || parser.isSet(QStringLiteral("log-import"));
}

int runLogCommand(const QCommandLineParser& parser)
{
    ReceptionLog log;
    if (!log.isOpen()) {
        printError(log.problem());
        return failed;
    }
    if (parser.isSet(QStringLiteral("log-import")))
        return importIntoLog(log, parser.value(QStringLiteral("log-import")));
    if (parser.isSet(QStringLiteral("log-export")))
        return exportLog(log, parser.value(QStringLiteral("log-export")));
    return printLog(log);
}

int logHeard(const QCommandLineParser& parser, const QList<SeasonRecord>& records, const SeasonFilter& filter,
             const QDateTime& moment)
{
    const QString khzText = parser.value(QStringLiteral("heard"));
    bool read = false;
    const double khz = khzText.toDouble(&read);
    if (!read || khz <= 0) {
        printError(QStringLiteral("bad value %1 for --heard: expected a frequency in kHz").arg(quoted(khzText)));
        return refused;
    }
    const SignalReport report = readSignalReport(parser.value(QStringLiteral("sinpo")));
    if (!report.refusal.isEmpty()) {
        printError(report.refusal);
        return refused;
    }
    QList<int> rows;
    for (int row : onAirAt(records, khz, moment)) {
        if (matches(records.at(row), filter))
            rows.append(row);
    }
    const QString where = QStringLiteral("on %1 kHz at %2 UTC").arg(khzText, logMomentText(moment));
    if (rows.isEmpty()) {
        printError(QStringLiteral("nothing on the air %1; nothing logged").arg(where));
        return refused;
    }
    if (rows.size() > 1) {
        printError(QStringLiteral("%1 broadcasts on the air %2; name one with --find, --language or --target, "
                                  "nothing logged:%3").arg(rows.size()).arg(where, listedRecords(records, rows)));
        return refused;
    }
    const QString location = parser.isSet(QStringLiteral("from")) ? parser.value(QStringLiteral("from"))
                                                                   : storedLocationText();
    Reception reception = receptionOf(records.at(rows.first()), moment, location);
    reception.sinpo = report.code;
    reception.notes = parser.value(QStringLiteral("note"));
    ReceptionLog log;
    reception.receiver = log.setting(QLatin1String(lastReceiverKey));
    reception.antenna = log.setting(QLatin1String(lastAntennaKey));
    if (!log.isOpen() || log.add(reception) == 0) {
        printError(log.problem());
        return failed;
    }
    printOut((receptionLine(reception) + QLatin1Char('\n')).toUtf8());
    return 0;
}
