// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/core/scheduleformat.h"
#include "season/core/onair.h"
#include "season/core/seasonfilter.h"
#include "season/core/seasonrecord.h"
#include "season/core/stationnames.h"

#include <QTest>

namespace {

SeasonRecord record(const QString& line)
{
    return parseSeasonFile("kHz:75;\n" + line.toUtf8()).records.value(0);
}

QDateTime utc(const QString& text)
{
    return QDateTime(QDate::fromString(text.left(10), Qt::ISODate), QTime::fromString(text.mid(11), "HH:mm"), Qt::UTC);
}

// every record of a file as schedule lines, then the counts and the warnings
QString summary(const SeasonFile& file)
{
    QString text = file.recognised ? QString() : "refused\n";
    for (const SeasonRecord& record : file.records)
        text += scheduleLine(scheduleFields(record), orvaneColumns);
    return text + QString("%1 skipped, %2 impossible\n").arg(file.skipped).arg(file.impossibleDates)
           + file.warnings.join('\n');
}

} // namespace

class TestSeasonRules : public QObject
{
    Q_OBJECT
private slots:
    // 2025-06-16 is a Monday
    void onAir_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("moment");
        QTest::addColumn<bool>("expected");
        const auto row = [](const char* name, const char* line, const char* moment, bool expected) {
            QTest::newRow(name) << QString(line) << QString(moment) << expected;
        };
        row("inside", "11700;1200-1230;;ROU;R;A;ME;g;;;", "2025-06-16T12:00", true);
        row("end excluded", "11700;1200-1230;;ROU;R;A;ME;g;;;", "2025-06-16T12:30", false);
        row("2400 ends the day", "6000;2300-2400;;ROU;R;A;ME;g;;;", "2025-06-16T23:59", true);
        row("crosses midnight, before", "6000;2330-0100;Mo;ROU;R;A;ME;g;;;", "2025-06-16T23:45", true);
        row("crosses midnight, on the day after", "6000;2330-0100;Mo;ROU;R;A;ME;g;;;", "2025-06-17T00:30", true);
        row("crosses midnight, not the day itself", "6000;2330-0100;Mo;ROU;R;A;ME;g;;;", "2025-06-16T00:30", false);
        row("crosses midnight, after the end", "6000;2330-0100;Mo;ROU;R;A;ME;g;;;", "2025-06-17T01:00", false);
        row("start equals end: all day", "6000;0600-0600;Tu;ROU;R;A;ME;g;;;", "2025-06-17T02:00", true);
        row("wrapping range, inside", "6000;0000-2400;Sa-Mo;ROU;R;A;ME;g;;;", "2025-06-16T02:00", true);
        row("wrapping range, outside", "6000;0000-2400;We-Mo;ROU;R;A;ME;g;;;", "2025-06-17T02:00", false);
        row("run", "6000;0000-2400;SaSu;ROU;R;A;ME;g;;;", "2025-06-16T02:00", false);
        row("list of runs", "6000;0000-2400;Tu,MoWe;ROU;R;A;ME;g;;;", "2025-06-16T02:00", true);
        row("digits", "6000;0000-2400;1245;ROU;R;A;ME;g;;;", "2025-06-16T02:00", true);
        row("digits, other day", "6000;0000-2400;1245;ROU;R;A;ME;g;;;", "2025-06-18T02:00", false);
        row("date", "6000;0000-2400;16Jun;ROU;R;A;ME;g;;;", "2025-06-16T02:00", true);
        row("date, other day", "6000;0000-2400;1Jun;ROU;R;A;ME;g;;;", "2025-06-16T02:00", false);
        row("unreadable days: irregular, never hidden", "6000;0000-2400;1.Sa;ROU;R;A;ME;g;;;", "2025-06-16T02:00", true);
        row("USB is daily", "6000;0000-2400;USB;ROU;R;A;ME;g;;;", "2025-06-16T02:00", true);
        row("within dates", "6000;0000-2400;;ROU;R;A;ME;g;;0106;3010;", "2025-06-16T02:00", true);
        row("stop with tag, past", "6000;0000-2400;;ROU;R;A;ME;g;;;1506[0124];", "2025-06-16T02:00", false);
        row("only a tag: no limit", "6000;0000-2400;;ROU;R;A;ME;g;;;[0125];", "2025-06-16T02:00", true);
        row("start later, before it", "6000;0000-2400;;ROU;R;A;ME;g;;1706;;", "2025-06-16T02:00", false);
        row("New Year period, summer", "6000;0000-2400;;ROU;R;A;ME;g;;0111;2802;", "2025-06-16T02:00", false);
        row("New Year period, January", "6000;0000-2400;;ROU;R;A;ME;g;;0111;2802;", "2026-01-15T02:00", true);
        row("impossible date: no limit", "6000;0000-2400;;ROU;R;A;ME;g;;3002;0106;", "2025-06-16T02:00", false);
        row("P blank 8 is inactive", "11700;1200-1230;;ROU;R;A;ME;g; 8;;", "2025-06-16T12:00", false);
    }
    void onAir()
    {
        QFETCH(QString, line);
        QFETCH(QString, moment);
        QFETCH(bool, expected);
        const SeasonRecord season = record(line);
        QCOMPARE(::onAir(season, utc(moment)), expected);
        // a schedule row has no dates and no persistence code, only its time and days
        if (season.startDate == noDate && season.stopDate == noDate && !season.inactive) {
            QCOMPARE(scheduleRowOnAir(season.field(TimeField), season.field(DaysField), utc(moment)), expected);
        }
    }

    void status_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("moment");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("toStart");
        QTest::newRow("on air") << "6000;1200-1230;;ROU;R;A;ME;g;;;" << "2025-06-16T12:10" << 20 << -1;
        QTest::newRow("to 2400 from midnight") << "6000;0000-2400;;ROU;R;A;ME;g;;;" << "2025-06-16T00:00" << 1440 << -1;
        QTest::newRow("across midnight") << "6000;2330-0100;;ROU;R;A;ME;g;;;" << "2025-06-16T23:40" << 80 << -1;
        QTest::newRow("starts within the hour") << "6000;1300-1330;;ROU;R;A;ME;g;;;" << "2025-06-16T12:10" << -1 << 50;
        QTest::newRow("starts later") << "6000;1400-1430;;ROU;R;A;ME;g;;;" << "2025-06-16T12:10" << -1 << -1;
        QTest::newRow("next start on a day it is off") << "6000;0030-0100;Mo;ROU;R;A;ME;g;;;" << "2025-06-16T23:50"
                                                       << -1 << -1;
    }
    void status()
    {
        QFETCH(QString, line);
        QFETCH(QString, moment);
        QTEST(minutesLeft(record(line), utc(moment)), "left");
        QTEST(minutesToStart(record(line), utc(moment), 60), "toStart");
    }

    void parse_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("expected");
        const QByteArray header = "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;"
                                  "Remarks:135;P:35;Start:60;Stop:60;";
        QTest::newRow("CR LF, Windows-1252, rounding, modes")
            << header + "\r\n16.3;0000-2400;;IND;VTX1;;SAs;v;1;;\r\n6089.5;0100-0200;USB;D;R\xe1" "dio;E,F;Eu;/OMA-a;8;0111;2802[0124];\r\n"
                        "6090;0100-0200;LSB;D;B;E;Eu;;;;[0125];\r\n"
            << "16;0000-2400;;IND;VTX1;;SAs;v;;\n6090;0100-0200;USB;D;Rádio;E,F;Eu;/OMA-a;3;\n"
               "6090;0100-0200;LSB;D;B;E;Eu;;4;\n0 skipped, 0 impossible\n";
        QTest::newRow("UTF-8, LF, no last LF") << header + "\n9400;0000-2400;;ROU;Rádio;E;Eu;k;1;;"
                                                << "9400;0000-2400;;ROU;Rádio;E;Eu;k;;\n0 skipped, 0 impossible\n";
        QTest::newRow("skipped and impossible")
            << header + "\n9400;0000-2400;;ROU;Short;E;Eu;k;1\n9400;2500-0100;;ROU;T;E;Eu;k;1;;\n"
                        "x;0000-0100;;ROU;F;E;Eu;k;1;;\n9400;0000-0100;;ROU;D;E;Eu;k;1;3002;"
            << "9400;0000-0100;;ROU;D;E;Eu;k;;\n3 skipped, 1 impossible\n"
               "line 2: skipped, fewer than eleven fields\nline 3: skipped, unreadable time \"2500-0100\"\n"
               "line 4: skipped, unreadable frequency \"x\"\nline 5: impossible date \"3002\" applies no limit";
        QTest::newRow("no radio frequency")
            << header + "\nnan;0000-0100;;ROU;N;E;Eu;k;1;;\n1e300;0000-0100;;ROU;H;E;Eu;k;1;;\n"
            << "2 skipped, 0 impossible\nline 2: skipped, unreadable frequency \"nan\"\n"
               "line 3: skipped, unreadable frequency \"1e300\"";
        // the usual numbers are read directly, any other form as Qt reads it
        QTest::newRow("kHz forms") << header + "\n 11700 ;0000-2400;;ROU;A;E;Eu;k;1;;\n5005.55;0000-2400;;ROU;B;E;Eu;k;1;;\n"
                                               "1e4;0000-2400;;ROU;C;E;Eu;k;1;;\n0012345.000000000000001;0000-2400;;ROU;D;E;Eu;k;1;;\n"
                                               "7.5.1;0000-2400;;ROU;E;E;Eu;k;1;;\n"
                                   << "11700;0000-2400;;ROU;A;E;Eu;k;;\n5006;0000-2400;;ROU;B;E;Eu;k;;\n"
                                      "10000;0000-2400;;ROU;C;E;Eu;k;;\n12345;0000-2400;;ROU;D;E;Eu;k;;\n"
                                      "1 skipped, 0 impossible\nline 6: skipped, unreadable frequency \"7.5.1\"";
        // Windows-1252's own letters in a long line and in the last bytes; fields past the eleventh
        QTest::newRow("Windows-1252 letters, more fields")
            << header + "\r\n9400;0000-2400;;ROU;Radio \x8a\x80 Romania International;E;Eu;k;1;;;more;\r\n"
                        "9410;0000-2400;;ROU;R;E;Eu;\x9c;1;;"
            << "9400;0000-2400;;ROU;Radio Š€ Romania International;E;Eu;k;;\n9410;0000-2400;;ROU;R;E;Eu;œ;;\n"
               "0 skipped, 0 impossible\n";
        QTest::newRow("not a season file") << QByteArray("9400;0000-2400;;ROU;R;E;Eu;k;1;;\n")
                                           << "refused\n0 skipped, 0 impossible\n";
    }
    void parse()
    {
        QFETCH(QByteArray, bytes);
        QTEST(summary(parseSeasonFile(bytes)), "expected");
    }

    void filterMatching_data()
    {
        QTest::addColumn<QString>("filter"); // part=value, separated by "|"
        QTest::addColumn<bool>("matches");
        // the record: 9610 kHz, 1200-1300 Monday to Friday, ROU, "Rádio Romania", E and F, ME
        QTest::newRow("no filter") << "" << true;
        QTest::newRow("range edge") << "khz=9610-9610" << true;
        QTest::newRow("every range must hold it") << "khz=9400-9900|khz=9000-9500" << false;
        QTest::newRow("second language") << "language=F" << true;
        QTest::newRow("language is a whole code") << "language=E,F" << false;
        QTest::newRow("target") << "target=ME" << true;
        QTest::newRow("target is whole") << "target=M" << false;
        QTest::newRow("station, folded") << "find=RÁDIO" << true;
        QTest::newRow("station, accents count") << "find=radio" << false;
        QTest::newRow("off the air") << "at=2025-06-14T12:30" << false;
        QTest::newRow("all parts") << "khz=9000-10000|language=E|country=ROU|find=romania|at=2025-06-16T12:00" << true;
        QTest::newRow("one part fails") << "khz=9000-10000|language=E|country=D|find=romania" << false;
    }
    void filterMatching()
    {
        QFETCH(QString, filter);
        SeasonFilter parts;
        for (const QString& part : filter.split('|', Qt::SkipEmptyParts)) {
            const QString value = part.section('=', 1);
            if (part.startsWith("khz="))
                parts.ranges.append({value.section('-', 0, 0).toDouble(), value.section('-', 1).toDouble()});
            else if (part.startsWith("language="))
                parts.language = value;
            else if (part.startsWith("target="))
                parts.target = value;
            else if (part.startsWith("country="))
                parts.country = value;
            else if (part.startsWith("find="))
                parts.foldedFind = value.toCaseFolded();
            else if (part.startsWith("at=")) {
                parts.atMoment = true;
                parts.moment = airMoment(utc(value));
            }
        }
        QTEST(::matches(record("9610;1200-1300;Mo-Fr;ROU;Rádio Romania;E,F;ME;g;1;;"), parts), "matches");
    }

    void inactiveLines()
    {
        const SeasonFile file = parseSeasonFile("kHz:75;\n"
                                                "9421;0000-2400;;ROU;RRI old;E;ME;g;8;;\n"
                                                "9610;0000-2400;;ROU;RRI;E;ME;g; 8;;\n"
                                                "9610;0000-2400;;ROU;RRI;E;ME;g;1;;\n"
                                                "6089.5;0100-0200;USB;D;DW;G;Eu;;8;;\n"
                                                "9418;0000-2400;;ROU;RRI;E;ME;g;;;\n");
        QCOMPARE(inactiveOnlyLines(file.records),
                 (QSet<QString>{"9421;0000-2400;;ROU;RRI old;E;ME;g;", "6090;0100-0200;USB;D;DW;G;Eu;;3"}));
    }

    void bands_data()
    {
        QTest::addColumn<double>("khz");
        QTest::addColumn<QString>("band");
        QTest::newRow("LW low edge") << 148.5 << "LW";
        QTest::newRow("LW high edge") << 283.5 << "LW";
        QTest::newRow("just above LW") << 283.6 << "";
        QTest::newRow("11m high edge") << 26100.0 << "11m";
    }
    void bands()
    {
        QFETCH(double, khz);
        QTEST(bandOf(khz), "band");
    }

    // memchr looks for the text's byte rarest in the names, wherever it stands in the text
    void stationNamesFind_data()
    {
        QTest::addColumn<QString>("names");
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("holding"); // a digit a name
        QTest::newRow("first name, at the start") << "radio romania|rádio|voice of america" << "radio" << "100";
        QTest::newRow("last name, at the end") << "radio romania|rádio|voice of america" << "america" << "001";
        QTest::newRow("accented") << "radio|rádio" << "ádio" << "01";
        QTest::newRow("rare byte last, at the very end") << "aaaa|aaab" << "ab" << "01";
        QTest::newRow("rare byte first in the names, second in the text") << "baaa|xab" << "ab" << "01";
        QTest::newRow("rare byte found, the rest not") << "aaaa|xb|ab" << "ab" << "001";
        QTest::newRow("not across two names") << "ab|cd" << "bc" << "00";
        QTest::newRow("longer than any name") << "rádio|radio" << "radio romania" << "00";
        QTest::newRow("many times in a name") << "aa|a|b" << "a" << "110";
        QTest::newRow("a lone surrogate") << "a|b" << QString(QChar(0xD800)) << "00";
        QTest::newRow("empty text") << "a|b" << "" << "11";
    }
    void stationNamesFind()
    {
        QFETCH(QString, names);
        QFETCH(QString, find);
        const StationNames stations(names.split('|').join('\n') + '\n');
        const StationNames::Find text = stations.find(find);
        QString all, each;
        for (char holds : stations.namesHolding(text))
            all += QChar(holds ? '1' : '0');
        for (qsizetype name = 0; name < stations.count(); ++name)
            each += QChar(stations.holds(name, text) ? '1' : '0');
        QTEST(all, "holding");
        QTEST(each, "holding");
    }
};

QTEST_APPLESS_MAIN(TestSeasonRules)
#include "tst_seasonrules.moc"
