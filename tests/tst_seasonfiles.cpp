// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/core/seasonstore.h"
#include "season/core/seasoncode.h"
#include "tests/support/seasonservers.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QTest>

namespace {

QDateTime utc(const char* text)
{
    return QDateTime::fromString(QString::fromLatin1(text), Qt::ISODate).toUTC();
}

} // namespace

class TestSeasonFiles : public QObject
{
    Q_OBJECT
private slots:
    void seasonAtMoment_data()
    {
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("season");
        const auto row = [](const char* moment, const char* season) {
            QTest::newRow(moment) << utc(moment) << QString(season);
        };
        row("2025-03-29T23:59:59Z", "b24");
        row("2025-03-30T00:00:00Z", "a25");
        row("2025-10-25T23:59:59Z", "a25");
        row("2025-10-26T00:00:00Z", "b25");
        row("2026-01-01T00:00:00Z", "b25");
        // in local time the Sunday has begun, in UTC not yet
        row("2025-03-30T01:30:00+02:00", "b24");
        // a month whose last day is the Sunday; the century
        row("2024-03-30T23:59:59Z", "b23");
        row("2024-03-31T00:00:00Z", "a24");
        row("2000-01-01T00:00:00Z", "b99");
        row("2000-03-26T00:00:00Z", "a00");
    }
    void seasonAtMoment()
    {
        QFETCH(QDateTime, moment);
        QTEST(seasonCodeAt(moment), "season");
    }

    void previous_data()
    {
        QTest::addColumn<QString>("season");
        QTest::addColumn<QString>("previous");
        QTest::newRow("winter") << "b26" << "a26";
        QTest::newRow("summer") << "a26" << "b25";
        QTest::newRow("century") << "a00" << "b99";
    }
    void previous()
    {
        QFETCH(QString, season);
        QTEST(previousSeason(season), "previous");
    }

    void note_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<QString>("note");
        QTest::newRow("old season") << "sked-a25.csv" << "sked-a25.csv is the summer 2025 schedule; today is in b26";
        QTest::newRow("today's") << "sked-b26.csv" << "sked-b26.csv is the winter 2026/27 schedule";
        QTest::newRow("upper case") << "SKED-B99.CSV" << "SKED-B99.CSV is the winter 2099/00 schedule; today is in b26";
        QTest::newRow("no season in the name") << "season.csv" << "";
    }
    void note()
    {
        QFETCH(QString, fileName);
        QTEST(seasonNote(fileName, utc("2026-12-07T12:00:00Z")), "note");
    }

    // the faults a server makes are checked through the download, in tst_seasondownload
    void bodyChecks_data()
    {
        QTest::addColumn<qint64>("announced");
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("kept");
        QTest::addColumn<QString>("problem");
        QTest::newRow("complete, half the kept copy") << qint64(ledraTest::seasonBody(20).size()) << 20 << 40 << "";
        QTest::newRow("no record") << qint64(-1) << 0 << 0 << "the answer holds no broadcast";
        QTest::newRow("fewer than half") << qint64(-1) << 20 << 41
                                         << "the answer holds 20 broadcasts, fewer than half of the 41 in the kept copy";
    }
    void bodyChecks()
    {
        QFETCH(qint64, announced);
        QFETCH(int, records);
        QFETCH(int, kept);
        QTEST(checkSeasonBody(ledraTest::seasonBody(records), announced, kept).problem, "problem");
    }

    void keepsThePreviousCopyAsBak()
    {
        const QString path = keptSeasonPath("b26");
        QVERIFY(QDir().mkpath(seasonFolder()));
        QCOMPARE(keepSeasonFile(path, "first"), QString());
        QVERIFY(!QFile::exists(backupPath(path)));
        QCOMPARE(keepSeasonFile(path, "second"), QString());
        QCOMPARE(keepSeasonFile(path, "third"), QString());
        QCOMPARE(ledraTest::readFile(path), QByteArray("third"));
        QCOMPARE(ledraTest::readFile(seasonFolder() + "/sked-b26.bak"), QByteArray("second"));
        QCOMPARE(QDir(seasonFolder()).entryList(QDir::Files), QStringList({"sked-b26.bak", "sked-b26.csv"}));
        QCOMPARE(QFile::permissions(path) & QFileDevice::ReadOther, QFileDevice::ReadOther);
        QDir(seasonFolder()).removeRecursively();
    }

    void newestKept()
    {
        QCOMPARE(newestKeptSeasonFile(), QString());
        for (const char* name : {"sked-b99.csv", "sked-a26.csv", "sked-b25.csv", "sked-b26.bak", "sked-b27.txt", "notes.csv"})
            ledraTest::writeFile(seasonFolder() + '/' + name, "kHz:\n");
        QCOMPARE(newestKeptSeasonFile(), seasonFolder() + "/sked-b99.csv");
        QFile::remove(seasonFolder() + "/sked-b99.csv");
        QCOMPARE(newestKeptSeasonFile(), seasonFolder() + "/sked-a26.csv");
        QDir(seasonFolder()).removeRecursively();
    }

    void dailyCheck_data()
    {
        QTest::addColumn<QDateTime>("last");
        QTest::addColumn<bool>("due");
        QTest::newRow("never") << QDateTime() << true;
        QTest::newRow("an hour ago") << utc("2026-12-07T11:00:00Z") << false;
        QTest::newRow("a day ago") << utc("2026-12-06T12:00:00Z") << true;
        QTest::newRow("later than now") << utc("2027-12-07T12:00:00Z") << true;
    }
    void dailyCheck()
    {
        QFETCH(QDateTime, last);
        QTEST(dailyCheckDue(last, utc("2026-12-07T12:00:00Z")), "due");
    }
};

int main(int argc, char* argv[])
{
    ledraTest::usePrivateHome();
    TestSeasonFiles test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_seasonfiles.moc"
