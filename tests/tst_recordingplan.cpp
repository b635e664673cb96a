// SPDX-License-Identifier: GPL-3.0-or-later
// The recording plan: when its recordings start and stop, their file names, overlaps, the store,
// and what the timer makes of a take an earlier run left unfinished.
#include "recordings/core/recordingplan.h"
#include "recordings/core/recordingstore.h"
#include "recordings/core/recordingtimer.h"
#include "tests/support/testenv.h"

#include <QtTest>

namespace {

QDateTime utc(const QString& text)
{
    QDateTime moment = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    moment.setTimeSpec(Qt::UTC);
    return moment;
}

// "2330-0030 Mo-Fr" every day it is on the air, or "2026-12-07 23:30:00/2026-12-08 00:30:00" once
RecordingEntry entry(const QString& when, int startDate = noDate, int stopDate = noDate, const QString& season = QString())
{
    RecordingEntry entry;
    entry.id = 1;
    entry.station = QStringLiteral("Voice of Greece");
    entry.khz = 9420;
    if (when.contains(QLatin1Char('/'))) {
        entry.start = utc(when.section(QLatin1Char('/'), 0, 0));
        entry.stop = utc(when.section(QLatin1Char('/'), 1));
        return entry;
    }
    entry.repeating = true;
    parseTimeRange(when.section(QLatin1Char(' '), 0, 0), entry.times);
    entry.times.days = parseDays(when.section(QLatin1Char(' '), 1));
    entry.startDate = startDate;
    entry.stopDate = stopDate;
    entry.season = season;
    return entry;
}

QString moments(const QList<Occurrence>& found, bool starts)
{
    QStringList texts;
    for (const Occurrence& occurrence : found)
        texts.append((starts ? occurrence.start : occurrence.stop).toString(QStringLiteral("MM-dd HH:mm:ss")));
    return texts.join(QLatin1Char(','));
}

} // namespace

class TestRecordingPlan : public QObject
{
    Q_OBJECT

private slots:
    void dueEventsOfPlan_data()
    {
        QTest::addColumn<RecordingEntry>("recording");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("starts");
        QTest::addColumn<QString>("stops");
        // 2026-12-07 is a Monday
        QTest::newRow("once across midnight")
            << entry("2026-12-07 23:30:00/2026-12-08 00:30:00") << "2026-12-07 23:00:00" << "2026-12-08 01:00:00"
            << "12-07 23:29:00" << "12-08 00:31:00";
        QTest::newRow("once, start on the interval's end")
            << entry("2026-12-08 02:00:00/2026-12-08 02:20:00") << "2026-12-08 01:58:00" << "2026-12-08 01:59:00"
            << "12-08 01:59:00" << "";
        QTest::newRow("once, start on the interval's beginning belongs to the one before")
            << entry("2026-12-08 02:00:00/2026-12-08 02:20:00") << "2026-12-08 01:59:00" << "2026-12-08 02:00:00"
            << "" << "";
        QTest::newRow("weekdays only") << entry("0200-0300 Mo-Fr") << "2026-12-12 00:00:00" << "2026-12-14 04:00:00"
                                       << "12-14 01:59:00" << "12-14 03:01:00";
        QTest::newRow("started the day before, stops after midnight")
            << entry("2330-0030 Mo") << "2026-12-08 00:00:00" << "2026-12-08 01:00:00" << "" << "12-08 00:31:00";
        QTest::newRow("days name the day it starts")
            << entry("2330-0030 Tu") << "2026-12-08 00:00:00" << "2026-12-09 01:00:00" << "12-08 23:29:00"
            << "12-09 00:31:00";
        QTest::newRow("dates") << entry("0200-0300 1-7", 1210, 1211) << "2026-12-08 00:00:00" << "2026-12-14 00:00:00"
                               << "12-10 01:59:00,12-11 01:59:00" << "12-10 03:01:00,12-11 03:01:00";
        QTest::newRow("a date of its own") << entry("0200-0230 12Dec") << "2026-12-08 00:00:00" << "2026-12-14 00:00:00"
                                           << "12-12 01:59:00" << "12-12 02:31:00";
        QTest::newRow("the season's last day")
            << entry("0200-0300 1-7", noDate, noDate, "b26") << "2027-03-26 00:00:00" << "2027-03-30 00:00:00"
            << "03-26 01:59:00,03-27 01:59:00" << "03-26 03:01:00,03-27 03:01:00";
        RecordingEntry wide = entry("0200-0300 1-7");
        wide.secondsBefore = 300;
        wide.secondsAfter = 0;
        QTest::newRow("margins") << wide << "2026-12-08 01:54:00" << "2026-12-08 03:00:00" << "12-08 01:55:00"
                                 << "12-08 03:00:00";
    }

    void dueEventsOfPlan()
    {
        QFETCH(RecordingEntry, recording);
        QFETCH(QString, from);
        QFETCH(QString, to);
        RecordingPlan plan;
        plan.entries.append(recording);
        const DueEvents due = dueEvents(plan, utc(from), utc(to));
        QTEST(moments(due.starting, true), "starts");
        QTEST(moments(due.stopping, false), "stops");
    }

    void fileNameSaysWhatItIs_data()
    {
        QTest::addColumn<double>("khz");
        QTest::addColumn<QString>("station");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << 9420.0 << "Voice of Greece" << "2026-12-08_0200Z_9420kHz_Voice-of-Greece.wav";
        QTest::newRow("slashes and accents") << 5005.5 << " R. Nacional/Rádio  " << "2026-12-08_0200Z_5005.5kHz_R.-Nacional-Rádio.wav";
        QTest::newRow("no station") << 6000.0 << "" << "2026-12-08_0200Z_6000kHz_recording.wav";
    }

    void fileNameSaysWhatItIs()
    {
        QFETCH(double, khz);
        QFETCH(QString, station);
        Occurrence occurrence;
        occurrence.airStart = utc("2026-12-08 02:00:00");
        QTEST(recordingFileName(occurrence, khz, station, QStringLiteral("wav")), "name");
    }

    void overlapOnOneReceiverIsFound()
    {
        RecordingPlan plan;
        RecordingEntry nightly = entry("0130-0215 1-7");
        nightly.station = QStringLiteral("Radio Romania");
        plan.entries.append(nightly);
        RecordingEntry wanted = entry("2026-12-09 02:00:00/2026-12-09 02:20:00");
        wanted.id = 2;
        const QDateTime now = utc("2026-12-07 20:00:00");
        QVERIFY(overlappingEntry(plan, wanted, now));
        QCOMPARE(overlappingEntry(plan, wanted, now)->station, QStringLiteral("Radio Romania"));
        wanted.recorder = RecorderKind::Sound;
        QVERIFY(!overlappingEntry(plan, wanted, now));
        wanted.recorder = RecorderKind::Gqrx;
        wanted.secondsBefore = 0;
        wanted.start = utc("2026-12-09 02:17:00");
        QVERIFY(!overlappingEntry(plan, wanted, now));
    }

    // the store keeps every field; a take left "recording" is cut short at the timer's start
    void storeKeepsThePlanAndUnfinishedTakesAreCutShort()
    {
        ledraTest::resetHome();
        RecordingPlan plan;
        plan.entries.append(entry("2330-0030 Mo,We", 1201, 315));
        RecordingEntry once = entry("2099-12-08 02:00:00/2099-12-08 02:20:00");
        once.id = 2;
        once.mode = QStringLiteral("AM");
        once.recorder = RecorderKind::Sound;
        once.device = QStringLiteral("monitor");
        plan.entries.append(once);
        Take take;
        take.entryId = 2;
        take.station = once.station;
        take.airStart = utc("2026-12-01 02:00:00");
        take.began = utc("2026-12-01 01:59:00").addMSecs(250);
        take.file = QStringLiteral("/music/a.flac");
        plan.takes.append(take);
        QCOMPARE(writePlan(plan), QString());
        QString problem;
        QCOMPARE(planBytes(readPlan(&problem)), planBytes(plan));
        QCOMPARE(problem, QString());

        RecordingTimer timer([](const RecordingEntry&) { return std::unique_ptr<Recorder>(); });
        timer.begin();
        timer.finish();
        const RecordingPlan after = readPlan(&problem);
        QCOMPARE(after.takes.size(), 1);
        QCOMPARE(takeStateName(after.takes.first().state), QStringLiteral("cut short"));
        QCOMPARE(after.takes.first().reason, QStringLiteral("the recorder ended during the recording"));
        QCOMPARE(after.takes.first().file, QStringLiteral("/music/a.flac"));
        // the weekly one is kept; the once in 2099 too
        QCOMPARE(after.entries.size(), 2);
    }
};

LEDRA_TEST_MAIN(TestRecordingPlan)
#include "tst_recordingplan.moc"
