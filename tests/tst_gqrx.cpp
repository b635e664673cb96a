// SPDX-License-Identifier: GPL-3.0-or-later
#include "radiolink/riglink.h"
#include "tests/support/datagramcollector.h"
#include "tests/support/gqrx.h"
#include "tests/support/rigctld.h"
#include "tests/support/testenv.h"
#include "tests/support/testwindow.h"
#include "ui_mainwindow.h"

#include <QSignalSpy>
#include <QStatusBar>
#include <QTimer>

using ledraTest::fields;

namespace {

// USB, AM, LSB, SAM and RTTY rows, and one without a mode
const QList<QStringList> rows{fields("7300;;;;A;;;;3;"), fields("9420;;;;B;;;;0;"), fields("6070;;;;C;;;;4;"),
                              fields("9420;;;;D;;;;1;"), fields("9420;;;;E;;;;8;"), fields("11780;;;;F;;;;;")};

// Go on one row; true once the status bar or a box has answered it
bool go(ledraTest::TestWindow& t, int row)
{
    t.window.statusBar()->clearMessage();
    const qsizetype boxes = t.answerer.boxes.size();
    t.selectRows({row});
    t.window.ui->go->click();
    return QTest::qWaitFor(
        [&] { return !t.window.statusBar()->currentMessage().isEmpty() || t.answerer.boxes.size() > boxes; },
        10000);
}

} // namespace

// Go against the real gqrx over its remote control, as Settings > Receiver... links it.
class TestGqrx : public QObject
{
    Q_OBJECT
    ledraTest::Gqrx gqrx;

    QString address() const { return ledraTest::address(gqrx.port); }

private slots:
    void initTestCase()
    {
        LEDRA_REQUIRE_PRIVATE_NETWORK();
        LEDRA_START_GQRX(gqrx);
    }

    void modes_data()
    {
        QTest::addColumn<QList<int>>("clicked"); // the rows, one Go after the other
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("frequency"); // as gqrx tells it afterwards
        QTest::addColumn<QString>("mode");
        QTest::newRow("AM after USB") << QList<int>{0, 1} << "Tuned to 9420 kHz AM" << "9420000" << "AM";
        QTest::newRow("LSB after AM") << QList<int>{1, 2} << "Tuned to 6070 kHz LSB" << "6070000" << "LSB";
        QTest::newRow("USB after LSB") << QList<int>{2, 0} << "Tuned to 7300 kHz USB" << "7300000" << "USB";
        QTest::newRow("SAM, which gqrx calls AMS")
            << QList<int>{1, 3} << "Tuned to 9420 kHz; the receiver stayed in AM (it did not take SAM)" << "9420000"
            << "AM";
        QTest::newRow("RTTY, which gqrx lacks")
            << QList<int>{0, 4} << "Tuned to 9420 kHz; the receiver stayed in USB (it did not take RTTY)"
            << "9420000" << "USB";
        QTest::newRow("no mode keeps it") << QList<int>{2, 5} << "Tuned to 11780 kHz" << "11780000" << "LSB";
    }
    void modes()
    {
        QFETCH(QList<int>, clicked);
        QFETCH(QString, status);
        ledraTest::TestWindow t(rows);
        ledraTest::useHamlib(t.window, address());
        for (int row : clicked)
            QVERIFY(go(t, row));
        QCOMPARE(t.window.statusBar()->currentMessage(), status);
        QCOMPARE(t.answerer.shown(), QStringList());
        QTEST(gqrx.ask("f").value(0), "frequency");
        const QStringList mode = gqrx.ask("m");
        QCOMPARE(mode.size(), 2);
        QTEST(mode.first(), "mode");
        // gqrx takes a passband of -1 as one, and its filter then passes nothing
        QVERIFY2(mode.last().toInt() > 0, qPrintable(mode.last()));
    }

    // gqrx serves one client and drops the one before when another connects
    void anotherClientBetweenGos()
    {
        ledraTest::TestWindow t(rows);
        ledraTest::useHamlib(t.window, address());
        QVERIFY(go(t, 0));
        QCOMPARE(gqrx.ask("f"), QStringList{"7300000"});
        QVERIFY(go(t, 1));
        QCOMPARE(t.window.statusBar()->currentMessage(), "Tuned to 9420 kHz AM");
        QCOMPARE(t.answerer.shown(), QStringList());
    }

    void stoppedAndStartedAgain()
    {
        ledraTest::TestWindow t(rows);
        ledraTest::useHamlib(t.window, address());
        QVERIFY(go(t, 0));
        gqrx.stop();
        QVERIFY(go(t, 1));
        QCOMPARE(t.answerer.shown(),
                 QStringList{"Receiver: Nothing is listening at " + address() + " (connection refused)"});
        QCOMPARE(gqrx.start(), QString());
        QVERIFY(go(t, 1));
        QCOMPARE(t.window.statusBar()->currentMessage(), "Tuned to 9420 kHz AM");
    }

    // a hung gqrx still accepts connections and never answers; a Follow read is under way
    void frozenWhileReading()
    {
        ledraTest::TestWindow t(rows);
        ledraTest::useHamlib(t.window, address());
        QVERIFY(go(t, 0));
        gqrx.freeze();
        QSignalSpy readFailed(t.rigLink(), &RigLink::frequencyReadFailed);
        t.rigLink()->readFrequency();
        QTest::qWait(300);
        t.selectRows({1});
        t.window.ui->go->click();
        bool windowAnswered = false;
        QTimer::singleShot(0, &t.window, [&] { windowAnswered = true; });
        QTRY_VERIFY(windowAnswered);
        QCOMPARE(t.answerer.boxes.size(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(t.answerer.boxes.size(), 1, 10000);
        QCOMPARE(t.answerer.shown(), QStringList{"Receiver: " + address() + " did not answer within 3 s"});
        // the read made way for the tune rather than holding it up
        QCOMPARE(readFailed.size(), 0);
        gqrx.thaw();
        QVERIFY(go(t, 1));
        QCOMPARE(t.window.statusBar()->currentMessage(), "Tuned to 9420 kHz AM");
    }
};

LEDRA_TEST_MAIN(TestGqrx)
#include "tst_gqrx.moc"
