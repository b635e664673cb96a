// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/rigctld.h"

#include "app/mainwindow.h"
#include "radiolink/riglink.h"

#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>

namespace ledraTest {

QString address(quint16 port)
{
    return QStringLiteral("127.0.0.1:") + QString::number(port);
}

quint16 unusedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return server.serverPort();
}

QStringList rigctl(quint16 port, const QStringList& commands)
{
    QProcess process;
    process.start(QStringLiteral("rigctl"), QStringList{"-m", "2", "-r", address(port)} + commands);
    process.waitForFinished();
    return QString::fromLatin1(process.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void useHamlib(MainWindow& window, const QString& address)
{
    ReceiverSettings settings;
    settings.hamlib = true;
    settings.hamlibPort = address;
    window.findChild<RigLink*>()->setSettings(settings);
}

bool rigctldInstalled()
{
    return !QStandardPaths::findExecutable(QStringLiteral("rigctld")).isEmpty();
}

Rigctld::~Rigctld()
{
    process.kill();
    process.waitForFinished();
}

QString waitForListener(quint16 port, const QString& name)
{
    QTcpSocket probe;
    for (int attempt = 0; attempt < 100 && probe.state() != QAbstractSocket::ConnectedState; ++attempt) {
        probe.connectToHost(QHostAddress::LocalHost, port);
        if (!probe.waitForConnected(100))
            QTest::qWait(100);
    }
    return probe.state() == QAbstractSocket::ConnectedState ? QString() : name + QStringLiteral(" does not listen");
}

QString Rigctld::start()
{
    port = unusedPort();
    process.start(QStringLiteral("rigctld"), {"-m", "1", "-T", "127.0.0.1", "-t", QString::number(port)});
    return process.waitForStarted() ? waitForListener(port, QStringLiteral("rigctld")) : process.errorString();
}

} // namespace ledraTest
