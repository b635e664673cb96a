// SPDX-License-Identifier: GPL-3.0-or-later
// ledra-sked --update and ledra-sked without a file, run as a user runs them
#include "datagramcollector.h"
#include "rigctld.h"
#include "seasoncode.h"
#include "seasonservers.h"
#include "testenv.h"

#include <QDir>
#include <QProcess>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <sys/mount.h>

using ledraTest::seasonBody;

namespace {

const QString today = seasonCodeAt(QDateTime::currentDateTimeUtc());
const QString previous = previousSeason(today);
const QByteArray keptCopy = seasonBody(ledraTest::keptRecords);

// a user's home of its own for each case
struct Home
{
    QString seasons() const { return folder.path() + "/.local/share/Morvath/Ledra/seasons"; }
    QString kept(const QString& season) const { return seasons() + "/sked-" + season + ".csv"; }

    // runs ledra-sked while this process goes on serving
    int run(const QStringList& arguments)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "http_proxy", "HTTP_PROXY", "all_proxy"})
            environment.remove(name);
        environment.insert("HOME", folder.path());
        QProcess sked;
        sked.setProcessEnvironment(environment);
        QSignalSpy finished(&sked, &QProcess::finished);
        sked.start(LEDRA_SKED, arguments);
        if (!finished.wait(20000))
            return -1;
        out = sked.readAllStandardOutput();
        err = QString::fromUtf8(sked.readAllStandardError());
        return sked.exitStatus() == QProcess::NormalExit ? sked.exitCode() : -1;
    }

    QTemporaryDir folder;
    QByteArray out;
    QString err;
};

QString line(const QString& text)
{
    return "ledra-sked: " + text + "\n";
}

QString couldNot(const QString& reason)
{
    return line(QString("Could not update sked-%1.csv: %2").arg(today, reason));
}

} // namespace

class TestSkedUpdate : public QObject
{
    Q_OBJECT
private slots:
    // the well-behaved answers, from lighttpd
    void realServer_data()
    {
        QTest::addColumn<QString>("served"); // the season whose file the server has
        QTest::addColumn<int>("runs");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("keptSeason");
        QTest::addColumn<QString>("err");
        QTest::newRow("new file") << today << 1 << 0 << today
                                  << line(QString("Downloaded sked-%1.csv: 20 broadcasts").arg(today));
        QTest::newRow("unchanged file") << today << 2 << 0 << today
                                        << line(QString("sked-%1.csv is already current").arg(today));
        QTest::newRow("previous season") << previous << 1 << 0 << previous
                                         << line(QString("Downloaded sked-%1.csv: 20 broadcasts (sked-%2.csv is not "
                                                         "on the server yet)").arg(previous, today));
        QTest::newRow("neither") << "" << 1 << 2 << ""
                                 << line(QString("Could not update the season schedule: neither sked-%1.csv nor "
                                                 "sked-%2.csv is on the server (HTTP 404)").arg(today, previous));
    }
    void realServer()
    {
        QFETCH(QString, served);
        QFETCH(int, runs);
        QFETCH(int, status);
        QFETCH(QString, keptSeason);
        QFETCH(QString, err);
        LEDRA_REQUIRE_PRIVATE_NETWORK();
        ledraTest::Lighttpd server;
        LEDRA_START_LIGHTTPD(server);
        if (!served.isEmpty())
            server.serve("dx/sked-" + served + ".csv", keptCopy);
        Home home;
        for (int run = 1; run < runs; ++run)
            QCOMPARE(home.run({"--update", "--season-url", server.url().toString()}), 0);
        QCOMPARE(home.run({"--update", "--season-url", server.url().toString()}), status);
        QCOMPARE(home.err, err);
        QCOMPARE(home.out, keptSeason.isEmpty() ? QByteArray() : (home.kept(keptSeason) + "\n").toUtf8());
        QCOMPARE(ledraTest::readFile(home.kept(keptSeason)), keptSeason.isEmpty() ? QByteArray() : keptCopy);
        if (runs == 2)
            QVERIFY(server.stop().last().contains(" 304 "));
    }

    // every failure keeps the copy there was: 1 and its path where there is one, else 2
    void faults_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<bool>("holdOpen");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("diskFull");
        QTest::addColumn<bool>("copyKept");
        for (const ledraTest::SeasonFault& fault : ledraTest::seasonFaults(0.5))
            QTest::newRow(fault.name) << fault.answer << fault.holdOpen << fault.reason << fault.diskFull << true;
        const ledraTest::SeasonFault broken = ledraTest::seasonFaults(0.5).first();
        QTest::newRow("HTTP 500, no copy") << broken.answer << false << broken.reason << false << false;
        QTest::newRow("connection refused") << QByteArray() << false << "Connection refused" << false << true;
    }
    void faults()
    {
        QFETCH(QByteArray, answer);
        QFETCH(bool, holdOpen);
        QFETCH(QString, reason);
        QFETCH(bool, diskFull);
        QFETCH(bool, copyKept);
        LEDRA_REQUIRE_PRIVATE_NETWORK();
        Home home;
        QVERIFY(QDir().mkpath(home.seasons()));
        const QByteArray folder = QFile::encodeName(home.seasons());
        if (diskFull && mount("tmpfs", folder, "tmpfs", 0, "size=32k") != 0)
            QSKIP("needs the test command's private mount namespace");
        const auto unmount = qScopeGuard([&] { diskFull && umount(folder); });
        const QString keptPath = home.kept(today);
        if (copyKept)
            ledraTest::writeFile(keptPath, keptCopy);
        ledraTest::ScriptedServer server(answer, holdOpen);
        const QString url = answer.isEmpty() ? QString("http://127.0.0.1:%1/").arg(ledraTest::unusedPort())
                                             : server.url().toString();
        QCOMPARE(home.run({"--update", "--timeout", "0.5", "--season-url", url}), copyKept ? 1 : 2);
        QCOMPARE(home.err, couldNot(QString(reason).replace("PATH", home.kept(today))));
        QCOMPARE(home.out, copyKept ? (keptPath + "\n").toUtf8() : QByteArray());
        QCOMPARE(ledraTest::readFile(keptPath), copyKept ? keptCopy : QByteArray());
        QCOMPARE(QDir(home.seasons()).entryList(QDir::Files).size(), copyKept ? 1 : 0);
    }

    void badValues_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("err");
        QTest::newRow("not a web address") << QStringList{"--season-url", "ftp://example.org/dx/"}
                                           << "bad value \"ftp://example.org/dx/\" for --season-url: expected an http:// "
                                              "or https:// address";
        QTest::newRow("timeout") << QStringList{"--timeout", "0"}
                                 << "bad value \"0\" for --timeout: expected seconds, at most 3600";
    }
    void badValues()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, err);
        Home home;
        QCOMPARE(home.run(QStringList{"--update"} + options), 2);
        QCOMPARE(home.err, line(err));
        QVERIFY(!QDir(home.seasons()).exists());
    }

    void withoutFile_data()
    {
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("read");   // the season whose file is read
        QTest::addColumn<QString>("err");
        const QString oldSeason = previousSeason(previous);
        QTest::newRow("none kept") << QStringList() << 2 << "" << line("no season file: name one, or run ledra-sked --update");
        QTest::newRow("today's") << QStringList{previous, today} << 0 << today << "";
        QTest::newRow("an old one") << QStringList{oldSeason, previous} << 0 << previous
                                    << line(seasonNote("sked-" + previous + ".csv", QDateTime::currentDateTimeUtc()));
    }
    void withoutFile()
    {
        QFETCH(QStringList, kept);
        QFETCH(int, status);
        QFETCH(QString, read);
        QFETCH(QString, err);
        Home home;
        for (const QString& season : kept)
            ledraTest::writeFile(home.kept(season), "kHz:75;\n6000;0000-0100;;D;" + season.toUtf8() + ";E;Eu;;;;\n");
        QCOMPARE(home.run({}), status);
        QCOMPARE(home.out, read.isEmpty() ? QByteArray() : "6000;0000-0100;;D;" + read.toUtf8() + ";E;Eu;;;\n");
        QCOMPARE(home.err, status ? err : err + line("1 records read, 0 skipped, 0 impossible dates, 0 inactive; "
                                                     "1 printed, 0 of them rounded to whole kHz"));
    }
};

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    TestSkedUpdate test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_skedupdate.moc"
