// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/core/logfiles.h"
#include "log/core/receptionlog.h"
#include "tests/support/testenv.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

namespace {

// 2025-06-16 is a Monday: two broadcasts on 9610 kHz at 12:10, one of them at 12:40; one on
// 6090 kHz all day
const QByteArray seasonFile = "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;"
                              "Remarks:135;P:35;Start:60;Stop:60;\n"
                              "9610;1200-1300;Mo-Fr;ROU;R\xc3\xa1" "dio Romania;E,F;ME;g;1;;\n"
                              "9610;1200-1230;;D;Other;A;ME;;;;\n"
                              "6090;0000-2400;;D;All day;E;Eu;;;;\n";

struct Run
{
    int status = -1;
    QByteArray out;
    QString err;
};

Run sked(const QStringList& arguments, const QString& folder)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(LEDRA_SKED, arguments);
    Run run;
    if (!process.waitForFinished() || process.exitStatus() != QProcess::NormalExit)
        return run;
    run.status = process.exitCode();
    run.out = process.readAllStandardOutput();
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// a shell loop of ledra-sked --heard on the all-day broadcast, a minute apart from the given hour
QProcess* heardLoop(const QString& folder, int hour, int count)
{
    auto* loop = new QProcess;
    loop->setWorkingDirectory(folder);
    loop->start("sh", {"-c", QString("for m in $(seq 10 %1); do \"$0\" --heard 6090 --at 2025-06-16T%2:$m season.csv "
                                     ">/dev/null || exit 1; done").arg(9 + count).arg(hour, 2, 10, QLatin1Char('0')),
                       LEDRA_SKED});
    return loop;
}

QString logPath()
{
    return ReceptionLog::defaultPath();
}

// SQLite's own check of the file, through a connection of the test's own
QString integrity()
{
    QString result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "check");
        db.setDatabaseName(logPath());
        QSqlQuery query(db);
        if (db.open() && query.exec("PRAGMA integrity_check") && query.next())
            result = query.value(0).toString();
    }
    QSqlDatabase::removeDatabase("check");
    return result;
}

int loggedCount()
{
    ReceptionLog log;
    return log.isOpen() ? int(log.receptions().size()) : -1;
}

} // namespace

class TestSkedLog : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QFile::remove(logPath());
        QFile::remove(logPath() + "-wal");
        QFile::remove(logPath() + "-shm");
        ledraTest::writeFile(folder.filePath("season.csv"), seasonFile);
    }

    void heard_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("the one on the air") << QStringList{"--heard", "9610", "--at", "2025-06-16T12:40", "--sinpo",
                                                           "34433", "--note", "fine; é", "--from", "JO62qm"}
                                            << 0
                                            << QByteArray("2025-06-16 12:40 UTC  9610 kHz  AM  Rádio Romania  E,F  ME  "
                                                          "SINPO 34433  fine; é\n")
                                            << "";
        QTest::newRow("narrowed by --language") << QStringList{"--heard", "9610", "--at", "2025-06-16T12:10",
                                                               "--language", "A"}
                                                << 0 << QByteArray("2025-06-16 12:10 UTC  9610 kHz  AM  Other  A  ME\n")
                                                << "";
        QTest::newRow("two on the air")
            << QStringList{"--heard", "9610", "--at", "2025-06-16T12:10"} << 2 << QByteArray()
            << "ledra-sked: 2 broadcasts on the air on 9610 kHz at 2025-06-16 12:10 UTC; name one with --find, "
               "--language or --target, nothing logged:\n  9610;1200-1300;Mo-Fr;ROU;Rádio Romania;E,F;ME;g;1;;\n"
               "  9610;1200-1230;;D;Other;A;ME;;;;\n";
        QTest::newRow("none on the air") << QStringList{"--heard", "9610", "--at", "2025-06-14T12:40"} << 2
                                         << QByteArray()
                                         << "ledra-sked: nothing on the air on 9610 kHz at 2025-06-14 12:40 UTC; "
                                            "nothing logged\n";
        QTest::newRow("bad SINPO") << QStringList{"--heard", "6090", "--sinpo", "3443"} << 2 << QByteArray()
                                   << "ledra-sked: \"3443\" is no SINPO code: five digits from 1 to 5 (34433), or "
                                      "three for SIO (343)\n";
        QTest::newRow("bad kHz") << QStringList{"--heard", "31m"} << 2 << QByteArray()
                                 << "ledra-sked: bad value \"31m\" for --heard: expected a frequency in kHz\n";
        QTest::newRow("bad export") << QStringList{"--log-export", "json"} << 2 << QByteArray()
                                    << "ledra-sked: unknown format \"json\" for --log-export: adif or csv\n";
    }
    void heard()
    {
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        QFETCH(QString, err);
        const Run run = sked(options + QStringList{"season.csv"}, folder.path());
        QCOMPARE(run.err, err);
        QCOMPARE(run.out, out);
        QCOMPARE(run.status, status);
        const Run log = sked({"--log"}, folder.path());
        QCOMPARE(log.out, out);
    }

    // the log as the window and ledra-sked share it, printed and exported; an import of its own
    // export adds nothing
    void printAndExport()
    {
        QCOMPARE(sked({"--heard", "9610", "--at", "2025-06-16T12:40", "--from", "JO62qm", "season.csv"},
                      folder.path()).status, 0);
        QCOMPARE(sked({"--heard", "6090", "--at", "2025-06-16T02:05", "--sinpo", "343", "season.csv"},
                      folder.path()).status, 0);
        const Run printed = sked({"--log"}, folder.path());
        QCOMPARE(printed.out, QByteArray("2025-06-16 02:05 UTC  6090 kHz  AM  All day  E  Eu  SINPO 343\n"
                                         "2025-06-16 12:40 UTC  9610 kHz  AM  Rádio Romania  E,F  ME\n"));
        QCOMPARE(printed.err, QString("ledra-sked: 2 receptions of 2 stations from 2 countries in 2 languages\n"));
        const Run csv = sked({"--log-export", "csv"}, folder.path());
        QCOMPARE(csv.out, QByteArray("start_utc,end_utc,khz,mode,station,language,target,site,country,listener,km,"
                                     "bearing,path,sinpo,receiver,antenna,notes,qsl_sent,qsl_sent_how,qsl_received\n"
                                     "2025-06-16T02:05:00Z,,6090,AM,All day,E,Eu,,D,,,,,343,,,,,,\n"
                                     "2025-06-16T12:40:00Z,,9610,AM,Rádio Romania,\"E,F\",ME,Galbeni 46N45-26E41,"
                                     "ROU,JO62qm,1153,119,day,,,,,,,\n"));
        const Run adif = sked({"--log-export", "adif"}, folder.path());
        QCOMPARE(readAdif(adif.out).receptions.size(), 2);
        ledraTest::writeFile(folder.filePath("export.adi"), adif.out);
        const Run imported = sked({"--log-import", "export.adi"}, folder.path());
        QCOMPARE(imported.err, QString("ledra-sked: 0 added, 2 skipped (already in the log)\n"));
    }

    // two processes writing the log at once, from the first one that makes it: no entry lost and
    // no "database is locked"; the window's side is this process, with its log open throughout
    void twoWriters_data()
    {
        QTest::addColumn<bool>("window");
        QTest::newRow("two ledra-sked loops") << false;
        QTest::newRow("the window and a ledra-sked loop") << true;
    }
    void twoWriters()
    {
        QFETCH(bool, window);
        const int each = 25;
        std::unique_ptr<QProcess> first(heardLoop(folder.path(), 10, each));
        std::unique_ptr<QProcess> second(window ? nullptr : heardLoop(folder.path(), 11, each));
        if (window) {
            ReceptionLog log;
            QVERIFY2(log.isOpen(), qPrintable(log.problem()));
            for (int minute = 0; minute < each; ++minute) {
                Reception r;
                r.start = QDateTime(QDate(2025, 6, 16), QTime(11, minute), Qt::UTC);
                r.khz = 6090;
                r.station = "All day";
                QVERIFY2(log.add(r) > 0, qPrintable(log.problem()));
                QCOMPARE(log.receptions().isEmpty(), false);
                QTest::qWait(20); // spread over the loop's run
            }
        } else {
            QVERIFY(second->waitForFinished(60000));
            QCOMPARE(QString::fromUtf8(second->readAllStandardError()), QString());
            QCOMPARE(second->exitCode(), 0);
        }
        // the window's waits let the loop's end be seen already
        QVERIFY(first->state() == QProcess::NotRunning || first->waitForFinished(60000));
        QCOMPARE(QString::fromUtf8(first->readAllStandardError()), QString());
        QCOMPARE(first->exitCode(), 0);
        QCOMPARE(loggedCount(), 2 * each);
    }

    // ledra-sked killed at moments across its run: every entry of a finished run is kept, the one
    // being written is in whole or not at all, and the log stays sound
    void killedWhileWriting_data()
    {
        QTest::addColumn<bool>("import");
        QTest::newRow("one reception each") << false;
        QTest::newRow("an import of 3000 in one transaction") << true;
    }
    void killedWhileWriting()
    {
        QFETCH(bool, import);
        if (import) {
            QList<Reception> many;
            for (int i = 0; i < 3000; ++i) {
                Reception r;
                r.start = QDateTime(QDate(2025, 6, 16), QTime(0, 0), Qt::UTC).addSecs(60 * i);
                r.khz = 6090;
                r.station = "All day";
                r.notes = QString("note %1 ").arg(i).repeated(20);
                many.append(r);
            }
            ledraTest::writeFile(folder.filePath("many.csv"), writeLogCsv(many));
        }
        for (int attempt = 0; attempt < 24; ++attempt) {
            const int before = loggedCount();
            QProcess process;
            process.setWorkingDirectory(folder.path());
            const QString at = QString("2025-06-16T03:%1").arg(attempt, 2, 10, QLatin1Char('0'));
            process.start(LEDRA_SKED, import ? QStringList{"--log-import", "many.csv"}
                                             : QStringList{"--heard", "6090", "--at", at, "season.csv"});
            QVERIFY(process.waitForStarted());
            QThread::msleep(import ? 10 * attempt : 2 * attempt);
            process.kill();
            QVERIFY(process.waitForFinished());
            const bool killed = process.exitStatus() != QProcess::NormalExit;
            QCOMPARE(integrity(), QString("ok"));
            const int after = loggedCount();
            if (import)
                QVERIFY2(after == (killed ? before : 3000) || after == 3000, qPrintable(QString::number(after)));
            else
                QVERIFY2(after == before + 1 || (killed && after == before), qPrintable(QString::number(after)));
        }
    }

private:
    QTemporaryDir folder;
};

LEDRA_TEST_MAIN(TestSkedLog)
#include "tst_skedlog.moc"
