// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/notificationserver.h"

#include <QDBusConnectionInterface>
#include <QDeadlineTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QThread>

namespace ledraTest {

namespace {

const char* const busName = "ledra-test-notifications";

void stopProcess(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished();
    }
}

} // namespace

NotificationServer::~NotificationServer()
{
    QDBusConnection::disconnectFromBus(QLatin1String(busName));
    stopProcess(dunst);
    stopProcess(daemon);
}

bool NotificationServer::installed()
{
    for (const char* program : {"dbus-daemon", "dunst", "dunstctl", "Xvfb"}) {
        if (QStandardPaths::findExecutable(QLatin1String(program)).isEmpty())
            return false;
    }
    return true;
}

QProcessEnvironment NotificationServer::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);
    env.insert(QStringLiteral("DISPLAY"), display.name());
    return env;
}

QString NotificationServer::start()
{
    const QString failure = display.start();
    if (!failure.isEmpty())
        return failure;
    address = QStringLiteral("unix:path=") + folder.filePath(QStringLiteral("bus"));
    daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                 QStringLiteral("--address=") + address});
    QDeadlineTimer deadline(10000);
    while (!QFile::exists(folder.filePath(QStringLiteral("bus"))) && !deadline.hasExpired())
        QThread::msleep(20);
    if (!QFile::exists(folder.filePath(QStringLiteral("bus"))))
        return QStringLiteral("dbus-daemon did not start: ") + QString::fromLocal8Bit(daemon.readAllStandardError());
    const QString config = folder.filePath(QStringLiteral("dunstrc"));
    QFile rc(config);
    if (!rc.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write dunstrc");
    rc.write("[global]\n    follow = none\n[urgency_low]\n    timeout = 0\n[urgency_normal]\n    timeout = 0\n");
    rc.close();
    dunst.setProcessEnvironment(environment());
    dunst.start(QStringLiteral("dunst"), {QStringLiteral("-conf"), config});
    QDBusConnection connection = bus();
    while (!deadline.hasExpired()) {
        if (connection.interface()->isServiceRegistered(QStringLiteral("org.freedesktop.Notifications")))
            return QString();
        QThread::msleep(20);
    }
    return QStringLiteral("dunst did not take the notification service: ") + QString::fromLocal8Bit(dunst.readAllStandardError());
}

QDBusConnection NotificationServer::bus() const
{
    return QDBusConnection::connectToBus(address, QLatin1String(busName));
}

QByteArray NotificationServer::dunstctl(const QStringList& arguments)
{
    QProcess control;
    control.setProcessEnvironment(environment());
    control.start(QStringLiteral("dunstctl"), arguments);
    control.waitForFinished();
    return control.readAllStandardOutput().trimmed();
}

QStringList NotificationServer::closeAllAndReadHistory()
{
    dunstctl({QStringLiteral("close-all")});
    const QJsonArray kept = QJsonDocument::fromJson(dunstctl({QStringLiteral("history")}))
                                .object().value(QStringLiteral("data")).toArray().at(0).toArray();
    QStringList shown;
    for (const QJsonValue& notification : kept) {
        const QJsonObject fields = notification.toObject();
        shown.append(fields.value(QStringLiteral("summary")).toObject().value(QStringLiteral("data")).toString()
                     + QStringLiteral(" | ")
                     + fields.value(QStringLiteral("body")).toObject().value(QStringLiteral("data")).toString());
    }
    return shown;
}

} // namespace ledraTest
