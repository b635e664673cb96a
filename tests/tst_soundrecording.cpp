// SPDX-License-Identifier: GPL-3.0-or-later
// Timer recordings from the sound card through a private PulseAudio: a tone played into its null
// sink is recorded from the sink's monitor as FLAC, also when the disk fills.
#include "recordings/audiosourcerecorder.h"
#include "recordings/core/pulserecorder.h"
#include "recordings/core/recordingstore.h"
#include "recordings/core/recordingtimer.h"
#include "recordings/core/soundtuning.h"
#include "tests/support/datagramcollector.h"
#include "tests/support/pulseaudio.h"
#include "tests/support/rigctld.h"
#include "tests/support/testenv.h"

#include <QSignalSpy>

#include <sndfile.h>
#include <sys/mount.h>

#include <cmath>
#include <optional>
#include <vector>

namespace {

const int rate = 48000;
const double toneHz = 1250;

QByteArray toneBytes(int seconds)
{
    std::vector<qint16> samples;
    for (int i = 0; i < rate * seconds; ++i) {
        const auto value = qint16(8000 * std::sin(2 * M_PI * toneHz * i / rate));
        samples.push_back(value);
        samples.push_back(value);
    }
    return QByteArray(reinterpret_cast<const char*>(samples.data()), int(samples.size() * sizeof(qint16)));
}

struct Decoded
{
    bool opened = false;
    int channels = 0;
    std::vector<qint16> samples; // interleaved
};

Decoded decodeFlac(const QString& path)
{
    Decoded decoded;
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file)
        return decoded;
    decoded.opened = (info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_FLAC;
    decoded.channels = info.channels;
    std::vector<qint16> block(4096 * size_t(info.channels));
    for (sf_count_t read; (read = sf_readf_short(file, block.data(), 4096)) > 0;)
        decoded.samples.insert(decoded.samples.end(), block.begin(), block.begin() + read * info.channels);
    sf_close(file);
    return decoded;
}

// the strongest frequency of a second of the left channel, from 100 Hz to 5 kHz in 10 Hz steps
double strongestHz(const Decoded& decoded)
{
    const size_t from = decoded.samples.size() / 2 / size_t(decoded.channels);
    double best = 0;
    double bestPower = -1;
    for (double hz = 100; hz <= 5000; hz += 10) {
        double re = 0;
        double im = 0;
        for (size_t i = 0; i < rate / 10; ++i) {
            const double value = decoded.samples[(from + i) * size_t(decoded.channels)];
            re += value * std::cos(2 * M_PI * hz * double(i) / rate);
            im += value * std::sin(2 * M_PI * hz * double(i) / rate);
        }
        if (re * re + im * im > bestPower) {
            bestPower = re * re + im * im;
            best = hz;
        }
    }
    return best;
}

} // namespace

class TestSoundRecording : public QObject
{
    Q_OBJECT
    ledraTest::PrivatePulse pulse;

    Take recordTone(int seconds, const RecorderFactory& factory, const QString& rig)
    {
        ledraTest::resetHome();
        RecordingPlan plan;
        RecordingEntry entry;
        entry.id = 1;
        entry.station = QStringLiteral("Radio Tone");
        entry.khz = 6000;
        entry.recorder = RecorderKind::Sound;
        entry.device = QStringLiteral("tone");
        entry.rig = rig;
        entry.mode = QStringLiteral("AM");
        entry.start = QDateTime::currentDateTimeUtc().addSecs(4);
        entry.stop = entry.start.addSecs(seconds);
        entry.secondsBefore = 1;
        entry.secondsAfter = 1;
        plan.entries.append(entry);
        writePlan(plan);
        RecordingTimer timer(factory);
        QSignalSpy ended(&timer, &RecordingTimer::recordingEnded);
        timer.begin();
        if (!ended.wait((seconds + 10) * 1000))
            return {};
        return ended.first().first().value<Take>();
    }

private slots:
    void initTestCase()
    {
        if (!ledraTest::PrivatePulse::installed())
            QSKIP("pulseaudio or pacat is not installed (Debian packages pulseaudio, pulseaudio-utils)");
        const QString failure = pulse.start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        pulse.play(toneBytes(60));
    }

    void recordsTheTone_data()
    {
        QTest::addColumn<bool>("qtAudio");
        QTest::addColumn<bool>("udp");
        QTest::addColumn<QString>("reason");
        // the rig's rigctl server does not answer: the recording goes on untuned and says so
        QTest::newRow("PulseAudio's simple API, rig not answering")
            << false << false << "recorded untuned: Nothing is listening at 127.0.0.1:";
        QTest::newRow("QAudioSource, rig not answering") << true << false << "recorded untuned: Nothing is listening at 127.0.0.1:";
        QTest::newRow("PulseAudio's simple API, tuned by datagrams") << false << true << "";
    }

    void recordsTheTone()
    {
        QFETCH(bool, qtAudio);
        QFETCH(bool, udp);
        QFETCH(QString, reason);
        std::optional<DatagramCollector> datagrams;
        const quint16 port = ledraTest::unusedPort();
        if (udp) {
            LEDRA_REQUIRE_PRIVATE_NETWORK();
            datagrams.emplace(port);
        }
        // both rows record in the same minute, under the same name
        QDir(recordingsFolder()).removeRecursively();
        const Take take = recordTone(2, [qtAudio](const RecordingEntry&) {
            return qtAudio ? std::unique_ptr<Recorder>(std::make_unique<AudioSourceRecorder>())
                           : std::unique_ptr<Recorder>(std::make_unique<PulseRecorder>());
        }, udp ? udpTuning(port) : ledraTest::address(port));
        QVERIFY2(take.state == TakeState::Done, qPrintable(take.reason));
        QVERIFY2(udp ? take.reason.isEmpty() : take.reason.startsWith(reason), qPrintable(take.reason));
        if (udp) {
            datagrams->settle();
            QCOMPARE(datagrams->bytes(), (QList<QByteArray>{QByteArray("mode:0\0", 7), QByteArray("ofreq:6000000\0", 14)}));
        }
        QCOMPARE(QFileInfo(take.file).fileName(), recordingFileName({1, take.airStart, {}, {}, {}}, 6000,
                                                                     QStringLiteral("Radio Tone"), QStringLiteral("flac")));
        const Decoded decoded = decodeFlac(take.file);
        QVERIFY(decoded.opened);
        QCOMPARE(decoded.channels, 2);
        const double seconds = double(decoded.samples.size()) / 2 / rate;
        QVERIFY2(std::abs(seconds - 4) < 0.5, qPrintable(QString::number(seconds)));
        QCOMPARE(strongestHz(decoded), toneHz);
        qInfo("first sample %lld ms after the planned start", take.start.msecsTo(take.began));
    }

    void fullDiskEndsTheFileCleanly()
    {
        const QByteArray recordings = recordingsFolder().toLocal8Bit();
        QDir().mkpath(recordingsFolder());
        if (qEnvironmentVariableIsSet("LEDRA_TEST_WITHOUT_NAMESPACES")
            || mount("tmpfs", recordings, "tmpfs", 0, "size=48k") != 0)
            QSKIP("needs the test command's private mount namespace");
        const auto unmount = qScopeGuard([&] { umount(recordings); });
        const Take take = recordTone(30, [](const RecordingEntry&) { return std::make_unique<PulseRecorder>(); },
                                     ledraTest::address(ledraTest::unusedPort()));
        QCOMPARE(takeStateName(take.state), QStringLiteral("failed"));
        QVERIFY2(take.reason.contains(QStringLiteral("the recording ended early: ")), qPrintable(take.reason));
        const Decoded decoded = decodeFlac(take.file);
        QVERIFY(decoded.opened);
        QVERIFY(!decoded.samples.empty());
        QCOMPARE(strongestHz(decoded), toneHz);
        qInfo("%s; %zu frames kept", qPrintable(take.reason), decoded.samples.size() / 2);
    }
};

LEDRA_TEST_MAIN(TestSoundRecording)
#include "tst_soundrecording.moc"
