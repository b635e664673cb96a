// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/core/receptionlog.h"
#include "tests/support/testenv.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <sys/stat.h>

namespace {

// runs statements on the file through a connection of the test's own
QVariant sqlite(const QString& path, const QStringList& statements)
{
    QVariant last;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "test");
        db.setDatabaseName(path);
        if (!db.open())
            return "cannot open";
        for (const QString& statement : statements) {
            QSqlQuery query(db);
            if (!query.exec(statement))
                return "failed: " + statement;
            last = query.next() ? query.value(0) : QVariant();
        }
    }
    QSqlDatabase::removeDatabase("test");
    return last;
}

Reception heard(const char* start, double khz, const QString& station)
{
    Reception r;
    r.start = QDateTime::fromString(QLatin1String(start), Qt::ISODate).toUTC();
    r.khz = khz;
    r.station = station;
    return r;
}

QStringList stationsIn(ReceptionLog& log)
{
    QStringList stations;
    for (const Reception& r : log.receptions())
        stations.append(r.station);
    return stations;
}

} // namespace

class TestReceptionLog : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QDir(folder()).removeRecursively();
        QVERIFY(QDir().mkpath(folder()));
    }

    // a file the log cannot take is left as it was, and no log is made beside it
    void refusedFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("text") << "text" << "this is no SQLite database; it is left as it is";
        QTest::newRow("newer schema") << "newer"
                                      << "it was written by a newer Ledra (schema version 7; this one knows up to 2); "
                                         "it is left as it is";
        QTest::newRow("named pipe") << "pipe" << "a named pipe, not a file; it is left as it is";
    }
    void refusedFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const QString path = ReceptionLog::defaultPath();
        if (kind == "text")
            ledraTest::writeFile(path, "9610;1200-1300;;ROU;RRI;E;ME;g;;\n");
        else if (kind == "newer")
            QCOMPARE(sqlite(path, {"CREATE TABLE receptions (x)", "PRAGMA user_version = 7"}), QVariant());
        else
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        const QByteArray before = kind == "pipe" ? QByteArray() : ledraTest::readFile(path);
        ReceptionLog log;
        QVERIFY(!log.isOpen());
        QCOMPARE(log.problem(), QString("Cannot open the reception log \"%1\": %2").arg(path, reason));
        QCOMPARE(log.add(heard("2026-11-02T02:05:00Z", 9610, "RRI")), 0);
        QCOMPARE(log.setFavourite({"RRI", 9610}, true), false);
        if (kind != "pipe")
            QCOMPARE(ledraTest::readFile(path), before);
        QCOMPARE(QDir(folder()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot), QStringList{"log.sqlite"});
    }

    // a log of the first schema gains its favourites and settings and keeps its receptions
    void migratesFromVersionOne()
    {
        const QString path = ReceptionLog::defaultPath();
        sqlite(path, {"CREATE TABLE receptions (id INTEGER PRIMARY KEY, start_utc TEXT NOT NULL, end_utc TEXT, "
                      "khz REAL NOT NULL, mode TEXT, station TEXT NOT NULL, language TEXT, target TEXT, site TEXT, "
                      "country TEXT, listener TEXT, km INTEGER, bearing INTEGER, path TEXT, sinpo TEXT, receiver "
                      "TEXT, antenna TEXT, notes TEXT, qsl_sent TEXT, qsl_sent_how TEXT, qsl_received TEXT)",
                      "INSERT INTO receptions (start_utc, khz, station, sinpo) VALUES "
                      "('2026-11-02T02:05:00Z', 9610, 'RRI', '34433')",
                      "PRAGMA user_version = 1"});
        {
            ReceptionLog log;
            QVERIFY2(log.isOpen(), qPrintable(log.problem()));
            const QList<Reception> receptions = log.receptions();
            QCOMPARE(receptions.size(), 1);
            QCOMPARE(receptions.first().sinpo, QString("34433"));
            QCOMPARE(receptions.first().km, -1);
            QVERIFY(log.setFavourite({"RRI", 9610}, true));
            QVERIFY(log.setSetting(remindKey, "1"));
        }
        QCOMPARE(sqlite(path, {"PRAGMA user_version"}), QVariant(2));
        QCOMPARE(sqlite(path, {"PRAGMA journal_mode"}), QVariant("wal"));
        ReceptionLog again;
        QCOMPARE(again.favourites().size(), 1);
        QCOMPARE(again.setting(remindKey), QString("1"));
        QCOMPARE(again.setting(reminderLeadKey, "5"), QString("5"));
    }

    void changes()
    {
        ReceptionLog log;
        QVERIFY2(log.isOpen(), qPrintable(log.problem()));
        const qint64 first = log.add(heard("2026-11-02T02:05:00Z", 9610, "RRI"));
        QVERIFY(first > 0);
        QVERIFY(log.add(heard("2026-11-01T02:05:00Z", 6090, "Ö1")) > first);
        QCOMPARE(stationsIn(log), (QStringList{"Ö1", "RRI"}));
        Reception changed = log.receptions().last();
        changed.sinpo = "45444";
        changed.notes = "'; DROP TABLE receptions; --";
        QVERIFY(log.update(changed));
        QCOMPARE(log.receptions().last().notes, changed.notes);
        QVERIFY(log.remove(first));
        QCOMPARE(stationsIn(log), QStringList{"Ö1"});
        changed.id = first;
        QVERIFY(!log.update(changed)); // it is gone

        // same start, kHz and station are skipped, in the log and within the file
        const ImportCounts counts = log.import({heard("2026-11-01T02:05:00Z", 6090, "Ö1"),
                                                heard("2026-11-01T02:05:00Z", 6090, "Ö3"),
                                                heard("2026-11-01T02:05:00Z", 6095, "Ö1"),
                                                heard("2026-11-01T02:06:00Z", 6090, "Ö1"),
                                                heard("2026-11-01T02:06:00Z", 6090, "Ö1")});
        QCOMPARE(counts.added, 3);
        QCOMPARE(counts.skipped, 2);
        QCOMPARE(log.receptions().size(), 4);

        QVERIFY(log.setFavourite({"RRI", 9610}, true));
        QVERIFY(log.setFavourite({"RRI", 9610}, true));
        QVERIFY(log.isFavourite("RRI", 9610));
        QVERIFY(log.setFavourite({"RRI", 9610}, false));
        QVERIFY(!log.isFavourite("RRI", 9610));
    }

private:
    static QString folder() { return QFileInfo(ReceptionLog::defaultPath()).path(); }
};

LEDRA_TEST_MAIN(TestReceptionLog)
#include "tst_receptionlog.moc"
