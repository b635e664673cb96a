#include "mainwindow.h"
#include "modalanswerer.h"
#include "testenv.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHelpEvent>
#include <QMenuBar>
#include <QProcess>
#include <QSettings>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolTip>

#include <cstdio>

namespace {

const char* const childStartVariable = "LEDRA_TEST_CHILD_START";

// Where a test window starts with an empty schedule and no message about it.
void prepareDocuments(bool removeFolder = false)
{
    ledraTest::resetHome(removeFolder);
    if (!removeFolder)
        ledraTest::writeFile(ledraTest::documentsFolder() + "/orvane-swbc-sked.txt", QByteArray());
}

void storeSettings(const QVariantMap& values)
{
    QSettings settings;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        settings.setValue(it.key(), it.value());
}

QVariant storedValue(const QString& key)
{
    return QSettings().value(key);
}

QString separator()
{
    return QStringLiteral("-------------------------------\n");
}

} // namespace

class TestApp : public QObject
{
    Q_OBJECT

private slots:
    void firstStartShowsDefaults();
    void missingDocumentsFolderIsCreated();
    void uncreatableDocumentsFolderEndsStart();
    void exitWritesEveryKey();
    void storedValuesComeBack();
    void storedValuesOutOfRange_data();
    void storedValuesOutOfRange();
    void modeIsNotStored();
    void preCapturesPresets();
    void presetsOverrideStoredIndexesAtStart();
    void helpAndAboutTexts_data();
    void helpAndAboutTexts();
    void windowLimits();
    void tableRefusesEditingAndSorting();
    void udpPortsActionRunsOncePerTrigger();
    void toolTipSwitch_data();
    void toolTipSwitch();
};

void TestApp::firstStartShowsDefaults()
{
    prepareDocuments();
    ModalAnswerer answerer;
    MainWindow window;

    QCOMPARE(answerer.shown(), QStringList());
    QCOMPARE(window.windowTitle(), QStringLiteral("Ledra Editor for Orvane and Pelkin 0.1m"));
    for (QCheckBox* box : {window.ui->checkBox, window.ui->confirm, window.ui->clear, window.ui->preset})
        QVERIFY2(!box->isChecked(), qPrintable(box->objectName()));
    QCOMPARE(window.ui->cbTo->currentText(), QStringLiteral("(North) America(s)"));
    QCOMPARE(window.ui->cbFrom->currentText(), QStringLiteral("United States of America"));
    QCOMPARE(window.ui->cbLang->currentText(),
             QStringLiteral("English: UK (60m), USA (225m), India (200m), others [eng]"));
    QCOMPARE(window.toCode, QStringLiteral("NAm"));
    QCOMPARE(window.fromCode, QStringLiteral("USA"));
    QCOMPARE(window.langCode, QStringLiteral("E"));
    for (QComboBox* box : {window.ui->cbTx, window.ui->cbFor, window.ui->cbMode}) {
        QCOMPARE(box->currentIndex(), 0);
        QCOMPARE(box->currentText(), QStringLiteral("None"));
    }
    QVERIFY(window.txCode.isEmpty());
    QVERIFY(window.forCode.isEmpty());
    QVERIFY(window.modeCode.isEmpty());
}

void TestApp::missingDocumentsFolderIsCreated()
{
    prepareDocuments(true);
    ModalAnswerer answerer;
    MainWindow window;

    QVERIFY(QFileInfo(ledraTest::documentsFolder()).isDir());
    QVERIFY(!answerer.boxes.isEmpty());
    QCOMPARE(answerer.boxes.first().title, QStringLiteral("Notice"));
    QCOMPARE(answerer.boxes.first().text,
             QStringLiteral("Created folder \"") + ledraTest::documentsFolder() + QLatin1Char('"'));
    QCOMPARE(answerer.boxes.first().icon, QMessageBox::Information);
    QCOMPARE(answerer.boxes.first().parent, nullptr);
}

void TestApp::uncreatableDocumentsFolderEndsStart()
{
    QTemporaryDir home;
    // a plain file where the folder should be: the folder can be neither found nor made
    ledraTest::writeFile(home.path() + "/Documents", "not a folder");
    const QString storeFile = home.path() + "/config/Morvath/Ledra.conf";
    const QByteArray storedBefore = "[General]\nINTfrom=3\n";
    ledraTest::writeFile(storeFile, storedBefore);

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(childStartVariable), QStringLiteral("1"));
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path() + "/config");
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(60000));

    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 255); // exit(-1) as the system reports it
    const QString expected = QStringLiteral("warning|Notice|could not create folder \"") + home.path()
                             + QStringLiteral("/Documents\"\n");
    QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()), expected);
    QCOMPARE(ledraTest::readFile(storeFile), storedBefore);
    QCOMPARE(QDir(home.path() + "/config/Morvath").entryList(QDir::Files), QStringList{"Ledra.conf"});
}

void TestApp::exitWritesEveryKey()
{
    prepareDocuments();
    {
        ModalAnswerer answerer;
        MainWindow window;
    }
    const QVariantMap expected{
        {"SORTonSAVE", "0"},      {"CONFIRMafterSAVE", "0"},
        {"USEtoolTIPS", "1"},     {"INTto", "9"},
        {"INTfrom", "271"},       {"INTtx", "0"},
        {"INTlang", "133"},       {"INTfor", "0"},
        {"INTclear", "0"},        {"INTpreset", "0"},
        {"DEFlang", "0"},         {"DEFto", "0"},
        {"DEFfrom", "0"},         {"DEFmode", "0"},
        {"DEFtx", "0"},           {"DEFfor", "0"},
        {"QSFpath", ledraTest::documentsFolder()},
        {"QSFfile", "extra-swbc-sked.txt"},
        {"QSFfilt", ".txt"},      {"QSFconf", "0"},
        {"QSFenfo", "0"},         {"QSFrfol", "1"},
        {"QSFrfil", "1"},         {"QSFsort", "2"},
        {"QSudprxport", "58084"}, {"QSudptxport", "58083"},
    };
    QSettings settings;
    QStringList keys = settings.allKeys();
    keys.sort();
    QStringList expectedKeys = expected.keys();
    expectedKeys.sort();
    QCOMPARE(keys, expectedKeys);
    for (const QString& key : expectedKeys)
        QCOMPARE(settings.value(key).toString(), expected.value(key).toString());
}

void TestApp::storedValuesComeBack()
{
    prepareDocuments();
    {
        ModalAnswerer answerer;
        MainWindow window;
        window.ui->cbFor->setCurrentIndex(141);
        window.ui->cbTx->setCurrentIndex(5);
        window.ui->cbTo->setCurrentIndex(31);
        window.ui->confirm->click();
        window.ui->clear->click();
        window.rxPort = QStringLiteral("50000");
    }
    ModalAnswerer answerer;
    MainWindow window;
    QCOMPARE(window.ui->cbFor->currentIndex(), 141);
    QCOMPARE(window.forCode, QStringLiteral("SWE"));
    QCOMPARE(window.forIndex, 141);
    QCOMPARE(window.ui->cbTx->currentIndex(), 5);
    QCOMPARE(window.txCode, QStringLiteral("ct"));
    QCOMPARE(window.toCode, QStringLiteral("CIS"));
    QVERIFY(window.ui->confirm->isChecked());
    QVERIFY(window.ui->clear->isChecked());
    QVERIFY(!window.ui->preset->isChecked());
    QCOMPARE(window.rxPort, QStringLiteral("50000"));
}

void TestApp::storedValuesOutOfRange_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("comboName");
    QTest::addColumn<int>("shownIndex");
    QTest::addColumn<QString>("writtenBack");

    QTest::newRow("index past the end") << "INTlang" << QVariant(521) << "cbLang" << -1 << "-1";
    QTest::newRow("negative index") << "INTto" << QVariant(-7) << "cbTo" << -1 << "-1";
    QTest::newRow("last index") << "INTtx" << QVariant(1032) << "cbTx" << 1032 << "1032";
    QTest::newRow("index not a number") << "INTfrom" << QVariant("abc") << "cbFrom" << 0 << "0";
    QTest::newRow("check box 2") << "CONFIRMafterSAVE" << QVariant(2) << "" << 0 << "2";
    QTest::newRow("check box not a number") << "INTclear" << QVariant("yes") << "" << 0 << "0";
}

void TestApp::storedValuesOutOfRange()
{
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    QFETCH(QString, comboName);
    QFETCH(int, shownIndex);
    QFETCH(QString, writtenBack);

    prepareDocuments();
    storeSettings({{key, stored}});
    {
        ModalAnswerer answerer;
        MainWindow window;
        if (comboName.isEmpty()) {
            QVERIFY(!window.ui->confirm->isChecked());
            QVERIFY(!window.ui->clear->isChecked());
        } else {
            auto* box = window.findChild<QComboBox*>(comboName);
            QCOMPARE(box->currentIndex(), shownIndex);
            if (shownIndex == -1)
                QCOMPARE(box->currentText(), QString());
        }
        if (key == "INTlang") {
            QCOMPARE(window.langCode, QString());
            QCOMPARE(window.langIndex, -1);
        }
    }
    QCOMPARE(storedValue(key).toString(), writtenBack);
}

void TestApp::modeIsNotStored()
{
    prepareDocuments();
    {
        ModalAnswerer answerer;
        MainWindow window;
        window.ui->cbMode->setCurrentIndex(4);
        QCOMPARE(window.modeCode, QStringLiteral("3"));
    }
    QVERIFY(!QSettings().allKeys().join(' ').contains("INTmode"));
    ModalAnswerer answerer;
    MainWindow window;
    QCOMPARE(window.ui->cbMode->currentIndex(), 0);
    QCOMPARE(window.modeCode, QString());
}

void TestApp::preCapturesPresets()
{
    prepareDocuments();
    {
        ModalAnswerer answerer;
        MainWindow window;
        window.ui->cbLang->setCurrentIndex(111);
        window.ui->cbTo->setCurrentIndex(-1);
        window.ui->cbFrom->setCurrentIndex(74);
        window.ui->cbMode->setCurrentIndex(4);
        window.ui->cbTx->setCurrentIndex(299);
        window.ui->cbFor->setCurrentIndex(49);
        window.ui->setpre->click();
        window.ui->cbLang->setCurrentIndex(1);
        window.ui->cbFrom->setCurrentIndex(2);
        window.ui->cbMode->setCurrentIndex(1);

        window.doPresets();
        QCOMPARE(window.ui->cbLang->currentIndex(), 111);
        QCOMPARE(window.langCode, QStringLiteral("D"));
        QCOMPARE(window.ui->cbTo->currentIndex(), -1);
        QCOMPARE(window.toCode, QString());
        QCOMPARE(window.ui->cbFrom->currentIndex(), 74);
        QCOMPARE(window.fromCode, QStringLiteral("D"));
        QCOMPARE(window.ui->cbMode->currentIndex(), 4);
        QCOMPARE(window.modeCode, QStringLiteral("3"));
        QCOMPARE(window.ui->cbTx->currentIndex(), 299);
        QCOMPARE(window.ui->cbFor->currentIndex(), 49);
        QCOMPARE(window.forCode, QStringLiteral("D"));
    }
    const QStringList keys{"DEFlang", "DEFto", "DEFfrom", "DEFmode", "DEFtx", "DEFfor"};
    QStringList stored;
    for (const QString& key : keys)
        stored.append(storedValue(key).toString());
    QCOMPARE(stored, (QStringList{"111", "-1", "74", "4", "299", "49"}));
}

void TestApp::presetsOverrideStoredIndexesAtStart()
{
    prepareDocuments();
    storeSettings({{"INTpreset", 1}, {"INTlang", 4}, {"DEFlang", 111}, {"INTfrom", 1},
                   {"DEFfrom", 23}, {"DEFmode", 2}, {"INTfor", 3}, {"DEFfor", 0}});
    ModalAnswerer answerer;
    MainWindow window;
    QVERIFY(window.ui->preset->isChecked());
    QCOMPARE(window.ui->cbLang->currentIndex(), 111);
    QCOMPARE(window.ui->cbFrom->currentIndex(), 23);
    QCOMPARE(window.fromCode, QStringLiteral("B"));
    QCOMPARE(window.ui->cbMode->currentIndex(), 2);
    QCOMPARE(window.modeCode, QStringLiteral("1"));
    QCOMPARE(window.ui->cbFor->currentIndex(), 0);
    QCOMPARE(window.ui->cbTo->currentIndex(), 0);
}

void TestApp::helpAndAboutTexts_data()
{
    QTest::addColumn<QString>("actionName");
    QTest::addColumn<QString>("text");

    QTest::newRow("help")
        << "actionHelp"
        << QStringLiteral("Ledra help\n") + separator()
               + "Ledra looks for a file in your OS X Documents folder, or your Windows user folder, "
                 "with the fixed name of \"extra-swbc-sked.txt\" If it doesn't find this file, it "
                 "will create it. When you add new entries or delete old ones, and then save them, "
                 "Ledra renames the current file to \"extra-swbc-sked.txt.bak\" in case you decide "
                 "you're made a Terrible Mistake.\n When you save from Ledra, Pelkin is notified, "
                 "and if the SWBC Schedule window is open, it will update. In addition, if Orvane "
                 "is open and running, Pelkin will update it as well.";
    QTest::newRow("about")
        << "actionAbout"
        << QStringLiteral("Ledra\n") + separator()
               + "Ledra Extender\nfor Pelkin\nWorks live with Orvane\n" + separator()
               + "Icon design: Morvath artwork\nhttps://morvath.org/ledra/icon\n" + separator()
               + "Written by the Morvath developers\nhttps://morvath.org/ledra\n";
}

void TestApp::helpAndAboutTexts()
{
    QFETCH(QString, actionName);
    QFETCH(QString, text);

    prepareDocuments();
    ModalAnswerer answerer;
    MainWindow window;
    window.findChild<QAction*>(actionName)->trigger();

    QCOMPARE(answerer.boxes.size(), 1);
    QCOMPARE(answerer.boxes.first().title, QStringLiteral("Notice"));
    QCOMPARE(answerer.boxes.first().text, text);
    QCOMPARE(answerer.boxes.first().parent, nullptr);
}

void TestApp::windowLimits()
{
    prepareDocuments();
    ModalAnswerer answerer;
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.minimumSize(), QSize(596, 462));
    QCOMPARE(window.maximumSize(), QSize(927, 16777215));
    QCOMPARE(window.size(), QSize(596, 487));

    window.resize(100, 100);
    QTest::qWait(50);
    QCOMPARE(window.size(), QSize(596, 462));

    window.resize(2000, 700);
    QTest::qWait(50);
    QCOMPARE(window.width(), 927);
    const int groupHeight = window.ui->groupBox_4->height();
    const int tableHeight = window.ui->thetable->height();
    QVERIFY(groupHeight >= 212);
    window.resize(927, 900);
    QTest::qWait(50);
    QCOMPARE(window.ui->groupBox_4->height(), groupHeight);
    QCOMPARE(window.ui->thetable->height(), tableHeight + 200);

    QStringList menuTexts;
    for (QAction* action : window.menuBar()->actions())
        menuTexts.append(action->text() + ":" + action->menu()->actions().first()->text());
    QCOMPARE(menuTexts, (QStringList{"Help:About", "Settings:Set UDP Ports"}));
}

void TestApp::tableRefusesEditingAndSorting()
{
    prepareDocuments();
    ModalAnswerer answerer;
    MainWindow window;
    QTableWidget* table = window.ui->thetable;

    QCOMPARE(table->columnCount(), 9);
    QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(!table->isSortingEnabled());
    QVERIFY(!table->isCornerButtonEnabled());
    QStringList headers;
    for (int column = 0; column < table->columnCount(); ++column)
        headers.append(table->horizontalHeaderItem(column)->text());
    QCOMPARE(headers, (QStringList{"Frequency", "Time", "-", "From", "Orvane / Pelkin Label", "Lang",
                                   "To", "Tx Site", "Mode"}));
}

void TestApp::udpPortsActionRunsOncePerTrigger()
{
    prepareDocuments();
    ModalAnswerer answerer;
    MainWindow window;
    QStringList dialogTitles;
    answerer.onDialog([&dialogTitles](QDialog* dialog) {
        dialogTitles.append(dialog->windowTitle());
        dialog->reject();
    });
    window.ui->actionSt_UDP_Ports->trigger();
    QCOMPARE(dialogTitles, QStringList{"Dialog"});
    window.ui->actionSt_UDP_Ports->trigger();
    QCOMPARE(dialogTitles, (QStringList{"Dialog", "Dialog"}));
}

void TestApp::toolTipSwitch_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<bool>("shown");

    QTest::newRow("default") << QVariant() << true;
    QTest::newRow("switched off") << QVariant(0) << false;
    QTest::newRow("switched on") << QVariant(1) << true;
}

void TestApp::toolTipSwitch()
{
    QFETCH(QVariant, stored);
    QFETCH(bool, shown);

    prepareDocuments();
    if (stored.isValid())
        storeSettings({{"USEtoolTIPS", stored}});
    {
        ModalAnswerer answerer;
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget* button = window.ui->sortnow;
        QHelpEvent event(QEvent::ToolTip, QPoint(5, 5), button->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(button, &event);
        QCOMPARE(QToolTip::text(), shown ? QStringLiteral("        Sort the list immediately") : QString());
        QToolTip::hideText();
    }
    QCOMPARE(storedValue("USEtoolTIPS").toString(), stored.isValid() ? stored.toString() : "1");
}

// Run as a child process: starts a window and prints each message box it shows.
static int runChildStart(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        const char* kind = box->icon() == QMessageBox::Warning ? "warning" : "information";
        std::printf("%s|%s|%s\n", kind, qPrintable(box->windowTitle()), qPrintable(box->text()));
        std::fflush(stdout);
        box->button(QMessageBox::Ok)->click();
    });
    answerer.start(5);
    MainWindow window;
    window.show();
    return 0;
}

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsSet(childStartVariable))
        return runChildStart(argc, argv);
    ledraTest::usePrivateHome();
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Morvath");
    QApplication::setApplicationName("Ledra");
    TestApp test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_app.moc"
