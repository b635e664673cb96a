// SPDX-License-Identifier: GPL-3.0-or-later
// ledra-sked --update and ledra-sked without a file, run as a user runs them: the exit status,
// the printed path and the messages (the download's own faults are checked in tst_seasondownload)
#include "season/core/seasoncode.h"
#include "tests/support/datagramcollector.h"
#include "tests/support/seasonservers.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>

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

// "the summer 2026 schedule", "the winter 2026/27 schedule", written out here
QString described(const QString& season)
{
    const int year = 2000 + season.mid(1).toInt();
    return season.startsWith('a') ? QString("the summer %1 schedule").arg(year)
                                  : QString("the winter %1/%2 schedule").arg(year).arg((year + 1) % 100, 2, 10, QChar('0'));
}

} // namespace

class TestSkedUpdate : public QObject
{
    Q_OBJECT
private slots:
    // lighttpd with only the previous season's file: downloaded, then found current; 0 and its path
    void realServer()
    {
        LEDRA_REQUIRE_PRIVATE_NETWORK();
        ledraTest::Lighttpd server;
        LEDRA_START_LIGHTTPD(server);
        server.serve("dx/sked-" + previous + ".csv", keptCopy);
        Home home;
        const QStringList update{"--update", "--season-url", server.url().toString()};
        QCOMPARE(home.run(update), 0);
        QCOMPARE(home.err, line(QString("Downloaded sked-%1.csv: 20 broadcasts (sked-%2.csv is not on the server yet)")
                                    .arg(previous, today)));
        QCOMPARE(home.out, (home.kept(previous) + "\n").toUtf8());
        QCOMPARE(home.run(update), 0);
        QCOMPARE(home.err, line(QString("sked-%1.csv is already current").arg(previous)));
        QCOMPARE(home.out, (home.kept(previous) + "\n").toUtf8());
        QCOMPARE(ledraTest::readFile(home.kept(previous)), keptCopy);
        QVERIFY(!QFile::exists(home.kept(today)));
        QVERIFY(server.stop().last().contains(" 304 "));
    }

    // a failure keeps the copy there was: 1 and its path where there is one, else 2
    void faults_data()
    {
        QTest::addColumn<QString>("fault"); // one of seasonFaults
        QTest::addColumn<bool>("copyKept");
        QTest::newRow("HTTP 500") << "HTTP 500" << true;
        QTest::newRow("HTTP 500, no copy") << "HTTP 500" << false;
        QTest::newRow("stalls past --timeout") << "stalls" << true;
    }
    void faults()
    {
        QFETCH(QString, fault);
        QFETCH(bool, copyKept);
        LEDRA_REQUIRE_PRIVATE_NETWORK();
        ledraTest::SeasonFault played{};
        for (const ledraTest::SeasonFault& each : ledraTest::seasonFaults(0.5))
            played = each.name == fault ? each : played;
        Home home;
        const QString keptPath = home.kept(today);
        if (copyKept)
            ledraTest::writeFile(keptPath, keptCopy);
        ledraTest::ScriptedServer server(played.answer, played.holdOpen);
        QCOMPARE(home.run({"--update", "--timeout", "0.5", "--season-url", server.url().toString()}), copyKept ? 1 : 2);
        QCOMPARE(home.err, line(QString("Could not update sked-%1.csv: %2").arg(today, played.reason)));
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
        QTest::newRow("an old one") << QStringList{oldSeason, previous} << 0 << previous
                                    << line(QString("sked-%1.csv is %2; today is in %3").arg(previous, described(previous), today));
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
