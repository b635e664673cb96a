// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/gqrx.h"

#include "tests/support/rigctld.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTcpSocket>
#include <QtEndian>

#include <cmath>
#include <csignal>
#include <vector>

namespace ledraTest {

namespace {

const int sampleRate = 96000;

// A tenth of a second of a tone 10 kHz above the centre, as interleaved 32-bit float I/Q; gqrx
// loops it.
QByteArray toneSamples()
{
    std::vector<float> samples;
    const int count = sampleRate / 10;
    for (int i = 0; i < count; ++i) {
        const double phase = 2 * M_PI * 10000.0 * i / sampleRate;
        samples.push_back(float(0.1 * std::cos(phase)));
        samples.push_back(float(0.1 * std::sin(phase)));
    }
    return QByteArray(reinterpret_cast<const char*>(samples.data()), int(samples.size() * sizeof(float)));
}

// crashed=false spares the dialog gqrx shows after an unclean end; a low FFT rate keeps it quiet
QByteArray settingsText(const QString& iqFile, quint16 port)
{
    return QStringLiteral("[General]\n"
                          "configversion=3\n"
                          "crashed=false\n"
                          "\n"
                          "[input]\n"
                          "device=\"file=%1,rate=%2,repeat=true,throttle=true\"\n"
                          "sample_rate=%2\n"
                          "frequency=10000000\n"
                          "ignore_limits=true\n"
                          "\n"
                          "[output]\n"
                          "device=\"\"\n"
                          "\n"
                          "[receiver]\n"
                          "demod=USB\n"
                          "\n"
                          "[fft]\n"
                          "fft_rate=5\n"
                          "fft_size=1024\n"
                          "\n"
                          "[remote_control]\n"
                          "enabled=true\n"
                          "port=%3\n"
                          "allowed_hosts=127.0.0.1, ::1, ::ffff:127.0.0.1\n")
        .arg(iqFile)
        .arg(sampleRate)
        .arg(port)
        .toUtf8();
}

QByteArray readExactly(QTcpSocket& socket, int size)
{
    const QDeadlineTimer deadline(3000);
    while (socket.bytesAvailable() < size && !deadline.hasExpired()) {
        if (!socket.waitForReadyRead(int(deadline.remainingTime())))
            break;
    }
    return socket.read(size);
}

// The lines of one answer: what arrives until the server has been quiet for a moment.
QStringList readAnswer(QTcpSocket& socket)
{
    QByteArray answer;
    if (socket.waitForReadyRead(3000)) {
        do
            answer += socket.readAll();
        while (socket.waitForReadyRead(200));
    }
    return QString::fromLatin1(answer).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

Gqrx::Gqrx()
    : folder(QDir::tempPath() + QStringLiteral("/ledra-gqrx-XXXXXX"))
{
    QDir(folder.path()).mkpath(QStringLiteral("home/.config/gqrx"));
    QDir(folder.path()).mkpath(QStringLiteral("run"));
    // PulseAudio refuses a runtime folder that others may read
    QFile::setPermissions(folder.path() + QStringLiteral("/run"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    audio.setProcessChannelMode(QProcess::MergedChannels);
    gqrx.setProcessChannelMode(QProcess::MergedChannels);
}

Gqrx::~Gqrx()
{
    stop();
    audio.terminate();
    if (!audio.waitForFinished(5000))
        audio.kill();
    audio.waitForFinished();
}

bool Gqrx::installed()
{
    return !QStandardPaths::findExecutable(QStringLiteral("gqrx")).isEmpty()
           && !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty();
}

QString Gqrx::home() const
{
    return folder.path() + QStringLiteral("/home");
}

QString Gqrx::configFolder() const
{
    return home() + QStringLiteral("/.config/gqrx");
}

QString Gqrx::start()
{
    if (!port) {
        port = unusedPort();
        screenPort = unusedPort();
    }
    const QString iqFile = folder.path() + QStringLiteral("/tone.cf32");
    QFile samples(iqFile);
    if (!samples.exists() && !(samples.open(QIODevice::WriteOnly) && samples.write(toneSamples()) > 0))
        return QStringLiteral("cannot write %1").arg(iqFile);
    samples.close();
    QFile settings(configFolder() + QStringLiteral("/default.conf"));
    if (!settings.open(QIODevice::WriteOnly) || settings.write(settingsText(iqFile, port)) < 0)
        return QStringLiteral("cannot write %1").arg(settings.fileName());
    settings.close();
    const QString audioFailure = startAudio();
    if (!audioFailure.isEmpty())
        return audioFailure;
    gqrx.setProcessEnvironment(environment());
    gqrx.setWorkingDirectory(configFolder());
    gqrx.start(QStringLiteral("gqrx"), {QStringLiteral("-c"), QStringLiteral("default.conf")});
    if (!gqrx.waitForStarted())
        return gqrx.errorString();
    return waitUntilAnswering();
}

QString Gqrx::startAudio()
{
    if (audio.state() == QProcess::Running)
        return QString();
    audio.setProcessEnvironment(environment());
    audio.start(QStringLiteral("pulseaudio"),
                {"--daemonize=no", "--exit-idle-time=-1", "-n", "--load=module-null-sink",
                 "--load=module-native-protocol-unix", "--disable-shm"});
    if (!audio.waitForStarted())
        return QStringLiteral("pulseaudio did not start: ") + audio.errorString();
    const QString socket = folder.path() + QStringLiteral("/run/pulse/native");
    const QDeadlineTimer deadline(10000);
    while (!QFileInfo::exists(socket) && audio.state() == QProcess::Running && !deadline.hasExpired())
        QTest::qWait(50);
    if (!QFileInfo::exists(socket))
        return QStringLiteral("pulseaudio did not start: ") + QString::fromLocal8Bit(audio.readAll());
    return QString();
}

// gqrx opens its remote control a few seconds after it starts, later on a busy machine
QString Gqrx::waitUntilAnswering()
{
    const QDeadlineTimer deadline(60000);
    while (gqrx.state() == QProcess::Running && !deadline.hasExpired()) {
        if (!ask(QStringLiteral("f")).isEmpty())
            return QString();
        QTest::qWait(200);
    }
    const QString why = gqrx.state() == QProcess::Running ? QStringLiteral("its remote control never answered")
                                                          : QStringLiteral("it ended");
    return why + QStringLiteral("; it printed: ") + output();
}

void Gqrx::stop()
{
    if (gqrx.state() == QProcess::NotRunning)
        return;
    thaw();
    const quint32 control = 0xffe3;
    if (!(pressKeys({{control, 'q'}}) && gqrx.waitForFinished(10000))) {
        gqrx.kill();
        gqrx.waitForFinished();
    }
    output();
}

// a minimal RFB 3.3 client: versions, security "none", the shared flag, the server's init (24
// bytes and its name), then the key events
bool Gqrx::pressKeys(const QList<QList<quint32>>& chords)
{
    QTcpSocket screen;
    screen.connectToHost(QStringLiteral("127.0.0.1"), screenPort);
    if (!screen.waitForConnected(3000) || readExactly(screen, 12).size() != 12)
        return false;
    screen.write("RFB 003.003\n");
    if (readExactly(screen, 4) != QByteArray("\0\0\0\1", 4))
        return false;
    screen.write("\1");
    const QByteArray init = readExactly(screen, 24);
    if (init.size() != 24)
        return false;
    readExactly(screen, int(qFromBigEndian<quint32>(init.constData() + 20)));
    const auto press = [&screen](quint32 key, char down) {
        char event[8] = {4, down, 0, 0};
        qToBigEndian(key, event + 4);
        screen.write(event, sizeof event);
    };
    for (const QList<quint32>& chord : chords) {
        for (quint32 key : chord)
            press(key, 1);
        for (auto key = chord.crbegin(); key != chord.crend(); ++key)
            press(*key, 0);
    }
    return screen.waitForBytesWritten(3000) || screen.bytesToWrite() == 0;
}

void Gqrx::freeze()
{
    signal(SIGSTOP);
}

void Gqrx::thaw()
{
    signal(SIGCONT);
}

void Gqrx::signal(int number)
{
    if (gqrx.processId() > 0)
        ::kill(pid_t(gqrx.processId()), number);
}

QStringList Gqrx::ask(const QString& command) const
{
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!socket.waitForConnected(3000))
        return {};
    socket.write(command.toLatin1() + '\n');
    return readAnswer(socket);
}

QString Gqrx::output()
{
    printed += QString::fromLocal8Bit(gqrx.readAll());
    return printed;
}

QProcessEnvironment Gqrx::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home() + QStringLiteral("/.config"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.path() + QStringLiteral("/run"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"),
                       QStringLiteral("vnc:size=1024x768:port=%1").arg(screenPort));
    return environment;
}

} // namespace ledraTest
