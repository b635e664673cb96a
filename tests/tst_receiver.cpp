// SPDX-License-Identifier: GPL-3.0-or-later
#include "radiolink/receiverdialog.h"
#include "radiolink/riglink.h"
#include "tests/support/datagramcollector.h"
#include "tests/support/rigctld.h"
#include "tests/support/testenv.h"
#include "tests/support/testwindow.h"
#include "ui_mainwindow.h"
#include "ui_receiverdialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QSettings>
#include <QStatusBar>
#include <QTcpServer>
#include <QTcpSocket>

using ledraTest::address;
using ledraTest::fields;
using ledraTest::rigctl;
using ledraTest::unusedPort;
using ledraTest::useHamlib;

namespace {

// Opens Settings > Receiver..., lets drive work on the dialog, then closes it.
void openReceiverDialog(ledraTest::TestWindow& t, const std::function<void(ReceiverDialog*)>& drive)
{
    t.answerer.onDialog([&](QDialog* dialog) {
        drive(qobject_cast<ReceiverDialog*>(dialog));
        if (dialog->isVisible())
            dialog->reject();
    });
    t.window.ui->actionReceiver->trigger();
}

// one command line straight to rigctld, which answers it with "RPRT 0"
QByteArray sendLine(quint16 port, const QByteArray& line)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    socket.waitForConnected(3000);
    socket.write(line + '\n');
    socket.waitForReadyRead(3000);
    return socket.readAll();
}

} // namespace

class TestReceiver : public QObject
{
    Q_OBJECT
    ledraTest::Rigctld rigctld;
    quint16 rigPort = 0;

private slots:
    void initTestCase()
    {
        LEDRA_REQUIRE_PRIVATE_NETWORK();
        LEDRA_START_RIGCTLD(rigctld);
        rigPort = rigctld.port;
    }
    void init()
    {
        QSettings(QStringLiteral("Morvath"), QStringLiteral("Ledra-receiver")).clear();
    }

    void go_data()
    {
        QTest::addColumn<QList<int>>("rows"); // clicked with Go one after the other
        QTest::addColumn<QStringList>("readBack");
        QTest::addColumn<QString>("status");
        QTest::newRow("a row without mode keeps the mode")
            << QList<int>{0, 1} << QStringList{"6070000", "LSB"} << "Tuned to 6070 kHz";
        QTest::newRow("kHz with a fraction, USB")
            << QList<int>{2} << QStringList{"9420500", "USB"} << "Tuned to 9420.5 kHz USB";
    }
    void go()
    {
        QFETCH(QList<int>, rows);
        QFETCH(QStringList, readBack);
        QFETCH(QString, status);
        DatagramCollector orvane(58084);
        ledraTest::TestWindow t({fields("7300;;;;A;;;;4;"), fields("6070;;;;B;;;;;"), fields("9420.5;;;;C;;;;3;")});
        useHamlib(t.window, address(rigPort));
        for (int row : rows) {
            t.selectRows({row});
            t.window.ui->go->click();
        }
        QTRY_COMPARE(t.window.statusBar()->currentMessage(), status);
        QCOMPARE(rigctl(rigPort, {"f", "m"}).mid(0, 2), readBack);
        QCOMPARE(t.answerer.shown(), QStringList());
        QCOMPARE(orvane.settle().size(), 0);
    }

    void failure_data()
    {
        QTest::addColumn<int>("backlog"); // of a port that listens but never accepts; -1: nothing listens
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("box");
        QTest::newRow("nothing listens") << -1 << 2 << "Receiver: Nothing is listening at %1 (connection refused)";
        QTest::newRow("connects, never answers") << 50 << 2 << "Receiver: %1 did not answer within 3 s";
        // a full queue drops the connection request unanswered, as a vanished host does
        QTest::newRow("connection never completes") << 0 << 2 << "Receiver: %1 did not answer within 3 s";
        // Hamlib's own network links (here FLRig's) connect without a time limit of their own
        QTest::newRow("Hamlib's link, connection never completes")
            << 0 << 4 << "Receiver: %1 did not answer within 3 s";
    }
    void failure()
    {
        QFETCH(int, backlog);
        QFETCH(int, model);
        QFETCH(QString, box);
        QTcpServer silent;
        silent.setMaxPendingConnections(0);
        silent.setListenBacklogSize(std::max(backlog, 0));
        silent.listen(QHostAddress::LocalHost);
        const quint16 port = backlog >= 0 ? silent.serverPort() : unusedPort();
        QTcpSocket queueFiller;
        queueFiller.connectToHost(QHostAddress::LocalHost, port);
        queueFiller.waitForConnected(1000);
        const QList<QStringList> rows{fields("9420;;;;A;;;;0;")};
        ledraTest::TestWindow t(rows);
        useHamlib(t.window, address(port));
        ReceiverSettings settings = t.rigLink()->settings();
        settings.hamlibModel = model;
        t.rigLink()->setSettings(settings);
        t.selectRows({0});
        t.window.ui->go->click();
        QTRY_COMPARE_WITH_TIMEOUT(t.answerer.boxes.size(), 1, 8000);
        QCOMPARE(t.answerer.shown(), QStringList{box.arg(address(port))});
        QCOMPARE(t.window.statusBar()->currentMessage(), QString());
        QCOMPARE(t.rows(), QList<QStringList>{rows.first()});
        QVERIFY(!t.window.isWindowModified());
        // the window goes on, and the rig is opened again once it answers
        useHamlib(t.window, address(rigPort));
        t.window.ui->go->click();
        QTRY_COMPARE(t.window.statusBar()->currentMessage(), "Tuned to 9420 kHz AM");
    }

    // rigctld's dummy rig with its mode locked takes the mode command and keeps its mode
    void modeReadBackDiffers()
    {
        rigctl(rigPort, {"M", "USB", "0"});
        QCOMPARE(sendLine(rigPort, "\\set_lock_mode 1"), "RPRT 0\n");
        ledraTest::TestWindow t({fields("9420;;;;A;;;;0;")});
        useHamlib(t.window, address(rigPort));
        t.selectRows({0});
        t.window.ui->go->click();
        QTRY_VERIFY(!t.window.statusBar()->currentMessage().isEmpty());
        sendLine(rigPort, "\\set_lock_mode 0");
        QCOMPARE(t.window.statusBar()->currentMessage(), "Tuned to 9420 kHz; the receiver stayed in USB (it did not take AM)");
        QCOMPARE(t.answerer.shown(), QStringList());
    }

    // serial rigs take the same road through Hamlib itself
    void goOnHamlibsOwnDummyRig()
    {
        ledraTest::TestWindow t({fields("9420;;;;A;;;;0;")});
        ReceiverSettings dummy;
        dummy.hamlib = true;
        dummy.hamlibModel = 1;
        t.rigLink()->setSettings(dummy);
        t.selectRows({0});
        t.window.ui->go->click();
        QTRY_COMPARE(t.window.statusBar()->currentMessage(), "Tuned to 9420 kHz AM");
        QCOMPARE(t.answerer.shown(), QStringList());
    }

    void settingsSurviveRestart()
    {
        QStringList shown;
        {
            ledraTest::TestWindow t;
            openReceiverDialog(t, [&](ReceiverDialog* dialog) {
                dialog->ui->receiverLink->setCurrentIndex(1);
                dialog->ui->rigModelFind->setText("icom ");
                shown.append(dialog->ui->rigModel->currentText());
                dialog->ui->rigModelFind->setText("net RIGCTL");
                for (int i = 0; i < dialog->ui->rigModel->count(); ++i)
                    shown.append(dialog->ui->rigModel->itemText(i));
                dialog->ui->rigPort->setText(" /dev/ttyUSB1 ");
                dialog->ui->rigSpeed->setCurrentText("19200");
                dialog->ui->buttonBox->button(QDialogButtonBox::Ok)->click();
            });
        }
        QCOMPARE(shown, (QStringList{"Icom IC ID-1 (3054)", "Hamlib NET rigctl (2)"}));
        const QSettings store(QStringLiteral("Morvath"), QStringLiteral("Ledra-receiver"));
        QStringList stored;
        for (const QString& key : store.allKeys())
            stored.append(key + '=' + store.value(key).toString());
        QCOMPARE(stored, (QStringList{"hamlibModel=2", "hamlibPort=/dev/ttyUSB1", "hamlibSpeed=19200",
                                      "link=hamlib"}));

        ledraTest::TestWindow restarted;
        QVERIFY(restarted.rigLink()->hamlibActive());
        openReceiverDialog(restarted, [&](ReceiverDialog* dialog) {
            shown = QStringList{dialog->ui->receiverLink->currentText(), dialog->ui->rigModel->currentText(),
                                dialog->ui->rigPort->text(), dialog->ui->rigSpeed->currentText()};
        });
        QCOMPARE(shown, (QStringList{"Hamlib rig", "Hamlib NET rigctl (2)", "/dev/ttyUSB1", "19200"}));
    }

    void testButton_data()
    {
        QTest::addColumn<QString>("find"); // typed to choose the model
        QTest::addColumn<QString>("port"); // "rigctld", "closed" or as typed
        QTest::addColumn<QString>("status");
        QTest::newRow("rigctld") << "NET rigctl" << "rigctld" << "Rig on 3330 kHz CW";
        QTest::newRow("nothing listens")
            << "NET rigctl" << "closed" << "Nothing is listening at %1 (connection refused)";
        QTest::newRow("dummy rig in Ledra itself") << "Hamlib Dummy" << "" << "Rig on 145000 kHz FM";
    }
    void testButton()
    {
        QFETCH(QString, find);
        QFETCH(QString, port);
        QFETCH(QString, status);
        rigctl(rigPort, {"M", "CW", "0", "F", "3330000"});
        if (port == "rigctld" || port == "closed")
            port = address(port == "rigctld" ? rigPort : unusedPort());
        ledraTest::TestWindow t;
        QStringList shown;
        openReceiverDialog(t, [&](ReceiverDialog* dialog) {
            dialog->ui->rigModelFind->setText(find);
            dialog->ui->rigPort->setText(port);
            dialog->ui->rigTest->click();
            // the dialog goes on while the rig thread works
            shown.append(dialog->ui->rigStatus->text());
            QTRY_VERIFY(dialog->ui->rigTest->isEnabled());
            shown.append(dialog->ui->rigStatus->text());
        });
        QCOMPARE(shown, (QStringList{"Testing...", QString(status).replace("%1", port)}));
        QVERIFY(!t.rigLink()->hamlibActive());
    }
};

LEDRA_TEST_MAIN(TestReceiver)
#include "tst_receiver.moc"
