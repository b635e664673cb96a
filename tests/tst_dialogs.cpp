#include "datagramcollector.h"
#include "mainwindow.h"
#include "modalanswerer.h"
#include "sender.h"
#include "testenv.h"
#include "udpports.h"
#include "ui_mainwindow.h"
#include "ui_udpports.h"
#include "ui_yesno.h"
#include "yesno.h"

#include <QPushButton>

namespace {

enum class Answer { Save, Cancel, Escape, CloseWindow };

// Opens the ports dialog from the Settings menu, types the given texts (a null text leaves the
// box as it is) and presses OK or Cancel. Returns what the two boxes showed on opening.
QStringList usePortsDialog(MainWindow& window, ModalAnswerer& answerer, const QString& rx,
                           const QString& tx, bool ok)
{
    QStringList shownOnOpening;
    answerer.onDialog([&](QDialog* dialog) {
        auto* ports = qobject_cast<udpports*>(dialog);
        if (!ports) {
            dialog->reject();
            return;
        }
        shownOnOpening = {ports->ui->udprx->text(), ports->ui->udptx->text()};
        if (!rx.isNull())
            ports->ui->udprx->setText(rx);
        if (!tx.isNull())
            ports->ui->udptx->setText(tx);
        ports->ui->buttonBox->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    });
    window.ui->actionSt_UDP_Ports->trigger();
    return shownOnOpening;
}

} // namespace

Q_DECLARE_METATYPE(Answer)

class TestDialogs : public QObject
{
    Q_OBJECT
private slots:
    void yesnoAnswers_data();
    void yesnoAnswers();
    void yesnoKeepsItsSize();
    void portsDialogFreshValues();
    void portsDialogResult_data();
    void portsDialogResult();
    void nextDatagramPort_data();
    void nextDatagramPort();
};

void TestDialogs::yesnoAnswers_data()
{
    QTest::addColumn<Answer>("answer");
    QTest::addColumn<int>("result");
    QTest::newRow("Save") << Answer::Save << 1;
    QTest::newRow("Cancel") << Answer::Cancel << 0;
    QTest::newRow("Escape") << Answer::Escape << 0;
    QTest::newRow("window closed") << Answer::CloseWindow << 0;
}

void TestDialogs::yesnoAnswers()
{
    QFETCH(Answer, answer);
    QFETCH(int, result);

    ModalAnswerer answerer;
    QString shownText;
    QString shownTitle;
    answerer.onDialog([&](QDialog* dialog) {
        auto* question = qobject_cast<yesno*>(dialog);
        if (!question) {
            dialog->reject();
            return;
        }
        shownText = question->ui->fileName->text();
        shownTitle = question->windowTitle();
        switch (answer) {
        case Answer::Save:
            question->ui->buttonBox->button(QDialogButtonBox::Save)->click();
            break;
        case Answer::Cancel:
            question->ui->buttonBox->button(QDialogButtonBox::Cancel)->click();
            break;
        case Answer::Escape:
            QTest::keyClick(question, Qt::Key_Escape);
            break;
        case Answer::CloseWindow:
            question->close();
            break;
        }
    });

    yesno question;
    question.InitDlg(QStringLiteral("Overwrite \"notes.txt\"?"));
    QCOMPARE(question.exec(), result);
    QCOMPARE(answerer.dialogsSeen, 1);
    QCOMPARE(shownText, QStringLiteral("Overwrite \"notes.txt\"?"));
    QCOMPARE(shownTitle, QStringLiteral("Please Confirm"));
}

void TestDialogs::yesnoKeepsItsSize()
{
    yesno question;
    question.InitDlg(QStringLiteral("Overwrite \"") + QString(300, QLatin1Char('x'))
                     + QStringLiteral(".txt\"?"));
    question.show();
    QVERIFY(QTest::qWaitForWindowExposed(&question));
    QCOMPARE(question.size(), QSize(475, 101));
    QCOMPARE(question.ui->fileName->geometry(), QRect(11, 20, 451, 20));
    QCOMPARE(question.ui->fileName->alignment(), Qt::AlignCenter);
}

void TestDialogs::portsDialogFreshValues()
{
    ledraTest::resetHome();
    ModalAnswerer answerer;
    MainWindow window;
    const QStringList shown = usePortsDialog(window, answerer, QString(), QString(), false);
    QCOMPARE(shown, (QStringList{QStringLiteral("58084"), QStringLiteral("58083")}));
    QCOMPARE(answerer.dialogsSeen, 1);
}

void TestDialogs::portsDialogResult_data()
{
    QTest::addColumn<QString>("rx");
    QTest::addColumn<QString>("tx");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("rxAfter");
    QTest::addColumn<QString>("txAfter");

    QTest::newRow("edited, Cancel") << "58083" << "40000" << false << "1234" << "4321";
    QTest::newRow("edited, OK") << "58083" << "40000" << true << "58083" << "40000";
    QTest::newRow("receive emptied, OK") << "" << QString() << true << "" << "4321";
    QTest::newRow("send only, OK") << QString() << "58084" << true << "1234" << "58084";
    QTest::newRow("not a number, OK") << " 7x " << QString() << true << " 7x " << "4321";
    QTest::newRow("unedited, OK") << QString() << QString() << true << "1234" << "4321";
}

void TestDialogs::portsDialogResult()
{
    QFETCH(QString, rx);
    QFETCH(QString, tx);
    QFETCH(bool, ok);
    QFETCH(QString, rxAfter);
    QFETCH(QString, txAfter);

    ledraTest::resetHome();
    ModalAnswerer answerer;
    MainWindow window;
    window.rxPort = QStringLiteral("1234");
    window.txPort = QStringLiteral("4321");
    const QStringList shown = usePortsDialog(window, answerer, rx, tx, ok);
    QCOMPARE(shown, (QStringList{QStringLiteral("1234"), QStringLiteral("4321")}));
    QCOMPARE(window.rxPort, rxAfter);
    QCOMPARE(window.txPort, txAfter);
}

void TestDialogs::nextDatagramPort_data()
{
    QTest::addColumn<QString>("rx");
    QTest::addColumn<QString>("tx");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("port");

    QTest::newRow("58083, OK") << "58083" << QString() << true << 58083;
    QTest::newRow("58083, Cancel") << "58083" << QString() << false << 58084;
    QTest::newRow("empty, OK") << "" << QString() << true << 58084;
    QTest::newRow("abc, OK") << "abc" << QString() << true << 58084;
    QTest::newRow("70000, OK") << "70000" << QString() << true << 58084;
    QTest::newRow("0, OK") << "0" << QString() << true << 58084;
    QTest::newRow("-1, OK") << "-1" << QString() << true << 58084;
    QTest::newRow("send port changed only") << QString() << "58083" << true << 58084;
}

void TestDialogs::nextDatagramPort()
{
    LEDRA_REQUIRE_PRIVATE_NETWORK();
    QFETCH(QString, rx);
    QFETCH(QString, tx);
    QFETCH(bool, ok);
    QFETCH(int, port);

    ledraTest::resetHome();
    ModalAnswerer answerer;
    MainWindow window;
    DatagramCollector at58083(58083);
    DatagramCollector at58084(58084);
    QVERIFY(at58083.isListening());
    QVERIFY(at58084.isListening());

    usePortsDialog(window, answerer, rx, tx, ok);
    window.sender.broadcastDatagram(QStringLiteral("ofreq:1110000"));

    DatagramCollector& expected = port == 58083 ? at58083 : at58084;
    DatagramCollector& other = port == 58083 ? at58084 : at58083;
    expected.waitFor(1);
    QCOMPARE(other.settle().size(), 0);
    QCOMPARE(expected.settle().size(), 1);
    QCOMPARE(expected.bytes().first(), QByteArray("ofreq:1110000\0", 14));
    QCOMPARE(expected.settle().first().destination, QHostAddress(QHostAddress::Broadcast));
}

LEDRA_TEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
