// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/core/seasondownload.h"
#include "download/core/seasonstore.h"
#include "season/core/seasoncode.h"
#include "tests/support/datagramcollector.h"
#include "tests/support/seasonservers.h"
#include "tests/support/testenv.h"

#include <QCoreApplication>
#include <QDir>
#include <QScopeGuard>
#include <QSettings>
#include <QSignalSpy>

#include <sys/mount.h>

using ledraTest::seasonBody;

namespace {

const QString today = seasonCodeAt(QDateTime::currentDateTimeUtc());
const QByteArray keptCopy = seasonBody(ledraTest::keptRecords);

struct Download
{
    explicit Download(const QUrl& base)
    {
        download.setBaseUrl(base);
        download.setStallTimeout(500);
    }
    SeasonOutcome run()
    {
        QSignalSpy finished(&download, &SeasonDownload::finished);
        download.start(today);
        if (!finished.wait(10000))
            return {SeasonOutcome::Failed, QString(), "no end"};
        return finished.first().first().value<SeasonOutcome>();
    }
    SeasonDownload download;
};

QString failed(const QString& reason)
{
    return QStringLiteral("Could not update %1: %2").arg(seasonFileName(today), reason);
}

} // namespace

class TestSeasonDownload : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QDir(seasonFolder()).removeRecursively();
        QSettings("Morvath", "Ledra-guide").clear();
    }

    // the publisher's server as lighttpd answers: neither season's file, a new file, the same
    // file again, a newer one (the previous season's file is fetched in tst_skedupdate)
    void realServer()
    {
        LEDRA_REQUIRE_PRIVATE_NETWORK();
        ledraTest::Lighttpd server;
        LEDRA_START_LIGHTTPD(server);
        Download fetch(server.url());
        SeasonOutcome outcome = fetch.run();
        QCOMPARE(outcome.message, QString("Could not update the season schedule: neither %1 nor %2 is on the server "
                                          "(HTTP 404)").arg(seasonFileName(today), seasonFileName(previousSeason(today))));
        QVERIFY(!QDir(seasonFolder()).exists());

        server.serve("dx/" + seasonFileName(today), keptCopy);
        outcome = fetch.run();
        QCOMPARE(outcome.message, QString("Downloaded %1: 20 broadcasts").arg(seasonFileName(today)));
        QCOMPARE(outcome.kind, SeasonOutcome::Updated);
        QCOMPARE(outcome.path, ledraTest::homeFolder() + "/.local/share/Morvath/Ledra/seasons/" + seasonFileName(today));
        QCOMPARE(ledraTest::readFile(outcome.path), keptCopy);

        outcome = fetch.run();
        QCOMPARE(outcome.message, seasonFileName(today) + " is already current");
        QCOMPARE(outcome.kind, SeasonOutcome::Current);

        server.serve("dx/" + seasonFileName(today), seasonBody(21));
        QCOMPARE(fetch.run().message, QString("Downloaded %1: 21 broadcasts").arg(seasonFileName(today)));
        QCOMPARE(ledraTest::readFile(outcome.path), seasonBody(21));
        QCOMPARE(ledraTest::readFile(backupPath(outcome.path)), keptCopy);

        const QStringList log = server.stop();
        QCOMPARE(log.size(), 5);
        QCOMPARE(log[2], QString("GET /dx/%1 200 -").arg(seasonFileName(today)));
        QVERIFY2(log[3].startsWith(QString("GET /dx/%1 304 \\\"").arg(seasonFileName(today))), qPrintable(log[3]));
        QVERIFY2(log[4].startsWith(QString("GET /dx/%1 200 \\\"").arg(seasonFileName(today))), qPrintable(log[4]));
    }

    // each fault leaves the kept copy as it was and says why
    void faults_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<bool>("holdOpen");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("diskFull");
        for (const ledraTest::SeasonFault& fault : ledraTest::seasonFaults(0.5))
            QTest::newRow(fault.name) << fault.answer << fault.holdOpen << fault.reason << fault.diskFull;
    }
    void faults()
    {
        QFETCH(QByteArray, answer);
        QFETCH(bool, holdOpen);
        QFETCH(QString, reason);
        QFETCH(bool, diskFull);
        LEDRA_REQUIRE_PRIVATE_NETWORK();
        const QByteArray folder = QFile::encodeName(seasonFolder());
        QVERIFY(QDir().mkpath(seasonFolder()));
        if (diskFull && mount("tmpfs", folder, "tmpfs", 0, "size=32k") != 0)
            QSKIP("needs the test command's private mount namespace");
        const auto unmount = qScopeGuard([&] { diskFull && umount(folder); });
        ledraTest::writeFile(keptSeasonPath(today), keptCopy);
        ledraTest::writeFile(backupPath(keptSeasonPath(today)), "older");
        ledraTest::ScriptedServer server(answer, holdOpen);
        const SeasonOutcome outcome = Download(server.url()).run();
        QCOMPARE(outcome.message, failed(QString(reason).replace("PATH", keptSeasonPath(today))));
        QCOMPARE(outcome.kind, SeasonOutcome::Failed);
        QCOMPARE(ledraTest::readFile(keptSeasonPath(today)), keptCopy);
        QCOMPARE(ledraTest::readFile(backupPath(keptSeasonPath(today))), QByteArray("older"));
        QCOMPARE(QDir(seasonFolder()).entryList(QDir::Files).size(), 2);
        QCOMPARE(server.requests.size(), 1);
    }

    void hostNotFound()
    {
        LEDRA_REQUIRE_PRIVATE_NETWORK();
        const SeasonOutcome outcome = Download(QUrl("http://nosuchhost.invalid/dx/")).run();
        QCOMPARE(outcome.message, failed("Host nosuchhost.invalid not found"));
        QVERIFY(!QDir(seasonFolder()).exists());
    }

    // the system's proxy (here http_proxy) carries the request
    void throughTheProxy()
    {
        LEDRA_REQUIRE_PRIVATE_NETWORK();
        ledraTest::ScriptedServer proxy(ledraTest::httpAnswer("200 OK", "text/csv", keptCopy), false);
        qputenv("http_proxy", proxy.url().toString(QUrl::RemovePath).toUtf8());
        const auto unset = qScopeGuard([] { qunsetenv("http_proxy"); });
        QCOMPARE(Download(QUrl("http://www.eibispace.de/dx")).run().kind, SeasonOutcome::Updated);
        QCOMPARE(proxy.requests.size(), 1);
        QVERIFY2(proxy.requests[0].startsWith("GET http://www.eibispace.de/dx/" + seasonFileName(today).toUtf8() + " "),
                 proxy.requests[0].constData());
    }
};

int main(int argc, char* argv[])
{
    ledraTest::usePrivateHome();
    for (const char* name : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY", "no_proxy", "NO_PROXY"})
        qunsetenv(name);
    QCoreApplication app(argc, argv);
    TestSeasonDownload test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_seasondownload.moc"
