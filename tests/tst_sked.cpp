// SPDX-License-Identifier: GPL-3.0-or-later
#include "bandmap/draw/bandmappicture.h"
#include "tests/support/testenv.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
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
const QString skippedWarning = "ledra-sked: season.csv: line 5: skipped, fewer than eleven fields\n";

// the longest row of pixels of one colour: where it begins and how long it is
struct Run
{
    int x = 0;
    int length = 0;
};

Run longestRun(const QImage& image, QColor colour)
{
    Run longest;
    for (int y = 0; y < image.height(); ++y) {
        Run run;
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != colour.rgb()) {
                run = {x + 1, 0};
                continue;
            }
            if (++run.length > longest.length)
                longest = run;
        }
    }
    return longest;
}

QString counts(int printed, int rounded)
{
    return QString("ledra-sked: 3 records read, 1 skipped, 0 impossible dates, 1 inactive; "
                   "%1 printed, %2 of them rounded to whole kHz\n").arg(printed).arg(rounded);
}

const QByteArray csvHeader = "kHz;Time;Days;ITU;Station;Lng;Target;Site;P;Start;Stop;Status;Km;Bearing;Path\n";

// statuses that hold at any moment: on the air all day, irregular days, never (31 December but
// only from January to November), inactive
const QByteArray statusFile = "kHz:75;\n"
                              "9420;0000-2400;;GRC;\xce\x95\xce\xa1\xce\xa4;Gr;Eu;a;1;;\n"
                              "9425;0000-2400;irr;GRC;ERT;Gr;Eu;a;;;\n"
                              "9430;0000-2400;31Dec;GRC;ERT;Gr;Eu;a;;0101;3011\n"
                              "9435;0000-2400;;GRC;ERT;Gr;Eu;a;8;;\n";

// ledra-sked run in a folder of its own that holds season.csv and schedule.txt, a schedule file
struct Sked
{
    explicit Sked(const QByteArray& season = seasonFile)
    {
        ledraTest::writeFile(folder.filePath("season.csv"), season);
        ledraTest::writeFile(folder.filePath("schedule.txt"), "9610;1200-1300;;ROU;R;E;ME;;;\n");
    }
    int run(const QStringList& arguments)
    {
        QProcess sked;
        sked.setWorkingDirectory(folder.path());
        sked.start(LEDRA_SKED, arguments);
        if (!sked.waitForFinished() || sked.exitStatus() != QProcess::NormalExit)
            return -1;
        out = sked.readAllStandardOutput();
        err = QString::fromUtf8(sked.readAllStandardError());
        return sked.exitCode();
    }

    QTemporaryDir folder;
    QByteArray out;
    QString err;
};

} // namespace

class TestSked : public QObject
{
    Q_OBJECT
private slots:
    // what each option and format adds; the filters and formats themselves are checked in the core tests
    void run_data()
    {
        QTest::addColumn<QStringList>("options"); // then season.csv, unless they name a file
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("whole file") << QStringList() << 0 << lineOnAir + lineInactive + lineRounded
                                    << skippedWarning + counts(3, 1);
        QTest::newRow("--at leaves out the inactive record")
            << QStringList{"--at", "2025-06-16T12:00Z"} << 0 << lineOnAir << skippedWarning + counts(1, 0);
        QTest::newRow("band, language and find") << QStringList{"--band", "31m", "--language", "F", "--find", "RÁDIO"}
                                                 << 0 << lineOnAir << skippedWarning + counts(1, 0);
        QTest::newRow("khz on the unrounded value") << QStringList{"--khz", "6089.6-7000"} << 0 << QByteArray()
                                                    << skippedWarning + counts(0, 0);
        QTest::newRow("country, target, --format lines")
            << QStringList{"--country", "ROU", "--target", "ME", "--format", "lines"} << 0 << lineOnAir + lineInactive
            << skippedWarning + counts(2, 0);
        // distances and bearings by Vincenty's formulae; the light by the Astronomical Almanac's sun:
        // A'Seela (-4.9°) in twilight and Berlin (-10.3°) dark after midnight; Galbeni lies 1153 km from JO62qm
        QTest::newRow("csv from degrees, --on-air, within its limit")
            << QStringList{"--format", "csv", "--from", "52.5208,13.375", "--within", "5188", "--on-air", "--at",
                           "2025-06-17T00:59"}
            << 0 << csvHeader + "6089.5;2300-0100;;D;Short;E;Eu;/OMA-a;;;;on air;5188;113;mixed\n"
            << skippedWarning + "ledra-sked: 3 records read, 1 skipped, 0 impossible dates, 1 inactive; 1 printed\n";
        QTest::newRow("within, nearer than every site") << QStringList{"--from", "JO62qm", "--within", "1152"} << 0
                                                        << QByteArray() << skippedWarning + counts(0, 0);
        QTest::newRow("within without from") << QStringList{"--within", "1000"} << 2 << QByteArray()
                                             << "ledra-sked: --within needs --from\n";
        QTest::newRow("bad --within") << QStringList{"--from", "JO62", "--within", "ten"} << 2 << QByteArray()
                                      << "ledra-sked: bad value \"ten\" for --within: expected whole km above 0\n";
        QTest::newRow("bad --from") << QStringList{"--from", "JO62qz"} << 2 << QByteArray()
                                    << "ledra-sked: bad value \"JO62qz\" for --from: A locator's fifth and sixth "
                                       "characters are letters from A to X\n";
        QTest::newRow("unknown format") << QStringList{"--format", "json"} << 2 << QByteArray()
                                        << "ledra-sked: unknown format \"json\" for --format: one of lines, csv, gqrx, "
                                           "sdrpp, kiwi, openwebrx\n";
        QTest::newRow("gqrx, a whole file") << QStringList{"--format", "gqrx", "--country", "D"} << 0
                                            << QByteArray("# Tag name          ;  color\n"
                                                          "Ledra               ; #c0ff00\n"
                                                          "\n"
                                                          "# Frequency ; Name                     ; Modulation          ;  Bandwidth; Tags\n"
                                                          "     6089500; Short                    ; AM                  ;      10000; Ledra\n")
                                            << skippedWarning + "ledra-sked: 3 records read, 1 skipped, 0 impossible dates, "
                                                                "1 inactive; 1 printed as 1 bookmarks, 0 left out (same "
                                                                "frequency and name), 0 written as AM (a mode gqrx lacks)\n";
        QTest::newRow("--version") << QStringList{"--version"} << 0 << QByteArray("ledra-sked " LEDRA_VERSION "\n") << "";
        QTest::newRow("bad --at") << QStringList{"--at", "2025-06-16 12:00"} << 2 << QByteArray()
                                  << "ledra-sked: bad value \"2025-06-16 12:00\" for --at: expected YYYY-MM-DDTHH:MM (UTC)\n";
        QTest::newRow("bad --khz") << QStringList{"--khz", "7000"} << 2 << QByteArray()
                                   << "ledra-sked: bad value \"7000\" for --khz: expected LOW-HIGH in kHz\n";
        QTest::newRow("unknown option") << QStringList{"--now"} << 2 << QByteArray()
                                        << "ledra-sked: Unknown option 'now'.\n";
        QTest::newRow("not a season file") << QStringList{"schedule.txt"} << 2 << QByteArray()
                                           << "ledra-sked: \"schedule.txt\" is not a season schedule: its first line "
                                              "does not begin with \"kHz:\"\n";
        QTest::newRow("missing file") << QStringList{"missing.csv"} << 2 << QByteArray()
                                      << "ledra-sked: cannot read \"missing.csv\": No such file or directory\n";
    }
    void run()
    {
        QFETCH(QStringList, options);
        const bool namesFile = !options.filter(QRegularExpression("\\.(csv|txt)$")).isEmpty();
        Sked sked;
        QTEST(sked.run(namesFile ? options : options + QStringList{"season.csv"}), "status");
        QTEST(sked.out, "out");
        QTEST(sked.err, "err");
    }

    void map_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("picture"); // in the test's folder
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");
        QTest::addColumn<QSize>("size"); // of the picture written; 0x0: none
        QTest::newRow("--size") << QStringList{"--band", "31m", "--size", "640x400"} << "map.png" << 0
                                << skippedWarning << QSize(640, 400);
        QTest::newRow("bad --size") << QStringList{"--size", "640x40"} << "map.png" << 2
                                    << skippedWarning + "ledra-sked: bad value \"640x40\" for --size: expected "
                                                        "WIDTHxHEIGHT, each 100 to 10000\n"
                                    << QSize(0, 0);
        QTest::newRow("a folder that is not there")
            << QStringList{"--band", "31m"} << "none/map.png" << 2
            << skippedWarning + "ledra-map: cannot write \"none/map.png\": No such file or directory\n" << QSize(0, 0);
    }
    void map()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, picture);
        QFETCH(QSize, size);
        Sked sked;
        QTEST(sked.run(options + QStringList{"--map", picture, "season.csv"}), "status");
        QCOMPARE(sked.out, QByteArray());
        QTEST(sked.err, "err");
        const QString written = sked.folder.filePath(picture);
        QCOMPARE(QImage(written).size(), size);
        QCOMPARE(QFile::exists(written), !size.isEmpty());
    }

    // The map of 31m at 0600 on a Monday, 1200x700 by default: an hour at noon to the Middle
    // East, and one from midnight to Europe; each bar in its region's colour, the noon one twelve
    // hours on.
    void mapBarsCarryTheirColours()
    {
        Sked sked(seasonFile + "9420;0000-0100;;GRC;ERT;Gr;Eu;a;;;\r\n");
        QCOMPARE(sked.run({"--band", "31m", "--at", "2025-06-16T06:00", "--map", "map.png", "season.csv"}), 0);
        const QImage picture(sked.folder.filePath("map.png"));
        QCOMPARE(picture.size(), QSize(1200, 700));
        const Run noon = longestRun(picture, regionColour(TargetRegion::MiddleEast));
        const Run midnight = longestRun(picture, regionColour(TargetRegion::Europe));
        QVERIFY2(midnight.length > 30, qPrintable(QString::number(midnight.length)));
        QVERIFY2(std::abs(noon.length - midnight.length) <= 1, qPrintable(QString::number(noon.length)));
        QVERIFY2(std::abs(noon.x - midnight.x - 12 * midnight.length) <= 12,
                 qPrintable(QStringLiteral("%1 %2").arg(noon.x).arg(midnight.x)));
    }

    void csvStatus()
    {
        Sked sked(statusFile);
        QCOMPARE(sked.run({"--format", "csv", "season.csv"}), 0);
        QCOMPARE(sked.out, csvHeader + "9420;0000-2400;;GRC;ΕΡΤ;Gr;Eu;a;1;;;on air;;;\n"
                                       "9425;0000-2400;irr;GRC;ERT;Gr;Eu;a;;;;irregular;;;\n"
                                       "9430;0000-2400;31Dec;GRC;ERT;Gr;Eu;a;;0101;3011;off;;;\n"
                                       "9435;0000-2400;;GRC;ERT;Gr;Eu;a;8;;;inactive;;;\n");
        QCOMPARE(sked.err, "ledra-sked: 4 records read, 0 skipped, 0 impossible dates, 1 inactive; 4 printed\n");
    }
};

QTEST_APPLESS_MAIN(TestSked)
#include "tst_sked.moc"
