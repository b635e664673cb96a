// SPDX-License-Identifier: GPL-3.0-or-later
#include "sked/skedrecord.h"

#include "app/core/settingsstore.h"
#include "radiolink/core/datagram.h"
#include "radiolink/core/rigtuning.h"
#include "recordings/core/recordingstore.h"
#include "recordings/core/recordingtimer.h"
#include "recordings/core/soundtuning.h"
#include "season/core/onair.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QTimer>

#include <atomic>
#include <cmath>
#include <csignal>
#include <cstdio>

namespace {

const int refused = 2;
const char* const gqrxAddress = "localhost:7356";
std::atomic<bool> stopAsked{false};

void printLine(const QString& text, FILE* stream)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stream);
    std::fflush(stream);
}

int refuse(const QString& text)
{
    printLine(QStringLiteral("ledra-sked: ") + text, stderr);
    return refused;
}

QString timeText(const QDateTime& moment)
{
    return moment.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString spanText(const QDateTime& start, const QDateTime& stop)
{
    return timeText(start) + QLatin1Char('-') + stop.toUTC().toString(QStringLiteral("HH:mm"));
}

QString entryLine(const RecordingEntry& entry)
{
    const Occurrence next = nextOccurrence(entry, QDateTime::currentDateTimeUtc());
    QString when = next.airStart.isValid() ? spanText(next.airStart, next.airStop) + QStringLiteral(" UTC") : QStringLiteral("-");
    if (entry.repeating)
        when += QStringLiteral(" and every day it is on the air");
    return QStringLiteral("planned\t%1\t%2 kHz\t%3\t%4\t%5")
        .arg(when, khzText(entry.khz * 1000), entry.mode.isEmpty() ? QStringLiteral("-") : entry.mode, entry.station,
             recorderName(entry.recorder));
}

QString takeLine(const Take& take)
{
    QString line = QStringLiteral("%1\t%2 UTC\t%3 kHz\t%4\t%5\t%6")
                       .arg(takeStateName(take.state), spanText(take.start, take.stop), khzText(take.khz * 1000),
                            take.station, recorderName(take.recorder), take.file.isEmpty() ? QStringLiteral("-") : take.file);
    if (!take.reason.isEmpty())
        line += QLatin1Char('\t') + take.reason;
    return line;
}

// "2026-12-08T02:00" or with a final "Z", UTC
QDateTime momentFrom(QString text)
{
    if (text.endsWith(QLatin1Char('Z')))
        text.chop(1);
    QDateTime moment = QDateTime::fromString(text, QStringLiteral("yyyy-MM-ddTHH:mm"));
    moment.setTimeSpec(Qt::UTC);
    return moment;
}

// where the recording is made: gqrx's remote control, or the default input tuned through the
// receiver link when that is a rigctl server
void chooseReceiver(RecordingEntry* entry)
{
    const SettingsStore receiver(QStringLiteral("Ledra-receiver"));
    const bool rigctl = receiver.value(QStringLiteral("link")).toString() == QLatin1String("hamlib")
                        && receiver.value(QStringLiteral("hamlibModel"), 2).toInt() == 2;
    const QString port = receiver.value(QStringLiteral("hamlibPort")).toString();
    if (entry->recorder == RecorderKind::Gqrx)
        entry->device = rigctl && !port.isEmpty() ? port : QLatin1String(gqrxAddress);
    else if (rigctl)
        entry->rig = port.isEmpty() ? QStringLiteral("localhost:4532") : port;
    else if (receiver.value(QStringLiteral("link")).toString() == QLatin1String("hamlib"))
        entry->rig = QStringLiteral("hamlib");
    else
        entry->rig = udpTuning(datagramPort(SettingsStore(QStringLiteral("Ledra")).value(QStringLiteral("QSudprxport")).toString()));
}

bool knownMode(const QString& mode)
{
    for (int code = 0; code < 10; ++code) {
        if (hamlibModeName(QString::number(code)) == mode)
            return true;
    }
    return false;
}

RecordingEntry broadcastEntry(const SeasonRecord& record)
{
    RecordingEntry entry;
    entry.repeating = true;
    entry.station = record.field(StationField).toString();
    entry.times = record.times;
    entry.startDate = record.startDate;
    entry.stopDate = record.stopDate;
    return entry;
}

// the next broadcast of each record on the frequency within a week
QList<RecordingEntry> nextBroadcasts(const QString& seasonPath, double khz, QString* problem)
{
    QFile file(seasonPath);
    if (!file.open(QIODevice::ReadOnly)) {
        *problem = QStringLiteral("cannot read \"%1\": %2").arg(seasonPath, file.errorString());
        return {};
    }
    const SeasonFile season = parseSeasonFile(file.readAll());
    if (!season.recognised) {
        *problem = notSeasonScheduleText(seasonPath);
        return {};
    }
    QList<RecordingEntry> found;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const SeasonRecord& record : season.records) {
        if (record.inactive || std::abs(record.khz - khz) >= 0.5)
            continue;
        RecordingEntry entry = broadcastEntry(record);
        entry.secondsBefore = 0;
        entry.secondsAfter = 0;
        const Occurrence next = nextOccurrence(entry, now);
        if (!next.airStart.isValid())
            continue;
        entry.repeating = false;
        entry.start = next.airStart;
        entry.stop = next.airStop;
        found.append(entry);
    }
    return found;
}

void askStop(int)
{
    stopAsked = true;
}

} // namespace

void addRecordOptions(QCommandLineParser& parser)
{
    parser.addOptions({
        {QStringLiteral("record"),
         QStringLiteral("Plans a recording of KHZ at --at for --for minutes; without --at, of the next broadcast on "
                        "the frequency in the season file."),
         QStringLiteral("KHZ")},
        {QStringLiteral("for"), QStringLiteral("How long --record records."), QStringLiteral("MINUTES")},
        {QStringLiteral("mode"), QStringLiteral("The mode --record tunes to: AM, SAM, FM, USB, LSB, CW, CWR, WFM, RTTY, RTTYR."),
         QStringLiteral("M")},
        {QStringLiteral("recorder"),
         QStringLiteral("With --record: gqrx (default) or sound. Alone: runs the plan until stopped."),
         QStringLiteral("gqrx|sound")},
        {QStringLiteral("recordings"), QStringLiteral("Prints the planned and the past recordings, one a line.")},
    });
}

bool takeRunRecorder(QStringList* arguments)
{
    const int at = int(arguments->indexOf(QStringLiteral("--recorder")));
    if (at < 0 || arguments->contains(QStringLiteral("--record")))
        return false;
    if (at + 1 < arguments->size() && !arguments->at(at + 1).startsWith(QLatin1Char('-')))
        return false;
    arguments->removeAt(at);
    return true;
}

int addRecording(const QCommandLineParser& parser, const QString& seasonPath)
{
    bool read = false;
    const double khz = parser.value(QStringLiteral("record")).toDouble(&read);
    if (!read || khz <= 0)
        return refuse(QStringLiteral("bad value \"%1\" for --record: expected kHz").arg(parser.value(QStringLiteral("record"))));
    RecordingEntry entry;
    entry.khz = khz;
    const QString recorder = parser.isSet(QStringLiteral("recorder")) ? parser.value(QStringLiteral("recorder")) : QStringLiteral("gqrx");
    if (!recorderNamed(recorder, &entry.recorder))
        return refuse(QStringLiteral("bad value \"%1\" for --recorder: gqrx or sound").arg(recorder));
    entry.mode = parser.value(QStringLiteral("mode")).toUpper();
    if (!entry.mode.isEmpty() && !knownMode(entry.mode))
        return refuse(QStringLiteral("unknown mode \"%1\" for --mode").arg(parser.value(QStringLiteral("mode"))));
    int minutes = 0;
    if (parser.isSet(QStringLiteral("for"))) {
        minutes = parser.value(QStringLiteral("for")).toInt(&read);
        if (!read || minutes <= 0)
            return refuse(QStringLiteral("bad value \"%1\" for --for: expected whole minutes above 0").arg(parser.value(QStringLiteral("for"))));
    }
    if (parser.isSet(QStringLiteral("at"))) {
        entry.start = momentFrom(parser.value(QStringLiteral("at")));
        if (!entry.start.isValid())
            return refuse(QStringLiteral("bad value \"%1\" for --at: expected YYYY-MM-DDTHH:MM (UTC)").arg(parser.value(QStringLiteral("at"))));
        if (minutes == 0)
            return refuse(QStringLiteral("--record with --at needs --for"));
        entry.stop = entry.start.addSecs(minutes * 60);
    } else {
        if (seasonPath.isEmpty())
            return refuse(QStringLiteral("no season file to find the broadcast in: give --at, name a file, or run ledra-sked --update"));
        QString problem;
        const QList<RecordingEntry> broadcasts = nextBroadcasts(seasonPath, khz, &problem);
        if (!problem.isEmpty())
            return refuse(problem);
        if (broadcasts.isEmpty())
            return refuse(QStringLiteral("no broadcast on %1 kHz in the coming week; give --at").arg(khzText(khz * 1000)));
        if (broadcasts.size() > 1) {
            QStringList lines;
            for (const RecordingEntry& broadcast : broadcasts)
                lines.append(QStringLiteral("  %1 UTC %2").arg(spanText(broadcast.start, broadcast.stop), broadcast.station));
            return refuse(QStringLiteral("%1 broadcasts on %2 kHz; choose one with --at:\n")
                              .arg(broadcasts.size())
                              .arg(khzText(khz * 1000))
                          + lines.join(QLatin1Char('\n')));
        }
        entry.station = broadcasts.first().station;
        entry.start = broadcasts.first().start;
        entry.stop = minutes > 0 ? entry.start.addSecs(minutes * 60) : broadcasts.first().stop;
    }
    chooseReceiver(&entry);
    QString problem;
    RecordingPlan plan = readPlan(&problem);
    if (!problem.isEmpty())
        return refuse(problem);
    entry.id = plan.nextId();
    if (const RecordingEntry* other = overlappingEntry(plan, entry, QDateTime::currentDateTimeUtc()))
        return refuse(QStringLiteral("overlaps the recording of %1 on the same receiver").arg(recordingName(*other)));
    plan.entries.append(entry);
    problem = writePlan(plan);
    if (!problem.isEmpty())
        return refuse(QStringLiteral("cannot write %1: %2").arg(planPath(), problem));
    printLine(entryLine(entry), stdout);
    return 0;
}

int printRecordings()
{
    QString problem;
    const RecordingPlan plan = readPlan(&problem);
    if (!problem.isEmpty())
        return refuse(problem);
    for (const RecordingEntry& entry : plan.entries)
        printLine(entryLine(entry), stdout);
    for (const Take& take : plan.takes)
        printLine(takeLine(take), stdout);
    return 0;
}

int runRecorder()
{
    RecordingTimer timer(standardRecorder);
    QObject::connect(&timer, &RecordingTimer::recordingStarted, [](const Take& take) { printLine(takeLine(take), stdout); });
    QObject::connect(&timer, &RecordingTimer::recordingEnded, [](const Take& take) { printLine(takeLine(take), stdout); });
    QObject::connect(&timer, &RecordingTimer::planProblem, [](const QString& problem) { refuse(problem); });
    std::signal(SIGINT, askStop);
    std::signal(SIGTERM, askStop);
    QTimer stopCheck;
    QObject::connect(&stopCheck, &QTimer::timeout, [&timer] {
        if (stopAsked) {
            timer.finish();
            QCoreApplication::quit();
        }
    });
    stopCheck.start(100);
    if (!timer.begin())
        return refuse(QStringLiteral("another program runs the recording plan (Ledra's window or ledra-sked --recorder)"));
    return QCoreApplication::exec();
}
