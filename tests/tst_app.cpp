// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/testenv.h"
#include "tests/support/testwindow.h"
#include "ui_mainwindow.h"

#include <QHelpEvent>
#include <QMenuBar>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolTip>

#include <cstdio>

using ledraTest::TestWindow;

namespace {

const char* const childStartVariable = "LEDRA_TEST_CHILD_START";
const QString separator = "-------------------------------\n";

// Every stored key with its value, in key order: "INTfor=141 INTfrom=271 ...".
QString storedSettings()
{
    QSettings settings;
    QStringList keys = settings.allKeys();
    keys.sort();
    QStringList pairs;
    for (const QString& key : keys)
        pairs.append(key + '=' + settings.value(key).toString());
    return pairs.join(' ').replace(ledraTest::documentsFolder(), "DOCS");
}

void storeSettings(const QVariantMap& values)
{
    QSettings settings;
    for (auto it = values.cbegin(); it != values.cend(); ++it)
        settings.setValue(it.key(), it.value());
}

// Position and code of each drop-down, From, Foreign, Lang, To, Tx Site, Mode.
QString dropDowns(const MainWindow& w)
{
    return QStringLiteral("%1 %2|%3 %4|%5 %6|%7 %8|%9 %10|%11 %12")
        .arg(w.ui->cbFrom->currentIndex()).arg(w.fromCode).arg(w.ui->cbFor->currentIndex()).arg(w.forCode)
        .arg(w.ui->cbLang->currentIndex()).arg(w.langCode).arg(w.ui->cbTo->currentIndex()).arg(w.toCode)
        .arg(w.ui->cbTx->currentIndex()).arg(w.txCode).arg(w.ui->cbMode->currentIndex()).arg(w.modeCode);
}

QString checkBoxes(const MainWindow& w)
{
    QString marks;
    for (QCheckBox* box : {w.ui->checkBox, w.ui->confirm, w.ui->clear, w.ui->preset})
        marks += box->isChecked() ? 'x' : '-';
    return marks;
}

} // namespace

class TestApp : public QObject
{
    Q_OBJECT

private slots:
    void firstStart();
    void missingDocumentsFolderIsCreated();
    void uncreatableDocumentsFolderEndsStart();
    void settingsRoundTrip();
    void storedValues_data();
    void storedValues();
    void garbledStoreWrittenAnew();
    void helpAndAbout_data();
    void helpAndAbout();
    void windowLayout();
    void toolTipSwitch_data();
    void toolTipSwitch();
};

void TestApp::firstStart()
{
    {
        TestWindow t;
        QCOMPARE(t.window.windowTitle(), "Ledra Editor for Orvane and Pelkin 0.1m");
        QCOMPARE(checkBoxes(t.window), "----");
        QCOMPARE(dropDowns(t.window), "271 USA|0 |133 E|9 NAm|0 |0 ");
        const QStringList texts{t.window.ui->cbFrom->currentText(), t.window.ui->cbTo->currentText(),
                                t.window.ui->cbLang->currentText()};
        QCOMPARE(texts, QStringList({"United States of America", "(North) America(s)",
                                     "English: UK (60m), USA (225m), India (200m), others [eng]"}));
    }
    QCOMPARE(storedSettings(),
             "CONFIRMafterSAVE=0 DEFfor=0 DEFfrom=0 DEFlang=0 DEFmode=0 DEFto=0 DEFtx=0 INTclear=0 "
             "INTfor=0 INTfrom=271 INTlang=133 INTpreset=0 INTto=9 INTtx=0 QSFconf=0 QSFenfo=0 "
             "QSFfile=extra-swbc-sked.txt QSFfilt=.txt QSFpath=DOCS QSFrfil=1 QSFrfol=1 QSFsort=2 "
             "QSudprxport=58084 QSudptxport=58083 SORTonSAVE=0 USEtoolTIPS=1");
}

void TestApp::missingDocumentsFolderIsCreated()
{
    ledraTest::resetHome(true);
    ModalAnswerer answerer;
    MainWindow window;
    QVERIFY(QFileInfo(ledraTest::documentsFolder()).isDir());
    QCOMPARE(answerer.shown().value(0), "Notice: Created folder \"" + ledraTest::documentsFolder() + '"');
    QCOMPARE(answerer.boxes.first().icon, QMessageBox::Information);
}

void TestApp::uncreatableDocumentsFolderEndsStart()
{
    QTemporaryDir home;
    // a plain file where the folder should be: the folder can be neither found nor made
    ledraTest::writeFile(home.path() + "/Documents", "not a folder");
    const QString storeFile = home.path() + "/config/Morvath/Ledra.conf";
    ledraTest::writeFile(storeFile, "[General]\nINTfrom=3\n");

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(childStartVariable, "1");
    environment.insert("HOME", home.path());
    environment.insert("XDG_CONFIG_HOME", home.path() + "/config");
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {});
    QVERIFY(child.waitForFinished(60000));

    QCOMPARE(child.exitCode(), 255); // exit(-1) as the system reports it
    QCOMPARE(QString(child.readAllStandardOutput()),
             "warning|Notice|could not create folder \"" + home.path() + "/Documents\"\n");
    QCOMPARE(ledraTest::readFile(storeFile), "[General]\nINTfrom=3\n");
}

// the last positions come back, or the presets when Preset is ticked
void TestApp::settingsRoundTrip()
{
    {
        TestWindow t;
        Ui_MainWindow* ui = t.window.ui;
        ui->cbLang->setCurrentIndex(111);
        ui->cbTo->setCurrentIndex(-1);
        ui->cbFrom->setCurrentIndex(74);
        ui->cbMode->setCurrentIndex(4);
        ui->cbTx->setCurrentIndex(299);
        ui->cbFor->setCurrentIndex(49);
        ui->setpre->click();
        for (QComboBox* box : {ui->cbLang, ui->cbTo, ui->cbFrom, ui->cbMode, ui->cbTx, ui->cbFor})
            box->setCurrentIndex(1);
        t.window.doPresets();
        QCOMPARE(dropDowns(t.window), "74 D|49 D|111 D|-1 |299 b|4 3");
        ui->cbFor->setCurrentIndex(141);
        ui->cbTx->setCurrentIndex(5);
        ui->cbTo->setCurrentIndex(31);
        ui->confirm->click();
        ui->clear->click();
        t.window.rxPort = "50000";
    }
    QVERIFY(storedSettings().contains("DEFfor=49 DEFfrom=74 DEFlang=111 DEFmode=4 DEFto=-1 DEFtx=299"));
    {
        // the mode's position is not kept
        ModalAnswerer answerer;
        MainWindow window;
        QCOMPARE(dropDowns(window), "74 D|141 SWE|111 D|31 CIS|5 ct|0 ");
        QCOMPARE(checkBoxes(window), "-xx-");
        QCOMPARE(window.rxPort, "50000");
        window.ui->preset->click();
    }
    ModalAnswerer answerer;
    MainWindow window;
    QCOMPARE(dropDowns(window), "74 D|49 D|111 D|-1 |299 b|4 3");
}

void TestApp::storedValues_data()
{
    QTest::addColumn<QVariantMap>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("marks");
    QTest::addColumn<QString>("writtenBack");

    QTest::newRow("index past the end") << QVariantMap{{"INTlang", 521}} << "271 USA|0 |-1 |9 NAm|0 |0 " << "----" << "INTlang=-1";
    QTest::newRow("negative index") << QVariantMap{{"INTto", -7}} << "271 USA|0 |133 E|-1 |0 |0 " << "----" << "INTto=-1";
    QTest::newRow("last index") << QVariantMap{{"INTtx", 1032}} << "271 USA|0 |133 E|9 NAm|1032 E|0 " << "----" << "INTtx=1032";
    QTest::newRow("index not a number") << QVariantMap{{"INTfrom", "abc"}} << "0 |0 |133 E|9 NAm|0 |0 " << "----" << "INTfrom=0";
    QTest::newRow("check box 2") << QVariantMap{{"CONFIRMafterSAVE", 2}} << "271 USA|0 |133 E|9 NAm|0 |0 " << "----" << "CONFIRMafterSAVE=2";
    QTest::newRow("check box 1") << QVariantMap{{"SORTonSAVE", 1}} << "271 USA|0 |133 E|9 NAm|0 |0 " << "x---" << "SORTonSAVE=1";
    QTest::newRow("negative presets") << QVariantMap{{"INTpreset", 1}, {"DEFmode", -3}, {"DEFlang", "x"}}
                                      << "0 |0 |0 |0 |0 |-1 " << "---x" << "DEFmode=-3";
    QTest::newRow("port a text") << QVariantMap{{"QSudprxport", "port"}} << "271 USA|0 |133 E|9 NAm|0 |0 " << "----" << "QSudprxport=port";
}

// a folder in the store's place is left alone as a named pipe is (tst_desktop)
void TestApp::garbledStoreWrittenAnew()
{
    ledraTest::FreshHome home;
    const QString path = ledraTest::homeFolder() + "/.config/Morvath/Ledra.conf";
    ledraTest::writeFile(path, QByteArray("\0\xff[\x01\n=\xfe\nINTto\0=5\n[[[\n\\\n", 21));
    {
        ModalAnswerer answerer;
        MainWindow window;
        QCOMPARE(dropDowns(window), "271 USA|0 |133 E|9 NAm|0 |0 ");
        QCOMPARE(answerer.shown(), QStringList());
    }
    QVERIFY(storedSettings().contains("INTto=9"));
}

void TestApp::storedValues()
{
    QFETCH(QVariantMap, stored);
    QFETCH(QString, shown);
    QFETCH(QString, marks);
    QFETCH(QString, writtenBack);

    ledraTest::FreshHome home;
    storeSettings(stored);
    {
        ModalAnswerer answerer;
        MainWindow window;
        QCOMPARE(dropDowns(window), shown);
        QCOMPARE(checkBoxes(window), marks);
    }
    QVERIFY2(storedSettings().split(' ').contains(writtenBack), qPrintable(storedSettings()));
}

void TestApp::helpAndAbout_data()
{
    QTest::addColumn<QString>("actionName");
    QTest::addColumn<QString>("text");

    QTest::newRow("help") << "actionHelp"
        << "Ledra help\n" + separator
               + "Ledra looks for a file in your OS X Documents folder, or your Windows user folder, "
                 "with the fixed name of \"extra-swbc-sked.txt\" If it doesn't find this file, it "
                 "will create it. When you add new entries or delete old ones, and then save them, "
                 "Ledra renames the current file to \"extra-swbc-sked.txt.bak\" in case you decide "
                 "you're made a Terrible Mistake.\n When you save from Ledra, Pelkin is notified, "
                 "and if the SWBC Schedule window is open, it will update. In addition, if Orvane "
                 "is open and running, Pelkin will update it as well.\n"
                 "Keys: Return in an edit box adds the entry (Add), Delete on the table deletes the selected "
                 "row (Del), Ctrl+S saves, Return or a double-click on a table row tunes to it (Go), Ctrl+F goes "
                 "to the frequency box, Ctrl+G opens the season-schedule guide, Ctrl+Z undoes and Ctrl+Y or "
                 "Ctrl+Shift+Z redoes (Edit menu).";
    QTest::newRow("about") << "actionAbout"
        << "Ledra\n" + separator + "Ledra Extender\nfor Pelkin\nWorks live with Orvane\n" + separator
               + "Icon design: Morvath artwork\nhttps://morvath.org/ledra/icon\n" + separator
               + "Written by the Morvath developers\nhttps://morvath.org/ledra\n" + separator
               + "Version 1.0.0\n";
}

void TestApp::helpAndAbout()
{
    QFETCH(QString, actionName);
    QFETCH(QString, text);

    TestWindow t;
    t.window.findChild<QAction*>(actionName)->trigger();
    QCOMPARE(t.answerer.shown(), QStringList{"Notice: " + text});
    QCOMPARE(t.answerer.boxes.first().parent, nullptr);
}

void TestApp::windowLayout()
{
    TestWindow t;
    MainWindow& window = t.window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(), QSize(596, 487));
    window.resize(100, 100);
    QTest::qWait(50);
    QCOMPARE(window.size(), QSize(596, 462));

    window.resize(2000, 700);
    QTest::qWait(50);
    const int groupHeight = window.ui->groupBox_4->height();
    const int tableHeight = window.ui->thetable->height();
    window.resize(927, 900);
    QTest::qWait(50);
    QCOMPARE(window.width(), 927);
    QVERIFY(groupHeight >= 212);
    QCOMPARE(window.ui->groupBox_4->height(), groupHeight);
    QCOMPARE(window.ui->thetable->height(), tableHeight + 200);

    QStringList menus;
    for (QAction* action : window.menuBar()->actions())
        menus.append(action->text() + ':' + action->menu()->actions().first()->text());
    QCOMPARE(menus, (QStringList{"Help:About", "Settings:Set UDP Ports", "Guide:Season schedule...", "Edit:Undo",
                                  "Export:Export schedule..."}));

    QTableWidget* table = window.ui->thetable;
    QCOMPARE(table->editTriggers(), QAbstractItemView::NoEditTriggers);
    QVERIFY(!table->isSortingEnabled());
    QVERIFY(!table->isCornerButtonEnabled());
    QStringList headers;
    for (int column = 0; column < table->columnCount(); ++column)
        headers.append(table->horizontalHeaderItem(column)->text());
    QCOMPARE(headers.join('|'), "Frequency|Time|-|From|Orvane / Pelkin Label|Lang|To|Tx Site|Mode");
}

void TestApp::toolTipSwitch_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("tip");

    QTest::newRow("default") << QVariant() << "        Sort the list immediately";
    QTest::newRow("switched off") << QVariant(0) << "";
}

void TestApp::toolTipSwitch()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, tip);

    ledraTest::FreshHome home;
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
        QCOMPARE(QToolTip::text(), tip);
        QToolTip::hideText();
    }
    QVERIFY(storedSettings().contains("USEtoolTIPS=" + (stored.isValid() ? stored.toString() : "1")));
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
