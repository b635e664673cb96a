// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/pulseaudio.h"

#include "tests/support/testenv.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>

namespace ledraTest {

PrivatePulse::PrivatePulse()
    : folder(QDir::tempPath() + QStringLiteral("/ledra-pulse-XXXXXX"))
{
    QDir(folder.path()).mkpath(QStringLiteral("run"));
    // PulseAudio refuses a runtime folder that others may read
    QFile::setPermissions(folder.path() + QStringLiteral("/run"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    server.setProcessChannelMode(QProcess::MergedChannels);
}

PrivatePulse::~PrivatePulse()
{
    player.kill();
    player.waitForFinished();
    server.terminate();
    if (!server.waitForFinished(5000))
        server.kill();
    server.waitForFinished();
}

bool PrivatePulse::installed()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty()
           && !QStandardPaths::findExecutable(QStringLiteral("pacat")).isEmpty();
}

QString PrivatePulse::start()
{
    server.setProcessEnvironment(environment());
    // Qt Multimedia lists no monitor sources: "tone" passes the monitor on as a source of its own
    server.start(QStringLiteral("pulseaudio"), {"--daemonize=no", "--exit-idle-time=-1", "-n", "--load=module-null-sink",
                                                "--load=module-remap-source master=null.monitor source_name=tone",
                                                "--load=module-native-protocol-unix", "--disable-shm"});
    const QString socket = folder.path() + QStringLiteral("/run/pulse/native");
    if (!QTest::qWaitFor([&] { return QFileInfo::exists(socket) || server.state() == QProcess::NotRunning; }, 10000)
        || !QFileInfo::exists(socket))
        return QStringLiteral("pulseaudio did not start: ") + QString::fromLocal8Bit(server.readAll());
    qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
    return QString();
}

void PrivatePulse::play(const QByteArray& samples)
{
    const QString path = folder.path() + QStringLiteral("/played.raw");
    writeFile(path, samples);
    player.setProcessEnvironment(environment());
    // a short latency: the sink's monitor delivers in blocks as long as its players ask for
    player.start(QStringLiteral("pacat"),
                 {"--playback", "--latency-msec=50", "--raw", "--format=s16le", "--rate=48000", "--channels=2", path});
    player.waitForStarted();
}

QProcessEnvironment PrivatePulse::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), folder.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder.path() + QStringLiteral("/run"));
    return environment;
}

} // namespace ledraTest
