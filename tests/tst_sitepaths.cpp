// SPDX-License-Identifier: GPL-3.0-or-later
#include "codetables/core/codetable.h"
#include "geo/core/geoposition.h"
#include "geo/core/recordpaths.h"
#include "geo/core/sitepath.h"
#include "geo/core/sitepositions.h"
#include "geo/core/sunposition.h"

#include <QTest>

#include <cmath>

Q_DECLARE_METATYPE(PathLight)
Q_DECLARE_METATYPE(GeoPosition)

namespace {

double dms(double degrees, double minutes, double seconds = 0)
{
    return degrees + minutes / 60 + seconds / 3600;
}

QDateTime utc(const QString& text)
{
    return QDateTime::fromString(text, Qt::ISODate).toUTC();
}

// degrees apart on the circle
double bearingApart(double first, double second)
{
    const double apart = std::fmod(std::abs(first - second), 360.0);
    return std::min(apart, 360 - apart);
}

} // namespace

class TestSitePaths : public QObject
{
    Q_OBJECT
private slots:
    void location_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // the position, or the refusal
        QTest::newRow("square") << "JO62" << "52.500° N, 13.000° E";
        QTest::newRow("subsquare") << "JO62qm" << "52.521° N, 13.375° E";
        QTest::newRow("extended square, any case") << " jo62QM12 " << "52.510° N, 13.346° E";
        QTest::newRow("degrees south, no space") << "-33.9,18.4" << "33.900° S, 18.400° E";
        QTest::newRow("odd length") << "JO621" << "A locator has 4, 6 or 8 characters";
        QTest::newRow("field beyond R") << "JS62" << "A locator begins with two letters from A to R";
        QTest::newRow("letter for a digit") << "JO6a" << "A locator's third and fourth characters are digits";
        QTest::newRow("subsquare beyond X") << "JO62qz" << "A locator's fifth and sixth characters are letters from A to X";
        QTest::newRow("letters for the last digits") << "JO62qmab" << "A locator's seventh and eighth characters are digits";
        QTest::newRow("latitude beyond 90") << "91, 13" << "The latitude lies between -90 and 90 degrees";
        QTest::newRow("longitude beyond 180") << "52, -180.5" << "The longitude lies between -180 and 180 degrees";
        const QString neither = "Neither a locator (JO62, JO62qm or JO62qm12) nor latitude and longitude in decimal "
                                "degrees (52.52, 13.40)";
        QTest::newRow("a town") << "Berlin" << neither;
        QTest::newRow("not a number") << "nan, 13" << neither;
    }
    void location()
    {
        QFETCH(QString, typed);
        const LocationReading reading = readLocation(typed);
        QTEST(reading.position ? positionText(*reading.position) : reading.refusal, "shown");
    }

    // every shape of the site table's texts, and those the table may yet hold
    void sitePosition_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("found");
        QTest::addColumn<double>("latitude");
        QTest::addColumn<double>("longitude");
        QTest::newRow("degrees and minutes") << "Kabul / Pol-e-Charkhi 34N32-69E21" << true << dms(34, 32) << dms(69, 21);
        QTest::newRow("seconds") << "Luena (Moxico) 11S47'00'-19E55'19'" << true << -dms(11, 47) << dms(19, 55, 19);
        QTest::newRow("seconds in double quotes") << "Wertachtal 48N05'13\"-10E41'42\"" << true << dms(48, 5, 13)
                                                  << dms(10, 41, 42);
        QTest::newRow("main site, halves apart by a tab") << "Moosbrunn 48N00\t16E28" << true << 48.0 << dms(16, 28);
        QTest::newRow("several: the first") << "Valparaiso 32S48-71W29 or 33S01'13'-71W38'32'" << true
                                              << -dms(32, 48) << -dms(71, 29);
        QTest::newRow("digits in the name") << "Shijiak (Radio Tirana) (1x100kW = 2x50kW) 41N20-19E33" << true
                                            << dms(41, 20) << dms(19, 33);
        QTest::newRow("no dash") << "Kabul 34N3269E21" << true << dms(34, 32) << dms(69, 21);
        QTest::newRow("stray spaces") << "Kabul 34 N32 - 69E 21" << true << dms(34, 32) << dms(69, 21);
        QTest::newRow("impossible minutes, then a good one") << "Kabul 34N75-69E21 or 34N32-69E21" << true
                                                             << dms(34, 32) << dms(69, 21);
        QTest::newRow("numbers and compass letters") << "Halls Creek NSW, 50 km NE of Tamsworth" << false << 0.0 << 0.0;
    }
    void sitePosition()
    {
        QFETCH(QString, text);
        QFETCH(double, latitude);
        QFETCH(double, longitude);
        const std::optional<GeoPosition> position = ::sitePosition(text);
        QTEST(position.has_value(), "found");
        if (position) {
            QVERIFY2(std::abs(position->latitude - latitude) < 1e-9, qPrintable(QString::number(position->latitude)));
            QVERIFY2(std::abs(position->longitude - longitude) < 1e-9, qPrintable(QString::number(position->longitude)));
        }
    }

    // 952 texts with a position in the text column and 45 main sites whose position begins in
    // the code column (counted apart, with a script)
    void siteTableRowsWithAPosition()
    {
        const QList<CodeRow> rows = readCodeTable(":/codetables/tx.tsv");
        QCOMPARE(rows.size(), 1033);
        int positions = 0;
        for (const CodeRow& row : rows)
            positions += ::sitePosition(siteRowText(row.code, row.text)) ? 1 : 0;
        QCOMPARE(positions, 997);
    }

    // GeographicLib's published geodesics (Karney, "Algorithms for geodesics", 2013, and the
    // GeodSolve manual), and others by Vincenty's formulae or the meridian arc, computed apart
    void distanceAndBearing_data()
    {
        QTest::addColumn<GeoPosition>("from");
        QTest::addColumn<GeoPosition>("to");
        QTest::addColumn<double>("km");
        QTest::addColumn<double>("bearing");
        QTest::newRow("nearly antipodal") << GeoPosition{-30, 0} << GeoPosition{29.9, 179.8} << 19989.832827610
                                          << 161.890524736;
        QTest::newRow("JFK to Changi, near the pole") << GeoPosition{dms(40, 38, 23), -dms(73, 46, 44)}
                                                      << GeoPosition{dms(1, 21, 33), dms(103, 59, 22)} << 15347.628
                                                      << dms(3, 18, 29.9);
        QTest::newRow("over the pole") << GeoPosition{80, 0} << GeoPosition{80, 180} << 2233.652 << 0.0;
        QTest::newRow("across the date line") << GeoPosition{21.3069, -157.8583} << GeoPosition{dms(6, 58), dms(158, 12)}
                                              << 4981.547 << 258.087;
    }
    void distanceAndBearing()
    {
        QFETCH(GeoPosition, from);
        QFETCH(GeoPosition, to);
        QFETCH(double, km);
        QFETCH(double, bearing);
        const SitePath path = sitePath(from, to);
        QVERIFY2(std::abs(path.km - km) <= 1, qPrintable(QString::number(path.km)));
        QVERIFY2(bearingApart(path.bearing, bearing) <= 1, qPrintable(QString::number(path.bearing)));
        QVERIFY(path.bearing >= 0 && path.bearing < 360);
        // no two points more than 100 km apart
        QVERIFY(path.points.size() >= size_t(std::ceil(km / 100)) + 1);
    }

    // the Astronomical Almanac's low-precision formulae for the sun, computed apart
    void sunElevation_data()
    {
        QTest::addColumn<QString>("moment");
        QTest::addColumn<GeoPosition>("place");
        QTest::addColumn<double>("elevation");
        QTest::newRow("Quito, equinox noon") << "2025-03-20T17:15:00Z" << GeoPosition{-0.18, -78.47} << 88.416;
        QTest::newRow("polar night") << "2024-12-21T12:00:00Z" << GeoPosition{80, 0} << -13.436;
        QTest::newRow("New York, sunset") << "2026-01-10T21:45:00Z" << GeoPosition{40.64, -73.78} << -0.448;
    }
    void sunElevation()
    {
        QFETCH(QString, moment);
        QFETCH(GeoPosition, place);
        QFETCH(double, elevation);
        const double computed = ::sunElevation(sunAt(utc(moment)), place);
        QVERIFY2(std::abs(computed - elevation) < 0.1, qPrintable(QString::number(computed)));
    }

    void darkness_data()
    {
        QTest::addColumn<QString>("moment");
        QTest::addColumn<GeoPosition>("from");
        QTest::addColumn<GeoPosition>("to");
        QTest::addColumn<PathLight>("light");
        QTest::newRow("polar night") << "2024-12-21T12:00:00Z" << GeoPosition{80, 0} << GeoPosition{80, 90} << PathLight::Night;
        QTest::newRow("noon sun, Quito to Bogota") << "2025-03-20T17:15:00Z" << GeoPosition{-0.18, -78.47}
                                                   << GeoPosition{4.71, -74.07} << PathLight::Day;
        QTest::newRow("across the terminator, Berlin to Tokyo") << "2025-06-16T12:00:00Z" << GeoPosition{52.52, 13.40}
                                                                << GeoPosition{35.68, 139.69} << PathLight::Mixed;
    }
    void darkness()
    {
        QFETCH(QString, moment);
        QFETCH(GeoPosition, from);
        QFETCH(GeoPosition, to);
        QFETCH(PathLight, light);
        QCOMPARE(pathLightName(pathLight(sitePath(from, to), sunAt(utc(moment)))), pathLightName(light));
    }

    void words()
    {
        SitePath path;
        path.km = 3412;
        path.bearing = 118;
        QCOMPARE(pathWords(path, PathLight::Night), "3,412 km, bearing 118°, path in darkness");
        QCOMPARE(pathWords(path, PathLight::Mixed), "3,412 km, bearing 118°, path partly in darkness");
    }

    // records of one site share its path; an empty site field or a bare country is the
    // country's main site; a record without a site position has no path
    void recordPaths()
    {
        const SeasonFile file = parseSeasonFile("kHz:75;\n"
                                                "9610;0000-2400;;AFG;R;E;ME;k;;;\n"
                                                "9620;0000-2400;;D;R;E;ME;/AFG-k;;;\n"
                                                "9630;0000-2400;;AUT;R;E;ME;;;;\n"
                                                "9640;0000-2400;;D;R;E;ME;/AUT;;;\n"
                                                "9650;0000-2400;;D;R;E;ME;;;;\n"
                                                "9660;0000-2400;;CHN;R;E;ME;xx;;;\n");
        RecordPaths paths(file.records, SitePositions(), {52.5208333, 13.375});
        QVERIFY(paths.path(0));
        QCOMPARE(paths.path(1), paths.path(0));
        QCOMPARE(paths.path(0)->km, 4801);
        QCOMPARE(paths.path(2)->km, 549);
        QCOMPARE(paths.path(3), paths.path(2));
        QCOMPARE(paths.path(4), nullptr);
        QCOMPARE(paths.path(5), nullptr);
        QVERIFY(!paths.light(0));
        paths.setMoment(utc("2025-06-16T23:00:00Z"));
        QCOMPARE(paths.light(2), PathLight::Night);
        QVERIFY(!paths.light(4));
        QCOMPARE(RecordPaths().path(0), nullptr);
    }
};

QTEST_APPLESS_MAIN(TestSitePaths)
#include "tst_sitepaths.moc"
