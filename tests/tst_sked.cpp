// SPDX-License-Identifier: GPL-3.0-or-later
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// a Monday 2025-06-16 at 12:00: the first record on the air, the second inactive (P 8), the
// third off the air; Windows-1252 and CR LF as the published files are
const QByteArray seasonFile = "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;"
                              "Remarks:135;P:35;Start:60;Stop:60;\r\n"
                              "9610;1200-1300;Mo-Fr;ROU;R\xe1" "dio Romania;E,F;ME;g;1;;\r\n"
                              "11700;1200-1230;;ROU;Radio Romania Int.;A;ME;g;8;;\r\n"
                              "6089.5;2300-0100;;D;Short;E;Eu;/OMA-a;;;\r\n"
                              "6000;0000-0100;;D;Cut\r\n";
const QByteArray lineOnAir = "9610;1200-1300;Mo-Fr;ROU;Rádio Romania;E,F;ME;g;;\n";
const QByteArray lineInactive = "11700;1200-1230;;ROU;Radio Romania Int.;A;ME;g;;\n";
const QByteArray lineRounded = "6090;2300-0100;;D;Short;E;Eu;/OMA-a;;\n";
const QString skippedWarning = "ledra-sked: FILE: line 5: skipped, fewer than eleven fields\n";

QString counts(int printed, int rounded)
{
    return QString("ledra-sked: 3 records read, 1 skipped, 0 impossible dates, 1 inactive; "
                   "%1 printed, %2 of them rounded to whole kHz\n").arg(printed).arg(rounded);
}

QString bookmarkCounts(int printed, int written, int repeats, const QString& program)
{
    return QString("ledra-sked: 3 records read, 1 skipped, 0 impossible dates, 1 inactive; %1 printed as %2 "
                   "bookmarks, %3 left out (same frequency and name), 0 written as AM (a mode %4 lacks)\n")
        .arg(printed).arg(written).arg(repeats).arg(program);
}

const QByteArray csvHeader = "kHz;Time;Days;ITU;Station;Lng;Target;Site;P;Start;Stop;Status;Km;Bearing;Path\n";

// statuses that hold at any moment: on the air all day, irregular days, never (31 December but
// only from January to November), inactive
const QByteArray statusFile = "kHz:75;\n"
                              "9420;0000-2400;;GRC;\xce\x95\xce\xa1\xce\xa4;Gr;Eu;a;1;;\n"
                              "9425;0000-2400;irr;GRC;ERT;Gr;Eu;a;;;\n"
                              "9430;0000-2400;31Dec;GRC;ERT;Gr;Eu;a;;0101;3011\n"
                              "9435;0000-2400;;GRC;ERT;Gr;Eu;a;8;;\n";

QByteArray runSked(const QStringList& arguments, QString& err)
{
    QProcess sked;
    sked.start(LEDRA_SKED, arguments);
    if (!sked.waitForFinished() || sked.exitStatus() != QProcess::NormalExit)
        return "did not finish";
    err = QString::fromUtf8(sked.readAllStandardError());
    return sked.readAllStandardOutput();
}

} // namespace

class TestSked : public QObject
{
    Q_OBJECT
private slots:
    void run_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QString>("err"); // FILE stands for the season file's path
        QTest::newRow("whole file") << QStringList() << 0 << lineOnAir + lineInactive + lineRounded
                                    << skippedWarning + counts(3, 1);
        QTest::newRow("--at leaves out the inactive record")
            << QStringList{"--at", "2025-06-16T12:00Z"} << 0 << lineOnAir << skippedWarning + counts(1, 0);
        QTest::newRow("--on-air --at after midnight")
            << QStringList{"--on-air", "--at", "2025-06-17T00:59"} << 0 << lineRounded << skippedWarning + counts(1, 1);
        QTest::newRow("band, language and find") << QStringList{"--band", "31m", "--language", "F", "--find", "RÁDIO"}
                                                 << 0 << lineOnAir << skippedWarning + counts(1, 0);
        QTest::newRow("khz on the unrounded value") << QStringList{"--khz", "6089.6-7000"} << 0 << QByteArray()
                                                    << skippedWarning + counts(0, 0);
        QTest::newRow("country and target") << QStringList{"--country", "ROU", "--target", "ME"} << 0
                                            << lineOnAir + lineInactive << skippedWarning + counts(2, 0);
        QTest::newRow("csv at a moment") << QStringList{"--format", "csv", "--at", "2025-06-16T12:00Z"} << 0
                                         << csvHeader + "9610;1200-1300;Mo-Fr;ROU;Rádio Romania;E,F;ME;g;1;;;on air;;;\n"
                                         << skippedWarning + "ledra-sked: 3 records read, 1 skipped, 0 impossible "
                                                             "dates, 1 inactive; 1 printed\n";
        // distances and bearings by Vincenty's formulae; the light by the Astronomical Almanac's sun:
        // Galbeni in the noon sun, A'Seela (-4.9°) in twilight and Berlin (-10.3°) dark after midnight
        QTest::newRow("csv from a locator") << QStringList{"--format", "csv", "--from", "JO62qm", "--at", "2025-06-16T12:00Z"}
                                            << 0 << csvHeader + "9610;1200-1300;Mo-Fr;ROU;Rádio Romania;E,F;ME;g;1;;;"
                                                                "on air;1153;119;day\n"
                                            << skippedWarning + "ledra-sked: 3 records read, 1 skipped, 0 impossible "
                                                                "dates, 1 inactive; 1 printed\n";
        QTest::newRow("csv from degrees, within") << QStringList{"--format", "csv", "--from", "52.5208,13.375", "--within",
                                                                 "5188", "--at", "2025-06-17T00:59"}
                                                  << 0 << csvHeader + "6089.5;2300-0100;;D;Short;E;Eu;/OMA-a;;;;on air;"
                                                                      "5188;113;mixed\n"
                                                  << skippedWarning + "ledra-sked: 3 records read, 1 skipped, 0 impossible "
                                                                      "dates, 1 inactive; 1 printed\n";
        QTest::newRow("within, its limit included") << QStringList{"--from", "JO62qm", "--within", "1153"} << 0
                                                    << lineOnAir + lineInactive << skippedWarning + counts(2, 0);
        QTest::newRow("within, nearer than every site") << QStringList{"--from", "JO62qm", "--within", "1152"} << 0
                                                        << QByteArray() << skippedWarning + counts(0, 0);
        QTest::newRow("within without from") << QStringList{"--within", "1000"} << 2 << QByteArray()
                                             << "ledra-sked: --within needs --from\n";
        QTest::newRow("bad --within") << QStringList{"--from", "JO62", "--within", "ten"} << 2 << QByteArray()
                                      << "ledra-sked: bad value \"ten\" for --within: expected whole km above 0\n";
        QTest::newRow("bad --from") << QStringList{"--from", "JO62qz"} << 2 << QByteArray()
                                    << "ledra-sked: bad value \"JO62qz\" for --from: A locator's fifth and sixth "
                                       "characters are letters from A to X\n";
        QTest::newRow("--format lines is the default")
            << QStringList{"--format", "lines", "--country", "D"} << 0 << lineRounded << skippedWarning + counts(1, 1);
        QTest::newRow("unknown format") << QStringList{"--format", "json"} << 2 << QByteArray()
                                        << "ledra-sked: unknown format \"json\" for --format: one of lines, csv, gqrx, "
                                           "sdrpp, kiwi, openwebrx\n";
        QTest::newRow("gqrx, a whole file") << QStringList{"--format", "gqrx", "--country", "D"} << 0
                                            << QByteArray("# Tag name          ;  color\n"
                                                          "Ledra               ; #c0ff00\n"
                                                          "\n"
                                                          "# Frequency ; Name                     ; Modulation          ;  Bandwidth; Tags\n"
                                                          "     6089500; Short                    ; AM                  ;      10000; Ledra\n")
                                            << skippedWarning + bookmarkCounts(1, 1, 0, "gqrx");
        QTest::newRow("kiwi, with days and times") << QStringList{"--format", "kiwi"} << 0
                                                   << QByteArray("Freq kHz;\"Mode\";\"Ident\";\"Notes\";\"Extension\";\"Type\";PB low;PB high;"
                                                                 "Offset;\"DOW\";Begin;End;Sig bw\n"
                                                                 "9610;\"AM\";\"Rádio Romania\";\"\";\"\";\"T0\";-4900;4900;0;\"MTWTF__\";1200;1300;0\n"
                                                                 "11700;\"AM\";\"Radio Romania Int.\";\"\";\"\";\"T0\";-4900;4900;0;\"MTWTFSS\";1200;1230;0\n"
                                                                 "6089.5;\"AM\";\"Short\";\"\";\"\";\"T0\";-4900;4900;0;\"MTWTFSS\";2300;0100;0\n")
                                                   << skippedWarning + bookmarkCounts(3, 3, 0, "KiwiSDR");
        QTest::newRow("openwebrx") << QStringList{"--format", "openwebrx", "--country", "D"} << 0
                                   << QByteArray("[\n    {\n        \"frequency\": 6089500,\n        \"modulation\": \"am\",\n"
                                                 "        \"name\": \"Short\"\n    }\n]\n")
                                   << skippedWarning + bookmarkCounts(1, 1, 0, "OpenWebRX");
        QTest::newRow("--version") << QStringList{"--version"} << 0 << QByteArray("ledra-sked " LEDRA_VERSION "\n") << "";
        QTest::newRow("bad --at") << QStringList{"--at", "2025-06-16 12:00"} << 2 << QByteArray()
                                  << "ledra-sked: bad value \"2025-06-16 12:00\" for --at: expected YYYY-MM-DDTHH:MM (UTC)\n";
        QTest::newRow("bad --khz") << QStringList{"--khz", "7000"} << 2 << QByteArray()
                                   << "ledra-sked: bad value \"7000\" for --khz: expected LOW-HIGH in kHz\n";
        QTest::newRow("unknown option") << QStringList{"--now"} << 2 << QByteArray()
                                        << "ledra-sked: Unknown option 'now'.\n";
        QTest::newRow("not a season file") << QStringList{"NOTSEASON"} << 2 << QByteArray()
                                           << "ledra-sked: \"NOTSEASON\" is not a season schedule: its first line "
                                              "does not begin with \"kHz:\"\n";
        QTest::newRow("missing file") << QStringList{"MISSING"} << 2 << QByteArray()
                                      << "ledra-sked: cannot read \"MISSING\": No such file or directory\n";
    }
    void run()
    {
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QByteArray, out);
        QFETCH(QString, err);
        QTemporaryDir folder;
        const QString path = folder.filePath("season.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(seasonFile);
        file.close();
        QFile notSeason(folder.filePath("schedule.txt"));
        QVERIFY(notSeason.open(QIODevice::WriteOnly));
        notSeason.write("9610;1200-1300;;ROU;R;E;ME;;;\n");
        notSeason.close();

        QStringList arguments = options;
        if (options.contains("NOTSEASON"))
            arguments.replaceInStrings("NOTSEASON", notSeason.fileName());
        else if (options.contains("MISSING"))
            arguments.replaceInStrings("MISSING", folder.filePath("missing.csv"));
        else
            arguments.append(path);
        QProcess sked;
        sked.start(LEDRA_SKED, arguments);
        QVERIFY(sked.waitForFinished());
        QCOMPARE(sked.exitStatus(), QProcess::NormalExit);
        QCOMPARE(sked.readAllStandardOutput(), out);
        QCOMPARE(QString::fromUtf8(sked.readAllStandardError()),
                 QString(err).replace("FILE", path).replace("NOTSEASON", notSeason.fileName())
                     .replace("MISSING", folder.filePath("missing.csv")));
        QCOMPARE(sked.exitCode(), status);
    }

    void csvStatus()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath("status.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(statusFile);
        file.close();
        QString err;
        QCOMPARE(runSked({"--format", "csv", path}, err),
                 csvHeader + "9420;0000-2400;;GRC;ΕΡΤ;Gr;Eu;a;1;;;on air;;;\n"
                             "9425;0000-2400;irr;GRC;ERT;Gr;Eu;a;;;;irregular;;;\n"
                             "9430;0000-2400;31Dec;GRC;ERT;Gr;Eu;a;;0101;3011;off;;;\n"
                             "9435;0000-2400;;GRC;ERT;Gr;Eu;a;8;;;inactive;;;\n");
        QCOMPARE(err, "ledra-sked: 4 records read, 0 skipped, 0 impossible dates, 1 inactive; 4 printed\n");
    }
};

QTEST_APPLESS_MAIN(TestSked)
#include "tst_sked.moc"
