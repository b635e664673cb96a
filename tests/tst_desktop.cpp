// SPDX-License-Identifier: GPL-3.0-or-later
#include "commandline.h"
#include "testenv.h"
#include "testwindow.h"

#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

using ledraTest::fields;

class TestDesktop : public QObject
{
    Q_OBJECT
private slots:
    void commandLine_data()
    {
        // exit status, standard output and standard error, separated by "|"
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("result");
        QTest::newRow("version") << QStringList{"--version"} << "0|Ledra 1.0.0\n|";
        QTest::newRow("help") << QStringList{"-h"}
                              << "0|Usage: " LEDRA_PROGRAM " [options] [FILE]\n"
                                 "Edits a shortwave broadcast listening schedule for Orvane and Pelkin.\n\n"
                                 "Options:\n"
                                 "  -h, --help     Displays help on commandline options.\n"
                                 "  --help-all     Displays help including Qt specific options.\n"
                                 "  -v, --version  Displays version information.\n\n"
                                 "Arguments:\n"
                                 "  FILE           Schedule file to load at start, as Load does.\n|";
        QTest::newRow("unknown option") << QStringList{"--bogus", "a.txt"} << "1||Ledra: Unknown option 'bogus'.\n";
        QTest::newRow("two files") << QStringList{"a.txt", "b.txt"}
                                   << "1||Ledra: only one schedule file can be loaded at start\n";
    }
    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, result);
        QTemporaryDir home;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* variable : {"HOME", "XDG_CONFIG_HOME", "XDG_RUNTIME_DIR"})
            environment.insert(variable, home.path());
        QProcess ledra;
        ledra.setProcessEnvironment(environment);
        ledra.start(LEDRA_PROGRAM, arguments);
        QVERIFY(ledra.waitForFinished(60000));
        const int status = ledra.exitStatus() == QProcess::NormalExit ? ledra.exitCode() : -1;
        QCOMPARE(QString::number(status) + '|' + ledra.readAllStandardOutput() + '|' + ledra.readAllStandardError(),
                 result);
        // the program ended before any window: no Documents folder, no settings
        QVERIFY(QDir(home.path()).isEmpty());
    }

    void fileArgument_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("firstRow");
        QTest::newRow("none") << QStringList{"ledra"} << "" << "9;;;;old";
        QTest::newRow("relative path") << QStringList{"ledra", "mine.txt"} << "" << "1;;;;A";
        QTest::newRow("folder") << QStringList{"ledra", "sub"} << "error: \"%1/sub\" is not a regular file"
                                << "9;;;;old";
    }
    void fileArgument()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, box);
        QFETCH(QString, firstRow);
        ledraTest::TestWindow t({fields("9;;;;old;;;;;")});
        const QString documents = ledraTest::documentsFolder();
        ledraTest::writeFile(documents + "/mine.txt", "1;;;;A;;;;;\n");
        QVERIFY(QDir(documents).mkdir("sub"));
        QVERIFY(QDir::setCurrent(documents));
        const QString file = scheduleFileFromCommandLine(arguments);
        // what the program does with the file, after the window has started
        if (!file.isEmpty())
            t.window.getdbfile(file);
        QCOMPARE(t.answerer.shown(), box.isEmpty() ? QStringList() : QStringList{box.arg(documents)});
        QCOMPARE(t.rows(5).value(0).join(';'), firstRow);
    }

    void windowPlace()
    {
        ledraTest::FreshHome home;
        const QRect moved(40, 30, 700, 520);
        const QSettings placeStore("Morvath", "Ledra-window");
        {
            ModalAnswerer answerer;
            MainWindow neverShown;
        }
        QCOMPARE(placeStore.allKeys(), QStringList());
        {
            ModalAnswerer answerer;
            MainWindow window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QCOMPARE(window.size(), QSize(596, 487));
            window.setGeometry(moved);
        }
        QCOMPARE(QSettings().allKeys().size(), 26);
        QCOMPARE(placeStore.allKeys(), QStringList{"geometry"});
        ModalAnswerer answerer;
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.geometry(), moved);
    }
};

LEDRA_TEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
