// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "tests/support/testenv.h"
#include "tests/support/testwindow.h"
#include "tests/support/x11display.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

#include <sys/stat.h>

using ledraTest::fields;
using ledraTest::X11Display;

namespace {

const QString mainTitle = "Ledra Editor for Orvane and Pelkin 0.1m";
// each step (start, opening the guide, the end after the close) takes less than this
const int fewSeconds = 10000;

// The real program as a child on the private X server, with home as its home folder.
class LedraOnScreen
{
public:
    LedraOnScreen(X11Display& screen, const QString& home)
        : screen(screen)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("HOME", home);
        environment.insert("XDG_CONFIG_HOME", home + "/.config");
        environment.insert("XDG_RUNTIME_DIR", home);
        environment.insert("DISPLAY", screen.name());
        environment.insert("QT_QPA_PLATFORM", "xcb");
        process.setProcessEnvironment(environment);
        process.start(LEDRA_PROGRAM, QStringList());
    }
    ~LedraOnScreen()
    {
        process.kill();
        process.waitForFinished();
    }

    // what the main window's close button does; empty when the program then ended by itself
    QString closeAndWait(std::uint32_t window)
    {
        screen.requestClose(window);
        if (!process.waitForFinished(fewSeconds))
            return "still running after the close";
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            return "ended with " + QString::number(process.exitCode());
        return QString();
    }

    // the lines on stderr that the program wrote itself
    QStringList ownErrorLines()
    {
        const QStringList lines = QString::fromLocal8Bit(process.readAllStandardError()).split('\n');
        return lines.filter(QRegularExpression("^Ledra: "));
    }

    X11Display& screen;
    QProcess process;
};

// a home with an empty schedule, so that the program starts without a message
QString preparedHome(const QTemporaryDir& home)
{
    ledraTest::writeFile(home.path() + "/Documents/orvane-swbc-sked.txt", "");
    QDir().mkpath(home.path() + "/.config/Morvath");
    return home.path();
}

bool isNamedPipe(const QString& path)
{
    struct stat status;
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

} // namespace

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
        QTest::addColumn<QString>("firstRow");
        QTest::newRow("none") << QStringList{"ledra"} << "9;;;;old";
        QTest::newRow("relative path") << QStringList{"ledra", "mine.txt"} << "1;;;;A";
    }
    void fileArgument()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, firstRow);
        ledraTest::TestWindow t({fields("9;;;;old;;;;;")});
        const QString documents = ledraTest::documentsFolder();
        ledraTest::writeFile(documents + "/mine.txt", "1;;;;A;;;;;\n");
        QVERIFY(QDir::setCurrent(documents));
        const QString file = scheduleFileFromCommandLine(arguments);
        // what the program does with the file, after the window has started
        if (!file.isEmpty())
            t.window.getdbfile(file);
        QCOMPARE(t.answerer.shown(), QStringList());
        QCOMPARE(t.rows(5).value(0).join(';'), firstRow);
    }

    void windowPlaceNotKeptUnlessShownAndClosed()
    {
        ledraTest::FreshHome home;
        const QSettings placeStore("Morvath", "Ledra-window");
        {
            ModalAnswerer answerer;
            MainWindow neverShown;
            neverShown.close();
        }
        {
            ModalAnswerer answerer;
            MainWindow window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            window.setWindowModified(true);
            answerer.pressNext(QMessageBox::Cancel);
            QVERIFY(!window.close());
        }
        QCOMPARE(QSettings().allKeys().size(), 26);
        QCOMPARE(placeStore.allKeys(), QStringList());
    }

    void windowPlaceKeptAfterClose()
    {
        X11Display screen;
        LEDRA_START_XVFB(screen);
        QTemporaryDir folder;
        const QString home = preparedHome(folder);
        const QString store = home + "/.config/Morvath/Ledra-window.conf";
        // the place and size each start shows; the window is moved and resized at the first
        const QRect moved(40, 30, 700, 520);
        QList<QRect> shown;
        for (int start = 0; start < 3; ++start) {
            LedraOnScreen ledra(screen, home);
            const std::uint32_t window = screen.waitForWindow(mainTitle, fewSeconds);
            QVERIFY(window);
            shown.append(screen.geometry(window));
            if (start == 0) {
                QVERIFY(!QFileInfo::exists(store));
                screen.setGeometry(window, moved);
            }
            QCOMPARE(ledra.closeAndWait(window), QString());
            QVERIFY(QFileInfo(store).isFile());
            if (start == 1)
                QVERIFY(QFile::remove(store));
        }
        QVERIFY(shown.at(0) != moved);
        QCOMPARE(shown.at(1), moved);
        QCOMPARE(shown.at(2).size(), shown.at(0).size());
    }

    void namedPipeLeftAlone_data()
    {
        QTest::addColumn<QString>("pipe");
        // every store opens through SettingsStore, whose refusals tst_settingsstore checks
        QTest::newRow("main store") << ".config/Morvath/Ledra.conf";
        QTest::newRow("guide's last file") << "season.csv";
        QTest::newRow("main store's lock file") << ".config/Morvath/Ledra.conf.lock";
    }
    void namedPipeLeftAlone()
    {
        QFETCH(QString, pipe);
        X11Display screen;
        LEDRA_START_XVFB(screen);
        QTemporaryDir folder;
        const QString home = preparedHome(folder);
        const QString path = home + '/' + pipe;
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        if (pipe == "season.csv")
            ledraTest::writeFile(home + "/.config/Morvath/Ledra-guide.conf", "[General]\nlastFile=" + path.toUtf8() + '\n');

        LedraOnScreen ledra(screen, home);
        const std::uint32_t window = screen.waitForWindow(mainTitle, fewSeconds);
        QVERIFY2(window, "the main window does not show");
        screen.typeControlKey(window, 'g');
        // the title of a guide that opened no file
        QVERIFY2(screen.waitForWindow("Season schedule", fewSeconds), "the guide does not show");
        QCOMPARE(ledra.closeAndWait(window), QString());
        QVERIFY(isNamedPipe(path));
        QCOMPARE(ledra.ownErrorLines(), QStringList{"Ledra: skipped \"" + path + "\": a named pipe, not a regular file"});
    }
};

LEDRA_TEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
