// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/core/desktopnotifier.h"
#include "log/core/receptionlog.h"
#include "log/core/reminderclock.h"
#include "tests/support/notificationserver.h"
#include "tests/support/testenv.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// 2025-06-16 is a Monday; the favourite comes on at 12:00 each day, the other at 18:00 on Mondays
const QByteArray seasonFile = "kHz:75;\n"
                              "9610;1200-1300;;ROU;RRI;E;ME;g;;;\n"
                              "6090;1800-1900;Mo;D;Other;G;Eu;;;;\n"
                              "7220;1230-1300;;D;Not starred;G;Eu;;;;\n";

QDateTime utc(const char* text)
{
    return QDateTime::fromString(QLatin1String(text), Qt::ISODate).toUTC();
}

QStringList matching(const QStringList& shown, const QString& text)
{
    QStringList found;
    for (const QString& line : shown) {
        if (line.contains(text))
            found.append(line);
    }
    return found;
}

} // namespace

class TestReminders : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (!ledraTest::NotificationServer::installed())
            QSKIP("needs dbus-daemon, dunst and Xvfb (Debian packages dbus-daemon, dunst, xvfb)");
        const QString failure = server.start();
        QVERIFY2(failure.isEmpty(), qPrintable(failure));
        ReceptionLog log;
        QVERIFY(log.setFavourite({"RRI", 9610}, true));
        QVERIFY(log.setFavourite({"Other", 6090}, true));
    }

    void init()
    {
        ReceptionLog log;
        QVERIFY(log.setSetting(remindKey, "0"));
        QVERIFY(log.setSetting(reminderLeadKey, "5"));
    }

    void capabilities()
    {
        DesktopNotifier notifier(server.bus());
        QVERIFY2(notifier.connectToServer(), qPrintable(notifier.problem()));
        QVERIFY(notifier.supportsActions());
        DesktopNotifier nobody(QDBusConnection::connectToBus("unix:path=/nonexistent/bus", "nobody"));
        QVERIFY(!nobody.connectToServer());
        QVERIFY(nobody.problem().startsWith("No session bus: "));
    }

    // off until ticked; then one notification a broadcast, the next reminder replacing it
    void remindAndReplace()
    {
        ReceptionLog log;
        DesktopNotifier notifier(server.bus());
        ReminderClock clock(&log, &notifier);
        clock.setRecords(parseSeasonFile(seasonFile).records);
        QSignalSpy notified(&notifier, &DesktopNotifier::notified);
        clock.check(utc("2025-06-16T11:54:00Z"), utc("2025-06-16T11:55:00Z"));
        QVERIFY(log.setSetting(remindKey, "1"));
        clock.check(utc("2025-06-16T17:50:00Z"), utc("2025-06-16T17:55:00Z"));
        QTRY_COMPARE(notified.count(), 1);
        clock.check(utc("2025-06-17T11:54:00Z"), utc("2025-06-17T11:55:00Z"));
        QVERIFY(log.setSetting(reminderLeadKey, "10"));
        clock.check(utc("2025-06-18T11:49:00Z"), utc("2025-06-18T11:50:00Z"));
        QTRY_COMPARE(notified.count(), 3);
        QCOMPARE(server.dunstctl({"count", "displayed"}), QByteArray("2"));
        const QStringList shown = server.closeAllAndReadHistory();
        QCOMPARE(matching(shown, "RRI"), QStringList{"RRI on 9610 kHz at 12:00 UTC | in 10 min: E to ME, until 13:00 UTC"});
        QCOMPARE(matching(shown, "Other"), QStringList{"Other on 6090 kHz at 18:00 UTC | in 5 min: G to Eu, until 19:00 UTC"});
        QVERIFY(matching(shown, "Not starred").isEmpty());
    }

    // Tune on the notification tunes the broadcast
    void tuneFromTheNotification()
    {
        ReceptionLog log;
        DesktopNotifier notifier(server.bus());
        ReminderClock clock(&log, &notifier);
        clock.setRecords(parseSeasonFile(seasonFile).records);
        QSignalSpy notified(&notifier, &DesktopNotifier::notified);
        QSignalSpy tuned(&clock, &ReminderClock::tuneRequested);
        server.dunstctl({"close-all"});
        QVERIFY(log.setSetting(remindKey, "1"));
        clock.check(utc("2025-06-19T11:54:00Z"), utc("2025-06-19T11:55:00Z"));
        QTRY_COMPARE(notified.count(), 1);
        server.dunstctl({"action", "0"});
        QTRY_COMPARE(tuned.count(), 1);
        QCOMPARE(tuned.first(), (QVariantList{"9610", ""}));
    }

private:
    ledraTest::NotificationServer server;
};

LEDRA_TEST_MAIN(TestReminders)
#include "tst_reminders.moc"
