#include "mainwindow.h"
#include "modalanswerer.h"
#include "testenv.h"
#include "ui_mainwindow.h"

class TestApp : public QObject
{
    Q_OBJECT
private slots:
    void firstStart();
};

void TestApp::firstStart()
{
    ledraTest::resetHome(true);
    ModalAnswerer answerer;
    MainWindow window;
    QCOMPARE(window.ui->cbMode->count(), 11);
    QCOMPARE(window.ui->cbMode->itemText(4), QStringLiteral("USB"));
    QCOMPARE(answerer.shown(), QStringList{QStringLiteral("Notice: Created folder \"") + ledraTest::documentsFolder() + '"'});
}

LEDRA_TEST_MAIN(TestApp)
#include "tst_app.moc"
