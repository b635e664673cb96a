// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tests/support/x11display.h"

#include <QByteArray>
#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace ledraTest {

// Debian's notification server dunst on a private session bus (dbus-daemon --session) and a
// private Xvfb, its notifications kept until closed.
class NotificationServer
{
public:
    ~NotificationServer();

    // dbus-daemon, dunst and Xvfb are installed
    static bool installed();

    // an empty text once dunst owns org.freedesktop.Notifications on the bus, else why not
    QString start();
    // a connection of the test's own to the private bus
    QDBusConnection bus() const;
    // dunstctl's output for the arguments ("count displayed", "history", "action 0")
    QByteArray dunstctl(const QStringList& arguments);
    // the summaries and bodies of the notifications dunst keeps, the newest first, once
    // dunstctl close-all has moved those shown into its history
    QStringList closeAllAndReadHistory();

private:
    QProcessEnvironment environment() const;

    QTemporaryDir folder;
    X11Display display;
    QProcess daemon;
    QProcess dunst;
    QString address;
};

} // namespace ledraTest
