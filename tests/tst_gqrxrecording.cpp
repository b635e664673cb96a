// SPDX-License-Identifier: GPL-3.0-or-later
// Timer recordings through the real gqrx, headless with its file I/Q source and a private
// PulseAudio, and what is left when the receiver cannot record.
#include "recordings/core/gqrxrecorder.h"
#include "recordings/core/recordingstore.h"
#include "recordings/core/recordingtimer.h"
#include "tests/support/gqrx.h"
#include "tests/support/rigctld.h"
#include "tests/support/testenv.h"

#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QtEndian>

#include <sys/mount.h>

namespace {

struct WavFormat
{
    int channels = 0;
    int rate = 0;
    int bits = 0;
    qint64 dataBytes = -1;
};

// the fmt and data chunks of a RIFF WAVE file
WavFormat wavFormat(const QByteArray& bytes)
{
    WavFormat format;
    if (!bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return format;
    for (qsizetype at = 12; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(bytes.constData() + at + 4);
        if (id == "fmt " && at + 24 <= bytes.size()) {
            format.channels = qFromLittleEndian<quint16>(bytes.constData() + at + 10);
            format.rate = int(qFromLittleEndian<quint32>(bytes.constData() + at + 12));
            format.bits = qFromLittleEndian<quint16>(bytes.constData() + at + 22);
        } else if (id == "data") {
            format.dataBytes = std::min<qint64>(size, bytes.size() - at - 8);
            return format;
        }
        at += 8 + size + (size & 1);
    }
    return format;
}

RecordingEntry entryAt(const QString& address, const QDateTime& airStart, int seconds)
{
    RecordingEntry entry;
    entry.id = 1;
    entry.station = QStringLiteral("Voice of Greece");
    entry.khz = 9420;
    entry.mode = QStringLiteral("AM");
    entry.start = airStart;
    entry.stop = airStart.addSecs(seconds);
    entry.secondsBefore = 2;
    entry.secondsAfter = 3;
    entry.device = address;
    return entry;
}

void plan(const RecordingEntry& entry)
{
    ledraTest::resetHome();
    RecordingPlan plan;
    plan.entries.append(entry);
    QCOMPARE(writePlan(plan), QString());
}

Take storedTake()
{
    QString problem;
    const RecordingPlan plan = readPlan(&problem);
    return plan.takes.value(0);
}

// gqrx's recorder, whose exchange is kept when it stops
class WireKeeper : public Recorder
{
public:
    WireKeeper(const RecordingEntry& entry, const QString& folder, QStringList* wire)
        : gqrx(entry.device, folder)
        , wire(wire)
    {
    }
    QString extension() const override { return gqrx.extension(); }
    QString start(const RecordingEntry& entry, const QString& path, const QDateTime& from, QString* note) override
    {
        return gqrx.start(entry, path, from, note);
    }
    QDateTime began() const override { return gqrx.began(); }
    QString check() override { return gqrx.check(); }
    QString stop(QString* file) override
    {
        const QString problem = gqrx.stop(file);
        *wire = gqrx.wire();
        return problem;
    }

private:
    GqrxRecorder gqrx;
    QStringList* wire;
};

} // namespace

class TestGqrxRecording : public QObject
{
    Q_OBJECT
    ledraTest::Gqrx gqrx;
    QStringList wire;

    // runs the plan until its first take ends
    Take runPlan(const QString& folder, int waitMs)
    {
        RecordingTimer timer([&](const RecordingEntry& entry) {
            return std::unique_ptr<Recorder>(std::make_unique<WireKeeper>(entry, folder, &wire));
        });
        QSignalSpy ended(&timer, &RecordingTimer::recordingEnded);
        timer.begin();
        if (!ended.wait(waitMs))
            return {};
        timer.finish();
        return ended.first().first().value<Take>();
    }

private slots:
    void initTestCase()
    {
        LEDRA_START_GQRX(gqrx);
    }

    void recordsPlannedBroadcastAndMovesItsFile()
    {
        const QDateTime airStart = QDateTime::currentDateTimeUtc().addSecs(4);
        plan(entryAt(ledraTest::address(gqrx.port), airStart, 20));
        const Take take = runPlan(gqrx.home(), 60000);
        QCOMPARE(takeStateName(take.state), QStringLiteral("done"));
        QCOMPARE(take.reason, QString());
        const QString name = recordingFileName({1, airStart, {}, {}, {}}, 9420, QStringLiteral("Voice of Greece"),
                                               QStringLiteral("wav"));
        QCOMPARE(take.file, recordingsFolder() + QLatin1Char('/') + name);
        QCOMPARE(storedTake().file, take.file);
        QCOMPARE(takeStateName(storedTake().state), QStringLiteral("done"));
        const WavFormat format = wavFormat(ledraTest::readFile(take.file));
        QCOMPARE(format.channels, 2);
        QCOMPARE(format.rate, 48000);
        QCOMPARE(format.bits, 16);
        const double seconds = double(format.dataBytes) / (48000 * 4);
        QVERIFY2(seconds > 23 && seconds < 27, qPrintable(QString::number(seconds)));
        // gqrx's own file was moved, and its recorder left off
        QCOMPARE(QDir(gqrx.home()).entryList({QStringLiteral("gqrx_*.wav")}, QDir::Files), QStringList());
        QCOMPARE(gqrx.ask(QStringLiteral("u RECORD")), QStringList{QStringLiteral("0")});
        QCOMPARE(gqrx.ask(QStringLiteral("f")), QStringList{QStringLiteral("9420000")});
        qInfo("first sample %lld ms after the planned start; the exchange:\n%s", take.start.msecsTo(take.began),
              qPrintable(wire.join(QLatin1Char('\n'))));
    }

    // the recordings folder is full: gqrx's file stays where gqrx wrote it, whole, and the take
    // says where
    void fullRecordingsFolderKeepsGqrxsFile()
    {
        ledraTest::resetHome();
        const QByteArray recordings = recordingsFolder().toLocal8Bit();
        QDir().mkpath(recordingsFolder());
        if (qEnvironmentVariableIsSet("LEDRA_TEST_WITHOUT_NAMESPACES")
            || mount("tmpfs", recordings, "tmpfs", 0, "size=16k") != 0)
            QSKIP("needs the test command's private mount namespace");
        const auto unmount = qScopeGuard([&] { umount(recordings); });
        RecordingEntry entry = entryAt(ledraTest::address(gqrx.port), QDateTime::currentDateTimeUtc().addSecs(2), 2);
        entry.secondsAfter = 0;
        plan(entry);
        const Take take = runPlan(gqrx.home(), 30000);
        QCOMPARE(takeStateName(take.state), QStringLiteral("failed"));
        QVERIFY2(take.reason.startsWith(QStringLiteral("gqrx's file could not be moved to %1/").arg(recordingsFolder())),
                 qPrintable(take.reason));
        QCOMPARE(QFileInfo(take.file).absolutePath(), QFileInfo(gqrx.home()).absoluteFilePath());
        QVERIFY(take.reason.endsWith(QStringLiteral("; it stays at ") + take.file));
        const WavFormat format = wavFormat(ledraTest::readFile(take.file));
        QCOMPARE(format.rate, 48000);
        QVERIFY(format.dataBytes > 48000 * 4 * 2);
        QCOMPARE(QDir(recordingsFolder()).entryList(QDir::Files), QStringList());
        QFile::remove(take.file);
    }

    // ledra-sked killed during a recording: gqrx records on until the next start stops it, which
    // moves its file and marks the recording cut short
    void killedRecorderLeavesGqrxRecordingUntilNextStart()
    {
        ledraTest::resetHome();
        ledraTest::writeFile(QDir::homePath() + "/.config/gqrx/default.conf",
                             "[audio]\nrec_dir=" + gqrx.home().toUtf8() + "\n");
        plan(entryAt(ledraTest::address(gqrx.port), QDateTime::currentDateTimeUtc().addSecs(2), 60));
        QProcess sked;
        sked.start(LEDRA_SKED, {"--recorder"});
        QVERIFY(QTest::qWaitFor([&] { return sked.canReadLine(); }, 20000));
        QVERIFY(sked.readLine().startsWith("recording\t"));
        QTest::qWait(2000);
        sked.kill();
        QVERIFY(QTest::qWaitFor([&] { return sked.state() == QProcess::NotRunning; }, 10000));
        QCOMPARE(gqrx.ask(QStringLiteral("u RECORD")), QStringList{QStringLiteral("1")});

        RecordingTimer timer(standardRecorder);
        timer.begin();
        timer.finish();
        const Take take = storedTake();
        QCOMPARE(takeStateName(take.state), QStringLiteral("cut short"));
        QCOMPARE(take.reason, QStringLiteral("the recorder ended during the recording"));
        QCOMPARE(QFileInfo(take.file).absolutePath(), recordingsFolder());
        QVERIFY(wavFormat(ledraTest::readFile(take.file)).dataBytes > 48000 * 4 * 2);
        QCOMPARE(gqrx.ask(QStringLiteral("u RECORD")), QStringList{QStringLiteral("0")});
        QCOMPARE(QDir(gqrx.home()).entryList({QStringLiteral("gqrx_*.wav")}, QDir::Files), QStringList());
    }

    void gqrxEndingDuringRecordingFailsIt()
    {
        const QDateTime airStart = QDateTime::currentDateTimeUtc().addSecs(2);
        plan(entryAt(ledraTest::address(gqrx.port), airStart, 60));
        RecordingTimer timer([&](const RecordingEntry& entry) {
            return std::unique_ptr<Recorder>(std::make_unique<GqrxRecorder>(entry.device, gqrx.home()));
        });
        QSignalSpy started(&timer, &RecordingTimer::recordingStarted);
        QSignalSpy ended(&timer, &RecordingTimer::recordingEnded);
        timer.begin();
        QVERIFY(started.wait(20000));
        gqrx.stop();
        QVERIFY(ended.wait(20000));
        const Take take = ended.first().first().value<Take>();
        QCOMPARE(takeStateName(take.state), QStringLiteral("failed"));
        QVERIFY2(take.reason.startsWith(QStringLiteral("gqrx stopped answering during the recording: ")),
                 qPrintable(take.reason));
        QCOMPARE(takeStateName(storedTake().state), QStringLiteral("failed"));
    }

    void receiverThatCannotRecordFailsTheTake_data()
    {
        QTest::addColumn<bool>("rigctld");
        QTest::addColumn<QString>("reason");
        QTest::newRow("nothing listening") << false << "Nothing is listening at %1 (connection refused)";
        QTest::newRow("a rig without a recorder") << true << "%1 cannot record through its remote control";
    }

    void receiverThatCannotRecordFailsTheTake()
    {
        QFETCH(bool, rigctld);
        QFETCH(QString, reason);
        ledraTest::Rigctld server;
        quint16 port = ledraTest::unusedPort();
        if (rigctld) {
            LEDRA_START_RIGCTLD(server);
            port = server.port;
        }
        const QString address = ledraTest::address(port);
        plan(entryAt(address, QDateTime::currentDateTimeUtc(), 20));
        const Take take = runPlan(gqrx.home(), 10000);
        QCOMPARE(takeStateName(take.state), QStringLiteral("failed"));
        QVERIFY2(take.reason.startsWith(reason.arg(address)), qPrintable(take.reason));
        QCOMPARE(take.file, QString());
        QCOMPARE(take.began, QDateTime());
    }
};

LEDRA_TEST_MAIN(TestGqrxRecording)
#include "tst_gqrxrecording.moc"
