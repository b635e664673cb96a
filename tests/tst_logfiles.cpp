// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/core/logfiles.h"
#include "log/core/logstats.h"
#include "log/core/reception.h"
#include "log/core/reminders.h"

#include <QTest>

namespace {

// every field of a reception as text, to compare two whole receptions
QStringList fieldsOf(const Reception& r)
{
    return {r.start.toString(Qt::ISODate), r.end.toString(Qt::ISODate), QString::number(r.khz, 'f', 3), r.mode,
            r.station, r.language, r.target, r.site, r.country, r.listener, QString::number(r.km),
            QString::number(r.bearing), r.path, r.sinpo, r.receiver, r.antenna, r.notes,
            r.qslSent.toString(Qt::ISODate), r.qslSentHow, r.qslReceived.toString(Qt::ISODate)};
}

QDateTime utc(const char* text)
{
    return QDateTime::fromString(QLatin1String(text), Qt::ISODate).toUTC();
}

// accents, a semicolon and a comma, empty fields, a long note over lines, an SSB item, a QSL
QList<Reception> sampleReceptions()
{
    Reception full;
    full.start = utc("2026-11-02T02:05:00Z");
    full.end = utc("2026-11-02T02:30:00Z");
    full.khz = 9610;
    full.mode = "SAM";
    full.station = "Rádio Nacional; São Paulo";
    full.language = "P,E";
    full.target = "SAm";
    full.site = "Galbeni 46N45-26E41";
    full.country = "ROU";
    full.listener = "JO62qm";
    full.km = 1153;
    full.bearing = 119;
    full.path = "night";
    full.sinpo = "34433";
    full.receiver = "Icom IC-R75";
    full.antenna = "Wire, 20 m";
    full.notes = QString("Interval signal \"Ciocârlia\", then news.\n").repeated(20) + "Faded at 02:28";
    full.qslSent = QDate(2026, 11, 3);
    full.qslSentHow = "e-mail";
    full.qslReceived = QDate(2027, 1, 15);
    Reception bare;
    bare.start = utc("2026-11-02T23:59:00Z");
    bare.khz = 7250.5;
    bare.mode = "USB";
    bare.station = "Ö1";
    Reception noMode;
    noMode.start = utc("2026-12-31T00:00:00Z");
    noMode.khz = 3985;
    noMode.station = "Shortwave Service";
    return {full, bare, noMode};
}

QByteArray readableFromFile(const char* lines)
{
    return QByteArray(lines);
}

} // namespace

class TestLogFiles : public QObject
{
    Q_OBJECT
private slots:
    void signalReport_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("code");
        QTest::addColumn<bool>("refused");
        QTest::newRow("SINPO") << "34433" << "34433" << false;
        QTest::newRow("spaced out") << " 3 4 4 3 3 " << "34433" << false;
        QTest::newRow("SIO") << "343" << "343" << false;
        QTest::newRow("none") << "  " << "" << false;
        QTest::newRow("four digits") << "3443" << "" << true;
        QTest::newRow("a zero") << "34403" << "" << true;
        QTest::newRow("a six") << "34463" << "" << true;
        QTest::newRow("letters") << "S4433" << "" << true;
    }
    void signalReport()
    {
        QFETCH(QString, typed);
        QFETCH(QString, code);
        QFETCH(bool, refused);
        const SignalReport report = readSignalReport(typed);
        QCOMPARE(report.code, code);
        QCOMPARE(report.refusal.isEmpty(), !refused);
        if (refused)
            QCOMPARE(report.refusal, QString("\"%1\" is no SINPO code: five digits from 1 to 5 (34433), or three "
                                             "for SIO (343)").arg(typed.trimmed()));
    }

    // ADIF's band list is the amateur one: broadcast bands lie in none, or overlap one
    void band_data()
    {
        QTest::addColumn<double>("khz");
        QTest::addColumn<QString>("band");
        QTest::newRow("31 m broadcast") << 9610.0 << "";
        QTest::newRow("41 m inside 40 m") << 7250.5 << "40m";
        QTest::newRow("40 m top edge") << 7300.0 << "40m";
        QTest::newRow("just above") << 7300.5 << "";
        QTest::newRow("75 m inside 80 m") << 3985.0 << "80m";
        QTest::newRow("60 m tropical") << 5005.0 << "";
        QTest::newRow("60 m") << 5060.0 << "60m";
        QTest::newRow("medium wave") << 1215.0 << "";
        QTest::newRow("10 m") << 29700.0 << "10m";
    }
    void band()
    {
        QFETCH(double, khz);
        QFETCH(QString, band);
        QCOMPARE(adifBand(khz), band);
    }

    void adifBytes()
    {
        const QByteArray adif = writeAdif(sampleReceptions());
        QVERIFY(adif.startsWith("Reception log written by Ledra\n"
                                "<ADIF_VER:5>3.1.0 <PROGRAMID:5>LEDRA <PROGRAMVERSION:5>1.0.0 <EOH>\n<SWL:1>Y "));
        // SAM has no ADIF mode of its own; ADIF lengths count the bytes of the UTF-8 text
        QVERIFY(adif.contains("<SWL:1>Y <QSO_DATE:8>20261102 <TIME_ON:6>020500 <QSO_DATE_OFF:8>20261102 "
                              "<TIME_OFF:6>023000 <FREQ:4>9.61 <MODE:2>AM <CALL:27>Rádio Nacional; São Paulo "
                              "<COUNTRY:7>Romania <DISTANCE:4>1153 <MY_GRIDSQUARE:6>JO62qm <MY_RIG:11>Icom IC-R75 "
                              "<MY_ANTENNA:10>Wire, 20 m <QSL_SENT:1>Y <QSLSDATE:8>20261103 <QSL_RCVD:1>Y "
                              "<QSLRDATE:8>20270115 <COMMENT:"));
        QVERIFY(adif.contains("<APP_LEDRA_SINPO:5>34433 <APP_LEDRA_LANGUAGE:3>P,E <APP_LEDRA_TARGET:3>SAm "
                              "<APP_LEDRA_SITE:19>Galbeni 46N45-26E41 <APP_LEDRA_ITU:3>ROU <APP_LEDRA_MODE:3>SAM "
                              "<APP_LEDRA_LISTENER:6>JO62qm <APP_LEDRA_BEARING:3>119 <APP_LEDRA_PATH:5>night "
                              "<APP_LEDRA_QSL_VIA:6>e-mail <EOR>"));
        // a long note goes whole, over lines in NOTES and on one line in COMMENT
        const Reception full = sampleReceptions().first();
        QVERIFY(adif.contains("<NOTES:" + QByteArray::number(full.notes.toUtf8().size()) + '>' + full.notes.toUtf8()));
        QVERIFY(adif.endsWith("<EOR>\n<SWL:1>Y <QSO_DATE:8>20261102 <TIME_ON:6>235900 <FREQ:6>7.2505 "
                              "<BAND:3>40m <MODE:3>SSB <SUBMODE:3>USB <CALL:3>Ö1 <QSL_SENT:1>N <QSL_RCVD:1>N <EOR>\n"
                              "<SWL:1>Y <QSO_DATE:8>20261231 <TIME_ON:6>000000 <FREQ:5>3.985 <BAND:3>80m "
                              "<CALL:17>Shortwave Service <QSL_SENT:1>N <QSL_RCVD:1>N <EOR>\n"));
    }

    // what the writers write, their readers put back, every field
    void roundTrip_data()
    {
        QTest::addColumn<bool>("adif");
        QTest::newRow("ADIF") << true;
        QTest::newRow("CSV") << false;
    }
    void roundTrip()
    {
        QFETCH(bool, adif);
        const QList<Reception> written = sampleReceptions();
        const LogFileReading reading = adif ? readAdif(writeAdif(written)) : readLogCsv(writeLogCsv(written));
        QVERIFY(reading.recognised);
        QCOMPARE(reading.problems, QStringList());
        QCOMPARE(reading.receptions.size(), written.size());
        for (int i = 0; i < written.size(); ++i)
            QCOMPARE(fieldsOf(reading.receptions.at(i)), fieldsOf(written.at(i)));
    }

    // another program's file: names in any case, type indicators, a record without a station
    void adifOfAnotherProgram()
    {
        const LogFileReading reading = readAdif(readableFromFile(
            "Exported <by> another logger\r\n<adif_ver:5>3.1.4<eoh>\r\n"
            "<call:4:S>BBC <qso_date:8:D>20261102<time_on:4>0205<freq:5:N>9.410<mode:3>SSB<submode:3>LSB"
            "<rst_rcvd:2>55<eor>\r\n"
            "<qso_date:8>20261102<time_on:4>0205<freq:5>9.410<eor>\r\n"
            "<CALL:2>DW <QSO_DATE:8>20261102<TIME_ON:4>0210<FREQ:6>6.0755"));
        QVERIFY(reading.recognised);
        QCOMPARE(reading.receptions.size(), 1);
        const Reception& r = reading.receptions.first();
        QCOMPARE(r.station, QString("BBC ")); // its length said four bytes
        QCOMPARE(r.start, utc("2026-11-02T02:05:00Z"));
        QCOMPARE(r.khz, 9410.0);
        QCOMPARE(r.mode, QString("LSB"));
        QCOMPARE(reading.problems, (QStringList{"record 2: no CALL, left out",
                                              "record 3: no <EOR> at the end of the file, left out"}));
        QCOMPARE(readAdif("<CALL:9>DW<EOR>").problems, QStringList{"record 1: field CALL runs past the end of the file, left out"});
        QVERIFY(!readAdif("QSO_DATE 20261102, no tags at all").recognised);
    }

    void counts()
    {
        QList<Reception> receptions = sampleReceptions();
        receptions.append(receptions.first());
        receptions.last().start = utc("2026-11-05T02:05:00Z");
        receptions.last().sinpo = "45444";
        QCOMPARE(heardCountsText(heardCounts(receptions)),
                 QString("4 receptions of 3 stations from 1 country in 2 languages"));
        QCOMPARE(heardBeforeText(receptions, "Rádio Nacional; São Paulo", 9610.4),
                 QString("Heard 2 times, last 2026-11-05 02:05 UTC, SINPO 45444"));
        QCOMPARE(heardBeforeText(receptions, "Ö1", 7250.5), QString("Heard once, last 2026-11-02 23:59 UTC"));
        QCOMPARE(heardBeforeText(receptions, "Ö1", 7260), QString());
    }

    // 2025-06-16 is a Monday
    void due_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("until");
        QTest::addColumn<int>("lead");
        QTest::addColumn<QStringList>("starts");
        const QByteArray daily = "9610;1200-1300;;ROU;RRI;E;ME;g;;;";
        QTest::newRow("five minutes before") << daily << "2025-06-16T11:54:00Z" << "2025-06-16T11:55:00Z" << 5
                                             << QStringList{"2025-06-16T12:00:00Z"};
        QTest::newRow("a minute later it is past") << daily << "2025-06-16T11:55:00Z" << "2025-06-16T11:56:00Z" << 5
                                                   << QStringList();
        QTest::newRow("a day's interval holds two") << daily << "2025-06-16T11:00:00Z" << "2025-06-17T12:00:00Z" << 60
                                                    << QStringList{"2025-06-17T12:00:00Z"};
        QTest::newRow("a lead across midnight") << QByteArray("9610;0010-0100;Mo;ROU;RRI;E;ME;g;;;")
                                                << "2025-06-15T23:30:00Z" << "2025-06-15T23:45:00Z" << 30
                                                << QStringList{"2025-06-16T00:10:00Z"};
        QTest::newRow("a Monday-only broadcast not on Tuesday") << QByteArray("9610;0010-0100;Mo;ROU;RRI;E;ME;g;;;")
                                                                << "2025-06-16T23:30:00Z" << "2025-06-16T23:45:00Z"
                                                                << 30 << QStringList();
        QTest::newRow("Mo-Fr, none on Saturday") << QByteArray("9610;1200-1300;Mo-Fr;ROU;RRI;E;ME;g;;;")
                                                 << "2025-06-20T00:00:00Z" << "2025-06-22T00:00:00Z" << 5
                                                 << QStringList{"2025-06-20T12:00:00Z"};
        QTest::newRow("from its start date") << QByteArray("9610;1200-1300;;ROU;RRI;E;ME;g;;1706;")
                                             << "2025-06-16T00:00:00Z" << "2025-06-18T00:00:00Z" << 5
                                             << QStringList{"2025-06-17T12:00:00Z"};
        QTest::newRow("inactive") << QByteArray("9610;1200-1300;;ROU;RRI;E;ME;g;8;;") << "2025-06-16T11:54:00Z"
                                  << "2025-06-16T11:55:00Z" << 5 << QStringList();
        QTest::newRow("on the air all day never comes on") << QByteArray("9610;0000-2400;;ROU;RRI;E;ME;g;;;")
                                                           << "2025-06-15T23:00:00Z" << "2025-06-16T01:00:00Z" << 5
                                                           << QStringList();
        QTest::newRow("another frequency") << QByteArray("9620;1200-1300;;ROU;RRI;E;ME;g;;;")
                                           << "2025-06-16T11:54:00Z" << "2025-06-16T11:55:00Z" << 5 << QStringList();
        QTest::newRow("another station") << QByteArray("9610;1200-1300;;ROU;RRI 2;E;ME;g;;;")
                                         << "2025-06-16T11:54:00Z" << "2025-06-16T11:55:00Z" << 5 << QStringList();
    }
    void due()
    {
        QFETCH(QByteArray, record);
        QFETCH(QString, from);
        QFETCH(QString, until);
        QFETCH(int, lead);
        QFETCH(QStringList, starts);
        const SeasonFile season = parseSeasonFile("kHz:75;\n" + record + '\n');
        QCOMPARE(season.records.size(), 1);
        const QList<DueReminder> due =
            dueReminders(season.records, {{"RRI", 9610.4}}, utc(qPrintable(from)), utc(qPrintable(until)), lead);
        QStringList found;
        for (const DueReminder& reminder : due) {
            found.append(reminder.start.toString(Qt::ISODate));
            QCOMPARE(reminder.remindAt, reminder.start.addSecs(-60 * lead));
        }
        QCOMPARE(found, starts);
    }
};

QTEST_APPLESS_MAIN(TestLogFiles)
#include "tst_logfiles.moc"
