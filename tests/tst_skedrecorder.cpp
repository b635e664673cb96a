// SPDX-License-Identifier: GPL-3.0-or-later
// ledra-sked --recorder as a listener runs it: killed during a recording, then started again
// and stopped with Ctrl+C during the next one; the files stay readable and the plan says what
// happened.
#include "recordings/core/recordingstore.h"
#include "recordings/core/recordingtimer.h"
#include "tests/support/pulseaudio.h"
#include "tests/support/testenv.h"

#include <QProcess>
#include <QtTest>

#include <sndfile.h>

#include <cmath>
#include <csignal>
#include <vector>

namespace {

QByteArray tone(int seconds)
{
    std::vector<qint16> samples;
    for (int i = 0; i < 48000 * seconds; ++i) {
        const auto value = qint16(8000 * std::sin(2 * M_PI * 700.0 * i / 48000));
        samples.insert(samples.end(), {value, value});
    }
    return QByteArray(reinterpret_cast<const char*>(samples.data()), int(samples.size() * sizeof(qint16)));
}

// the frames libsndfile decodes from the file; -1 when it cannot open it
qint64 decodedFrames(const QString& path)
{
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return -1;
    std::vector<short> block(4096 * size_t(info.channels));
    qint64 frames = 0;
    for (sf_count_t read; (read = sf_readf_short(file, block.data(), 4096)) > 0;)
        frames += read;
    sf_close(file);
    return frames;
}

RecordingEntry soundEntry(int id, const QDateTime& start, int seconds)
{
    RecordingEntry entry;
    entry.id = id;
    entry.station = QStringLiteral("Station %1").arg(id);
    entry.khz = 6000 + id;
    entry.recorder = RecorderKind::Sound;
    entry.device = QStringLiteral("null.monitor");
    entry.start = start;
    entry.stop = start.addSecs(seconds);
    entry.secondsBefore = 0;
    entry.secondsAfter = 0;
    return entry;
}

// waits for the recorder's next line on standard output
QString nextLine(QProcess& recorder, int ms)
{
    if (!QTest::qWaitFor([&] { return recorder.canReadLine(); }, ms))
        return QString();
    return QString::fromUtf8(recorder.readLine()).trimmed();
}

} // namespace

class TestSkedRecorder : public QObject
{
    Q_OBJECT
    ledraTest::PrivatePulse pulse;

private slots:
    void initTestCase()
    {
        if (!ledraTest::PrivatePulse::installed())
            QSKIP("pulseaudio or pacat is not installed (Debian packages pulseaudio, pulseaudio-utils)");
        const QString failure = pulse.start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        pulse.play(tone(60));
    }

    void killedThenStoppedWithCtrlC()
    {
        const QDateTime now = QDateTime::currentDateTimeUtc();
        RecordingPlan plan;
        plan.entries.append(soundEntry(1, now.addSecs(4), 6));
        plan.entries.append(soundEntry(2, now.addSecs(14), 60));
        QCOMPARE(writePlan(plan), QString());

        QProcess first;
        first.start(LEDRA_SKED, {"--recorder"});
        const QString started = nextLine(first, 20000);
        QVERIFY2(started.startsWith("recording\t"), qPrintable(started));
        QTest::qWait(2000);
        first.kill();
        QVERIFY(stopped(first));
        const QString killedFile = storedFile(0);
        QVERIFY(decodedFrames(killedFile) > 0);

        QProcess second;
        second.start(LEDRA_SKED, {"--recorder"});
        const QString next = nextLine(second, 30000);
        QVERIFY2(next.startsWith("recording\t") && next.contains("Station 2"), qPrintable(next));
        QTest::qWait(2000);
        ::kill(pid_t(second.processId()), SIGINT);
        const QString ended = nextLine(second, 10000);
        QVERIFY2(ended.startsWith("cut short\t") && ended.contains("Station 2") && ended.contains("before its end"),
                 qPrintable(ended));
        QVERIFY(stopped(second));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        // cleanly closed: whole seconds of it, at least those waited for
        QVERIFY(decodedFrames(storedFile(1)) > 48000);

        QProcess list;
        list.start(LEDRA_SKED, {"--recordings"});
        QVERIFY(list.waitForFinished());
        const QStringList lines = QString::fromUtf8(list.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        QVERIFY2(lines[0].startsWith("cut short\t") && lines[0].endsWith("\t" + killedFile + "\tthe recorder ended during the recording"),
                 qPrintable(lines[0]));
        QVERIFY2(lines[1].startsWith("cut short\t") && lines[1].contains("Station 2"), qPrintable(lines[1]));
    }

    // one program runs the plan at a time
    void secondRecorderIsRefused()
    {
        RecordingTimer window(standardRecorder);
        QVERIFY(window.begin());
        QProcess sked;
        sked.start(LEDRA_SKED, {"--recorder"});
        QVERIFY(sked.waitForFinished());
        QCOMPARE(sked.exitCode(), 2);
        QCOMPARE(sked.readAllStandardError(),
                 QByteArray("ledra-sked: another program runs the recording plan (Ledra's window or ledra-sked --recorder)\n"));
        window.finish();
        RecordingTimer next(standardRecorder);
        QVERIFY(next.begin());
    }

    // a plan is kept only when every option is sound and nothing overlaps
    void recordPlansOrRefuses_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("printed"); // standard output, or the first line of standard error
        QTest::addColumn<int>("planned");
        const QString season = ledraTest::homeFolder() + "/season.csv";
        QTest::newRow("at a time") << QStringList{"--record", "9420", "--at", "2030-01-01T02:00Z", "--for", "30", "--mode", "am"}
                                   << 0 << "planned\t2030-01-01 02:00-02:30 UTC\t9420 kHz\tAM\t\tgqrx" << 1;
        QTest::newRow("overlapping on gqrx")
            << QStringList{"--record", "6000", "--at", "2030-01-01T02:29", "--for", "10"} << 2
            << "ledra-sked: overlaps the recording of 9420 kHz on the same receiver" << 1;
        QTest::newRow("the sound card beside it")
            << QStringList{"--record", "6000", "--at", "2030-01-01T02:29", "--for", "10", "--recorder", "sound"} << 0
            << "planned\t2030-01-01 02:29-02:39 UTC\t6000 kHz\t-\t\tsound" << 2;
        QTest::newRow("without a length") << QStringList{"--record", "6000", "--at", "2030-01-01T05:00"} << 2
                                          << "ledra-sked: --record with --at needs --for" << 2;
        QTest::newRow("unknown mode") << QStringList{"--record", "6000", "--at", "2030-01-01T05:00", "--for", "5", "--mode", "DRM"}
                                      << 2 << "ledra-sked: unknown mode \"DRM\" for --mode" << 2;
        QTest::newRow("several broadcasts on it") << QStringList{"--record", "9420", season} << 2
                                                  << "ledra-sked: 2 broadcasts on 9420 kHz; choose one with --at:" << 2;
        QTest::newRow("the only broadcast on it") << QStringList{"--record", "11700", season} << 0
                                                  << "Radio Romania" << 3;
    }

    void recordPlansOrRefuses()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, printed);
        if (QTest::currentDataTag() == QLatin1String("at a time"))
            QFile::remove(planPath());
        ledraTest::writeFile(ledraTest::homeFolder() + "/season.csv",
                             "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;Remarks:135;P:35;Start:60;Stop:60;\n"
                             "9420;0200-0300;;GRC;Voice of Greece;E;Eu;a;1;;;\n"
                             "9420;1900-2000;Mo;GRC;Voice of Greece;G;Eu;a;1;;;\n"
                             "11700;1200-1230;;ROU;Radio Romania;E;ME;g;1;;;\n");
        QProcess sked;
        sked.start(LEDRA_SKED, arguments);
        QVERIFY(sked.waitForFinished());
        QTEST(sked.exitCode(), "status");
        const QString out = QString::fromUtf8(sked.readAllStandardOutput()).trimmed();
        const QString error = QString::fromUtf8(sked.readAllStandardError()).section('\n', 0, 0);
        QVERIFY2((sked.exitCode() == 0 ? out : error).contains(printed), qPrintable(out + error));
        QString problem;
        QTEST(int(readPlan(&problem).entries.size()), "planned");
    }

private:
    static bool stopped(QProcess& process)
    {
        return QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 10000);
    }

    static QString storedFile(int take)
    {
        QString problem;
        return readPlan(&problem).takes.value(take).file;
    }
};

LEDRA_TEST_MAIN(TestSkedRecorder)
#include "tst_skedrecorder.moc"
