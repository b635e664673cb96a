// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/core/seasondownload.h"
#include "download/core/seasonstore.h"
#include "season/core/seasoncode.h"
#include "tests/support/datagramcollector.h"
#include "tests/support/seasonservers.h"
#include "tests/support/testenv.h"
#include "tests/support/testwindow.h"
#include "ui_mainwindow.h"

#include <QCheckBox>
#include <QDir>
#include <QInputDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>

using ledraTest::GuideTestWindow;

namespace {

const QString today = seasonCodeAt(QDateTime::currentDateTimeUtc());
const QString todaysFile = seasonFileName(today);

// the guide's downloads go to base
void downloadFrom(const QUrl& base)
{
    QSettings("Morvath", "Ledra-guide").setValue("seasonBaseUrl", base.toString());
}

QString status(GuideTestWindow& t)
{
    return t.child<QLabel>("guideUpdateStatus")->text();
}

} // namespace

class TestSeasonUpdater : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QDir(seasonFolder()).removeRecursively();
        QSettings("Morvath", "Ledra-guide").clear();
    }

    // nothing is asked of the network until the user asks
    // the empty guide's offer downloads from a real server and shows the file; Update then costs
    // one short exchange (the exchange itself is checked in tst_seasondownload) and shows it again
    void offerThenUpdate()
    {
        LEDRA_REQUIRE_PRIVATE_NETWORK();
        ledraTest::Lighttpd server;
        LEDRA_START_LIGHTTPD(server);
        server.serve("dx/" + todaysFile, ledraTest::seasonBody(20));
        downloadFrom(server.url());
        GuideTestWindow t;
        QCOMPARE(t.child<QLabel>("guideNoFile")->text(), "No season schedule is open.");
        auto* offer = t.child<QPushButton>("guideDownloadCurrent");
        QCOMPARE(offer->text(), "Download the current season schedule (" + todaysFile + ")");
        QVERIFY(offer->isVisible());
        QVERIFY(!t.child<QCheckBox>("guideAutoUpdate")->isChecked());
        QTest::qWait(200);

        offer->click();
        QTRY_COMPARE(t.count(), "20 of 20 broadcasts; " + todaysFile + " is " + seasonDescription(today));
        QVERIFY(!offer->isVisible());
        QCOMPARE(status(t), "Downloaded " + todaysFile + ": 20 broadcasts");
        QCOMPARE(QSettings("Morvath", "Ledra-guide").value("lastFile").toString(), keptSeasonPath(today));

        ledraTest::writeFile(ledraTest::homeFolder() + "/other.csv", ledraTest::seasonBody(3));
        QVERIFY(t.guide->openFile(ledraTest::homeFolder() + "/other.csv"));
        auto* update = t.child<QPushButton>("guideUpdate");
        QCOMPARE(update->text(), "Update season schedule");
        update->click();
        QTRY_COMPARE(status(t), todaysFile + " is already current");
        QCOMPARE(t.count(), "20 of 20 broadcasts; " + todaysFile + " is " + seasonDescription(today));
        QCOMPARE(t.answerer.shown(), QStringList());
        // nothing was asked before the click
        QCOMPARE(server.stop().size(), 2);
    }

    void progressAndCancel()
    {
        LEDRA_REQUIRE_PRIVATE_NETWORK();
        const QByteArray body = ledraTest::seasonBody(200);
        ledraTest::ScriptedServer server(ledraTest::httpAnswer("200 OK", "text/csv", body.left(1000), body.size()), true);
        downloadFrom(server.url());
        GuideTestWindow t;
        auto* progress = t.child<QProgressBar>("guideUpdateProgress");
        auto* cancel = t.child<QPushButton>("guideUpdateCancel");
        QVERIFY(!progress->isVisible());
        t.child<QPushButton>("guideUpdate")->click();
        QTRY_COMPARE(progress->text(), QString("1000 of %1 bytes").arg(body.size()));
        QVERIFY(cancel->isVisible());
        QVERIFY(!t.child<QPushButton>("guideUpdate")->isEnabled());
        cancel->click();
        QTRY_COMPARE(status(t), "Update of " + todaysFile + " cancelled");
        QVERIFY(!progress->isVisible());
        QVERIFY(!cancel->isVisible());
        QVERIFY(t.child<QPushButton>("guideUpdate")->isEnabled());
        QVERIFY(t.child<QPushButton>("guideDownloadCurrent")->isVisible());
        QVERIFY(!QDir(seasonFolder()).exists());
    }

    // a failure leaves the guide as it was and says why next to the button
    void failureKeepsTheShownFile()
    {
        LEDRA_REQUIRE_PRIVATE_NETWORK();
        ledraTest::writeFile(keptSeasonPath(today), ledraTest::seasonBody(20));
        ledraTest::ScriptedServer server(ledraTest::seasonFaults(1).first().answer, false);
        downloadFrom(server.url());
        GuideTestWindow t;
        QVERIFY(t.guide->openFile(keptSeasonPath(today)));
        t.child<QPushButton>("guideUpdate")->click();
        QTRY_VERIFY(!status(t).isEmpty());
        QCOMPARE(status(t), "Could not update " + todaysFile + ": the server answered HTTP 500 Internal Server Error");
        QCOMPARE(t.count(), "20 of 20 broadcasts; " + todaysFile + " is " + seasonDescription(today));
        QCOMPARE(t.answerer.shown(), QStringList());
    }

    void dailyCheck_data()
    {
        QTest::addColumn<bool>("ticked");
        QTest::addColumn<int>("hoursSinceCheck"); // -1: never checked
        QTest::addColumn<int>("requests");
        QTest::newRow("off") << false << -1 << 0;
        QTest::newRow("never checked") << true << -1 << 1;
        QTest::newRow("checked an hour ago") << true << 1 << 0;
    }
    void dailyCheck()
    {
        QFETCH(bool, ticked);
        QFETCH(int, hoursSinceCheck);
        QFETCH(int, requests);
        LEDRA_REQUIRE_PRIVATE_NETWORK();
        ledraTest::ScriptedServer server(ledraTest::httpAnswer("200 OK", "text/csv", ledraTest::seasonBody(20)), false);
        QSettings("Morvath", "Ledra-guide").setValue("seasonAutoUpdate", ticked);
        if (hoursSinceCheck >= 0)
            QSettings("Morvath", "Ledra-guide").setValue("seasonLastCheck", QDateTime::currentDateTimeUtc().addSecs(-3600 * hoursSinceCheck));
        downloadFrom(server.url());
        GuideTestWindow t;
        QCOMPARE(t.child<QCheckBox>("guideAutoUpdate")->isChecked(), ticked);
        if (requests)
            QTRY_COMPARE(t.count(), "20 of 20 broadcasts; " + todaysFile + " is " + seasonDescription(today));
        // opened again the same day
        t.guide->hide();
        t.window.ui->actionSeasonSchedule->trigger();
        QTest::qWait(200);
        QCOMPARE(server.requests.size(), requests);
        t.child<QCheckBox>("guideAutoUpdate")->setChecked(!ticked);
        QCOMPARE(QSettings("Morvath", "Ledra-guide").value("seasonAutoUpdate").toBool(), !ticked);
    }

    void address_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("accept");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("boxes");
        const QString before = "http://127.0.0.1:1/dx/";
        QTest::newRow("another folder") << "http://example.org/sked/" << true << "http://example.org/sked/" << QStringList();
        QTest::newRow("empty: the publisher's") << "" << true << "http://www.eibispace.de/dx/" << QStringList();
        QTest::newRow("not a web address") << "ftp://example.org/" << true << before
                                           << QStringList{"error: \"ftp://example.org/\" is not an http:// or https:// address"};
        QTest::newRow("cancelled") << "http://example.org/" << false << before << QStringList();
    }
    void address()
    {
        QFETCH(QString, typed);
        QFETCH(bool, accept);
        QFETCH(QString, stored);
        QFETCH(QStringList, boxes);
        downloadFrom(QUrl("http://127.0.0.1:1/dx/"));
        GuideTestWindow t;
        QString offered;
        t.answerer.onDialog([&](QDialog* dialog) {
            auto* input = qobject_cast<QInputDialog*>(dialog);
            offered = input->textValue();
            input->setTextValue(typed);
            accept ? input->accept() : input->reject();
        });
        t.child<QPushButton>("guideSeasonUrl")->click();
        QCOMPARE(offered, "http://127.0.0.1:1/dx/");
        QCOMPARE(storedSeasonBaseUrl().toString(), stored);
        QCOMPARE(t.answerer.shown(), boxes);
    }
};

LEDRA_TEST_MAIN(TestSeasonUpdater)
#include "tst_seasonupdater.moc"
