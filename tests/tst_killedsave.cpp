// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"
#include "tests/support/datagramcollector.h"
#include "tests/support/modalanswerer.h"
#include "tests/support/testenv.h"
#include "ui_mainwindow.h"

#include <QProcess>

#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <cstdio>

namespace {

const char* const childVariable = "LEDRA_TEST_SAVING_CHILD";
const int rowCount = 100000;
const QStringList names{"orvane-swbc-sked.txt", "orvane-swbc-sked.bak", "extra-swbc-sked.txt", "extra-swbc-sked.bak"};

QByteArray line(int frequency, bool withMode)
{
    return QByteArray::number(frequency) + ";0000-2359;;USA;Station " + QByteArray::number(frequency)
           + (withMode ? ";E;NAm;;3;\n" : ";E;NAm;;\n");
}

// The big schedule in a shuffled order (7919 and the row count share no factor), and sorted.
QByteArray schedule(bool sorted, bool withMode)
{
    QByteArray bytes;
    for (int row = 0; row < rowCount; ++row)
        bytes += line(sorted ? row + 1 : row * 7919 % rowCount + 1, withMode);
    return bytes;
}

// The child: starts on the big schedule, says so, saves, and quits.
int saveOnce(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ModalAnswerer answerer;
    MainWindow window;
    std::puts("saving");
    std::fflush(stdout);
    window.ui->savedata->click();
    return answerer.boxes.isEmpty() ? 0 : 1;
}

// Counts what happens to the files of a folder: opened, written, made, renamed, removed.
class FolderEvents
{
public:
    explicit FolderEvents(const QString& folder)
        : fd(inotify_init1(IN_NONBLOCK))
    {
        inotify_add_watch(fd, QFile::encodeName(folder).constData(),
                          IN_CREATE | IN_OPEN | IN_MODIFY | IN_MOVED_TO | IN_MOVED_FROM | IN_DELETE | IN_CLOSE_WRITE);
    }
    ~FolderEvents() { close(fd); }
    FolderEvents(const FolderEvents&) = delete;
    FolderEvents& operator=(const FolderEvents&) = delete;

    // waits until count changes were seen in all, or the process has ended
    void waitFor(int count, QProcess& process)
    {
        char buffer[4096];
        while (seen < count && process.state() == QProcess::Running) {
            pollfd wanted{fd, POLLIN, 0};
            if (poll(&wanted, 1, 50) <= 0) {
                process.waitForFinished(0);
                continue;
            }
            const ssize_t size = read(fd, buffer, sizeof buffer);
            for (ssize_t at = 0; at < size;) {
                const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
                at += ssize_t(sizeof(inotify_event) + event->len);
                ++seen;
            }
        }
    }

private:
    int fd;
    int seen = 0;
};

} // namespace

class TestKilledSave : public QObject
{
    Q_OBJECT

private slots:
    void killedSave_data()
    {
        QTest::addColumn<int>("changes"); // changes in the folder before the kill; -1: no kill
        // the start-up load and the save open, write, make and rename files some 27 times; these
        // moments fall inside the writes of each file as a writer without a temporary file has them
        for (int changes : {2, 4, 6, 7, 11, 12, 15, 16, 20, 24})
            QTest::addRow("after %d changes", changes) << changes;
        QTest::newRow("not killed") << -1;
    }
    void killedSave()
    {
        QFETCH(int, changes);
        LEDRA_REQUIRE_PRIVATE_NETWORK(); // the save sends its ping
        ledraTest::resetHome();
        const QList<QByteArray> before{schedule(false, true), "1;;;;Old backup;;;;;\n", "2;;;;Old extra;;;;\n",
                                       "3;;;;Old extra backup;;;;\n"};
        const QList<QByteArray> after{schedule(true, true), before[0], schedule(true, false), before[2]};
        for (int file = 0; file < names.size(); ++file)
            ledraTest::writeFile(ledraTest::documentsFolder() + "/" + names[file], before[file]);

        FolderEvents events(ledraTest::documentsFolder());
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(childVariable, "1");
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath());
        QVERIFY(child.waitForReadyRead(120000));
        if (changes >= 0) {
            events.waitFor(changes, child);
            child.kill();
        }
        QVERIFY(child.waitForFinished(120000) || child.state() == QProcess::NotRunning);
        if (changes < 0)
            QCOMPARE(child.exitCode(), 0);

        for (int file = 0; file < names.size(); ++file) {
            const QByteArray bytes = ledraTest::readFile(ledraTest::documentsFolder() + "/" + names[file]);
            QVERIFY2(bytes == before[file] || bytes == after[file], qPrintable(names[file]));
            if (changes < 0)
                QVERIFY2(bytes == after[file], qPrintable(names[file]));
        }
    }
};

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsSet(childVariable))
        return saveOnce(argc, argv);
    ledraTest::usePrivateHome();
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Morvath");
    QApplication::setApplicationName("Ledra");
    TestKilledSave test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_killedsave.moc"
