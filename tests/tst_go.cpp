// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/datagramcollector.h"
#include "tests/support/testenv.h"
#include "tests/support/testwindow.h"
#include "ui_mainwindow.h"

using ledraTest::fields;

class TestGo : public QObject
{
    Q_OBJECT
private slots:
    void go_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QString>("rxPort");
        QTest::addColumn<QList<QByteArray>>("datagrams"); // to the port of rxPort, or else 58084
        QTest::addColumn<QStringList>("boxes");
        const QList<QByteArray> none;
        QTest::newRow("no row") << QList<int>{} << "" << none
                                << QStringList{"Notice: You must select a row to Go"};
        QTest::newRow("two rows") << QList<int>{0, 2} << "" << none
                                  << QStringList{"Notice: You must select only one row to Go"};
        QTest::newRow("mode, then frequency")
            << QList<int>{0} << "" << QList<QByteArray>{{"mode:3\0", 7}, {"ofreq:1110000\0", 14}} << QStringList();
        QTest::newRow("no mode, leading zero, rxPort 58083")
            << QList<int>{1} << "58083" << QList<QByteArray>{{"ofreq:01110000\0", 15}} << QStringList();
    }
    void go()
    {
        LEDRA_REQUIRE_PRIVATE_NETWORK();
        QFETCH(QList<int>, selected);
        QFETCH(QString, rxPort);
        QFETCH(QList<QByteArray>, datagrams);
        QFETCH(QStringList, boxes);
        DatagramCollector expected(rxPort == "58083" ? 58083 : 58084), other(rxPort == "58083" ? 58084 : 58083);
        ledraTest::TestWindow t({fields("1110;0000-2359;;USA;KFAB Omaha, NE;E;NAm;;3;"), fields("01110;;;;A;;;;;"),
                                 fields("7.5;;;;B;;;;;"), fields("9580;;;;C;;;;5;")});
        t.window.rxPort = rxPort;
        t.window.txPort = "58084";
        t.selectRows(selected);
        // the current cell stays in another row, as after a Ctrl+click
        QTableWidget* table = t.window.ui->thetable;
        table->selectionModel()->setCurrentIndex(table->model()->index(3, 0), QItemSelectionModel::NoUpdate);
        t.window.ui->go->click();
        QCOMPARE(t.answerer.shown(), boxes);
        for (const ReceivedDatagram& datagram : expected.settle())
            QCOMPARE(datagram.destination, QHostAddress(QHostAddress::Broadcast));
        QCOMPARE(expected.bytes(), datagrams);
        QCOMPARE(other.settle().size(), 0);
    }
};

LEDRA_TEST_MAIN(TestGo)
#include "tst_go.moc"
