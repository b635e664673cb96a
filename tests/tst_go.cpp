#include "datagramcollector.h"
#include "mainwindow.h"
#include "modalanswerer.h"
#include "testenv.h"
#include "ui_mainwindow.h"

#include <QItemSelectionModel>
#include <QTableWidget>

namespace {

void selectRows(MainWindow& window, const QList<int>& rows)
{
    QTableWidget* table = window.ui->thetable;
    table->clearSelection();
    for (int row : rows)
        table->selectionModel()->select(table->model()->index(row, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

QByteArray datagram(const char* text)
{
    return QByteArray(text, int(qstrlen(text)) + 1);
}

} // namespace

class TestGo : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void needsOneSelectedRow_data();
    void needsOneSelectedRow();
    void tuneDatagrams_data();
    void tuneDatagrams();
    void selectedRowNotCurrentRow();
    void receivePort_data();
    void receivePort();
};

void TestGo::init()
{
    LEDRA_REQUIRE_PRIVATE_NETWORK();
    ledraTest::resetHome();
    ledraTest::writeFile(ledraTest::documentsFolder() + "/orvane-swbc-sked.txt",
                         "1110;0000-2359;;USA;KFAB Omaha, NE;E;NAm;;3;\n"
                         "01110;;;;A;;;;;\n"
                         "7.5;;;;B;;;;;\n"
                         "14230;;;;C;;;;4;\n"
                         "9580\n");
}

void TestGo::needsOneSelectedRow_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QString>("box");
    QTest::newRow("none") << QList<int>{} << "Notice: You must select a row to Go";
    QTest::newRow("two") << QList<int>{0, 3} << "Notice: You must select only one row to Go";
}

void TestGo::needsOneSelectedRow()
{
    QFETCH(QList<int>, rows);
    QFETCH(QString, box);
    DatagramCollector collector(58084);
    ModalAnswerer answerer;
    MainWindow window;
    selectRows(window, rows);
    window.ui->thetable->setCurrentCell(1, 2, QItemSelectionModel::Select);
    window.ui->go->click();
    QCOMPARE(answerer.shown(), QStringList{box});
    QCOMPARE(collector.settle().size(), 0);
}

void TestGo::tuneDatagrams_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QList<QByteArray>>("datagrams");
    QTest::newRow("mode, then frequency") << 0 << QList<QByteArray>{datagram("mode:3"), datagram("ofreq:1110000")};
    QTest::newRow("leading zero as typed") << 1 << QList<QByteArray>{datagram("ofreq:01110000")};
    QTest::newRow("decimal as typed") << 2 << QList<QByteArray>{datagram("ofreq:7.5000")};
    QTest::newRow("short row") << 4 << QList<QByteArray>{datagram("ofreq:9580000")};
}

void TestGo::tuneDatagrams()
{
    QFETCH(int, row);
    QFETCH(QList<QByteArray>, datagrams);
    DatagramCollector collector(58084);
    ModalAnswerer answerer;
    MainWindow window;
    selectRows(window, {row});
    window.ui->go->click();
    collector.waitFor(datagrams.size());
    QCOMPARE(collector.settle().size(), datagrams.size());
    QCOMPARE(collector.bytes(), datagrams);
    QCOMPARE(answerer.shown(), QStringList());
}

void TestGo::selectedRowNotCurrentRow()
{
    DatagramCollector collector(58084);
    ModalAnswerer answerer;
    MainWindow window;
    QTableWidget* table = window.ui->thetable;
    // as after a Ctrl+click that selected row 3 and a second one that took it back
    selectRows(window, {0});
    table->selectionModel()->setCurrentIndex(table->model()->index(3, 0), QItemSelectionModel::NoUpdate);
    QCOMPARE(table->currentRow(), 3);
    window.ui->go->click();
    collector.waitFor(2);
    QCOMPARE(collector.settle().size(), 2);
    QCOMPARE(collector.bytes(), (QList<QByteArray>{datagram("mode:3"), datagram("ofreq:1110000")}));
}

void TestGo::receivePort_data()
{
    QTest::addColumn<QString>("rxPort");
    QTest::addColumn<int>("port");
    QTest::newRow("58083") << "58083" << 58083;
    QTest::newRow("not a number") << "abc" << 58084;
    QTest::newRow("empty") << "" << 58084;
}

void TestGo::receivePort()
{
    QFETCH(QString, rxPort);
    QFETCH(int, port);
    DatagramCollector expected{quint16(port)};
    DatagramCollector other{quint16(port == 58084 ? 58083 : 58084)};
    ModalAnswerer answerer;
    MainWindow window;
    window.rxPort = rxPort;
    window.txPort = QStringLiteral("58084");
    selectRows(window, {1});
    window.ui->go->click();
    const QList<ReceivedDatagram> received = expected.waitFor(1);
    QCOMPARE(received.size(), 1);
    QCOMPARE(received.first().bytes, datagram("ofreq:01110000"));
    QCOMPARE(received.first().destination, QHostAddress(QHostAddress::Broadcast));
    QCOMPARE(other.settle().size(), 0);
}

LEDRA_TEST_MAIN(TestGo)
#include "tst_go.moc"
