// SPDX-License-Identifier: GPL-3.0-or-later
#include "bandmap/core/bandmap.h"

#include <QTest>

namespace {

const QByteArray header = "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;"
                          "Remarks:135;P:35;Start:60;Stop:60;\n";
// a Monday
const AirMoment monday = airMoment(QDateTime(QDate(2025, 6, 16), QTime(12, 0), Qt::UTC));

QList<SeasonRecord> recordsOf(const QByteArray& lines)
{
    return parseSeasonFile(header + lines).records;
}

// 31m on a plot one pixel a minute wide and, inside its insets, one pixel a kHz high:
// x is the minute, y of a frequency 9906 - kHz, bars 4 pixels thick
BandMapGeometry minuteGeometry(int hourOffset = 0)
{
    BandMapGeometry geometry;
    geometry.setPlot(QRectF(0, 0, 1440, 512));
    geometry.setBand({9400, 9900});
    geometry.setHourOffset(hourOffset);
    return geometry;
}

QList<int> allRows(const QList<SeasonRecord>& records)
{
    QList<int> rows;
    for (int row = 0; row < records.size(); ++row)
        rows.append(row);
    return rows;
}

// "from-to" in minutes of each bar, with its looks
QStringList describe(const QList<MapBar>& bars)
{
    QStringList texts;
    for (const MapBar& bar : bars) {
        texts.append(QStringLiteral("%1-%2%3%4%5")
                         .arg(bar.rect.left())
                         .arg(bar.rect.right())
                         .arg(bar.look.faint ? " faint" : "")
                         .arg(bar.look.hatched ? " hatched" : "")
                         .arg(bar.look.dark ? " dark" : ""));
    }
    return texts;
}

} // namespace

class TestBandMap : public QObject
{
    Q_OBJECT
private slots:
    void barRectangles_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<int>("hourOffset");
        QTest::addColumn<QList<QRectF>>("rects");
        QTest::newRow("an hour at noon") << QByteArray("9610;1200-1300;;ROU;R;E;ME;;;;;") << 0
                                         << QList<QRectF>{{720, 294, 60, 4}};
        QTest::newRow("across midnight: two bars") << QByteArray("9610;2330-0100;;ROU;R;E;ME;;;;;") << 0
                                                   << QList<QRectF>{{1410, 294, 30, 4}, {0, 294, 60, 4}};
        QTest::newRow("0000-2400 the whole day") << QByteArray("9610;0000-2400;;ROU;R;E;ME;;;;;") << 0
                                                 << QList<QRectF>{{0, 294, 1440, 4}};
        QTest::newRow("ending at 0000: no empty bar") << QByteArray("9610;2300-0000;;ROU;R;E;ME;;;;;") << 0
                                                      << QList<QRectF>{{1380, 294, 60, 4}};
        QTest::newRow("the band's low edge") << QByteArray("9400;0000-0100;;ROU;R;E;ME;;;;;") << 0
                                             << QList<QRectF>{{0, 504, 60, 4}};
        QTest::newRow("local hours two ahead: across midnight side by side")
            << QByteArray("9610;2300-0100;;ROU;R;E;ME;;;;;") << 120 << QList<QRectF>{{60, 294, 60, 4}, {120, 294, 60, 4}};
        QTest::newRow("local hours one behind: split at the axis' midnight")
            << QByteArray("9610;0030-0130;;ROU;R;E;ME;;;;;") << -60 << QList<QRectF>{{1410, 294, 30, 4}, {0, 294, 30, 4}};
    }
    void barRectangles()
    {
        QFETCH(QByteArray, record);
        QFETCH(int, hourOffset);
        QFETCH(QList<QRectF>, rects);
        const QList<SeasonRecord> records = recordsOf(record);
        QCOMPARE(records.size(), 1);
        QList<QRectF> placed;
        for (const MapBar& bar : layoutBars(minuteGeometry(hourOffset), records, {0}, monday))
            placed.append(bar.rect);
        QCOMPARE(placed, rects);
    }

    void looks_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::addColumn<QStringList>("bars");
        QTest::newRow("daily") << QByteArray("9610;1200-1300;;ROU;R;E;ME;;;;") << QStringList{"720-780"};
        QTest::newRow("weekends only, faint on a Monday") << QByteArray("9610;1200-1300;SaSu;ROU;R;E;ME;;;;")
                                                           << QStringList{"720-780 faint"};
        QTest::newRow("irregular: hatched, never faint") << QByteArray("9610;1200-1300;irr;ROU;R;E;ME;;;;")
                                                         << QStringList{"720-780 hatched"};
        QTest::newRow("Sundays across midnight: Monday's early part is Sunday's")
            << QByteArray("9610;2300-0100;Su;ROU;R;E;ME;;;;") << QStringList{"1380-1440 faint dark", "0-60 dark"};
        QTest::newRow("before its start date, faint") << QByteArray("9610;1200-1300;;ROU;R;E;ME;;;0107;")
                                                       << QStringList{"720-780 faint"};
        QTest::newRow("on its date") << QByteArray("9610;1200-1300;16Jun;ROU;R;E;ME;;;;") << QStringList{"720-780"};
        QTest::newRow("inactive: not drawn") << QByteArray("9610;1200-1300;;ROU;R;E;ME;;8;;") << QStringList();
        QTest::newRow("dark at its start: both parts marked")
            << QByteArray("9610;0500-0600;;ROU;R;E;ME;;;;\n9610;2300-0100;;ROU;R;E;ME;;;;")
            << QStringList{"300-360", "1380-1440 dark", "0-60 dark"};
    }
    void looks()
    {
        QFETCH(QByteArray, record);
        QFETCH(QStringList, bars);
        const QList<SeasonRecord> records = recordsOf(record);
        // dark from 2300
        const DarknessTest dark = [&records](int row) { return records.at(row).times.start >= 1380; };
        QCOMPARE(describe(layoutBars(minuteGeometry(), records, allRows(records), monday, dark)), bars);
    }

    // Berlin in June: the night at midnight UTC, the day at noon, on the short path to
    // Berlin-Britz; a site without a position has no path and no mark
    void darkPathsFromALocation()
    {
        const QList<SeasonRecord> records = recordsOf("9610;0000-0100;;D;A;G;Eu;be;;;\n"
                                                      "9610;1200-1300;;D;B;G;Eu;be;;;\n"
                                                      "9650;0000-0100;;XYZ;C;G;Eu;;;;\n");
        const auto paths = std::make_shared<const RecordPaths>(records, SitePositions(), GeoPosition{52.52, 13.40});
        const DarknessTest dark = darknessAtStart(paths, &records, QDate(2025, 6, 16));
        QCOMPARE(describe(layoutBars(minuteGeometry(), records, allRows(records), monday, dark)),
                 QStringList({"0-60 dark", "720-780", "0-60"}));
    }

    void nowLine_data()
    {
        QTest::addColumn<QRectF>("plot");
        QTest::addColumn<int>("hourOffset");
        QTest::addColumn<int>("minute");
        QTest::addColumn<double>("x");
        QTest::newRow("plot moved and narrower") << QRectF(100, 20, 720, 300) << 0 << 720 << 460.0;
        QTest::newRow("2300 UTC in local hours two ahead") << QRectF(0, 0, 1440, 512) << 120 << 1380 << 60.0;
        QTest::newRow("0030 UTC in local hours one behind") << QRectF(0, 0, 1440, 512) << -60 << 30 << 1410.0;
    }
    void nowLine()
    {
        QFETCH(QRectF, plot);
        QFETCH(int, hourOffset);
        QFETCH(int, minute);
        QFETCH(double, x);
        BandMapGeometry geometry;
        geometry.setPlot(plot);
        geometry.setBand({9400, 9900});
        geometry.setHourOffset(hourOffset);
        QCOMPARE(geometry.nowLine(minute), QLineF(x, plot.top(), x, plot.bottom()));
    }

    void hitTesting_data()
    {
        QTest::addColumn<QPointF>("point");
        QTest::addColumn<int>("row");
        QTest::newRow("two bars on one frequency: the one on the air today is on top") << QPointF(750, 296) << 0;
        QTest::newRow("the faint one alone") << QPointF(800, 296) << 1;
        QTest::newRow("a bar all day") << QPointF(100, 206) << 2;
        QTest::newRow("just below a thin bar") << QPointF(750, 298.5) << 0;
        QTest::newRow("between frequencies") << QPointF(750, 280) << -1;
        QTest::newRow("after its end") << QPointF(1450, 296) << -1;
    }
    void hitTesting()
    {
        QFETCH(QPointF, point);
        QFETCH(int, row);
        const QList<SeasonRecord> records = recordsOf("9610;1200-1300;;ROU;A;E;ME;;;;\n"
                                                      "9610;1230-1400;SaSu;ROU;B;E;ME;;;;\n"
                                                      "9700;0000-2400;;D;C;G;Eu;;;;\n");
        QCOMPARE(rowAt(layoutBars(minuteGeometry(), records, allRows(records), monday), point), row);
    }

    void zoomAndPan_data()
    {
        QTest::addColumn<double>("factor");
        QTest::addColumn<double>("atKhz");
        QTest::addColumn<double>("panPixels");
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::newRow("twice, around 9650 kHz") << 2.0 << 9650.0 << 0.0 << 9525.0 << 9775.0;
        QTest::newRow("twice at the top edge") << 2.0 << 9900.0 << 0.0 << 9650.0 << 9900.0;
        QTest::newRow("out beyond the band") << 0.5 << 9650.0 << 0.0 << 9400.0 << 9900.0;
        QTest::newRow("no narrower than 10 kHz") << 1000.0 << 9650.0 << 0.0 << 9645.0 << 9655.0;
        QTest::newRow("dragged down 50 pixels: 25 kHz higher") << 2.0 << 9650.0 << 50.0 << 9550.0 << 9800.0;
        QTest::newRow("dragged past the top edge") << 2.0 << 9650.0 << 1000.0 << 9650.0 << 9900.0;
        QTest::newRow("dragged past the bottom edge") << 2.0 << 9650.0 << -1000.0 << 9400.0 << 9650.0;
    }
    void zoomAndPan()
    {
        QFETCH(double, factor);
        QFETCH(double, atKhz);
        QFETCH(double, panPixels);
        QFETCH(double, low);
        QFETCH(double, high);
        BandMapGeometry geometry = minuteGeometry();
        geometry.zoom(factor, geometry.yOfKhz(atKhz));
        geometry.pan(panPixels);
        QCOMPARE(geometry.view().low, low);
        QCOMPARE(geometry.view().high, high);
    }

    void frequencyLabels_data()
    {
        QTest::addColumn<QString>("band");
        QTest::addColumn<double>("plotHeight");
        QTest::addColumn<double>("gap");
        QTest::addColumn<QStringList>("labels");
        QTest::newRow("round edges") << "75m" << 112.0 << 15.0
                                     << QStringList{"3900", "3920", "3940", "3960", "3980", "4000"};
        QTest::newRow("an edge off the step keeps its label, the round one beside it goes")
            << "60m" << 322.0 << 25.0
            << QStringList{"4750", "4775", "4800", "4825", "4850", "4875", "4900", "4925", "4950", "4975", "5000",
                           "5025", "5060"};
    }
    void frequencyLabels()
    {
        QFETCH(QString, band);
        QFETCH(double, plotHeight);
        QFETCH(double, gap);
        QFETCH(QStringList, labels);
        KhzRange edges;
        QVERIFY(bandNamed(band, edges));
        BandMapGeometry geometry;
        geometry.setPlot(QRectF(0, 0, 1440, plotHeight));
        geometry.setBand(edges);
        QStringList texts;
        for (const AxisTick& tick : geometry.khzTicks(gap))
            texts.append(tick.text);
        QCOMPARE(texts, labels);
    }

    void regions_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("region");
        QTest::newRow("a region") << "Eu" << int(TargetRegion::Europe);
        QTest::newRow("part of a region") << "NAm" << int(TargetRegion::Americas);
        QTest::newRow("part of an ocean") << "CNAO" << int(TargetRegion::Elsewhere);
        QTest::newRow("South Asia, not south of Asia") << "SAs" << int(TargetRegion::SouthAsia);
        QTest::newRow("a country") << "CHN" << int(TargetRegion::EastAsia);
        QTest::newRow("a one-letter country") << "B" << int(TargetRegion::Americas);
        QTest::newRow("unknown") << "WNW" << int(TargetRegion::Elsewhere);
        QTest::newRow("none") << "" << int(TargetRegion::Elsewhere);
    }
    void regions()
    {
        QFETCH(QString, code);
        QFETCH(int, region);
        QCOMPARE(int(targetRegion(code)), region);
    }

    void pictureSize_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QSize>("size");
        QTest::newRow("the default") << "1200x700" << QSize(1200, 700);
        QTest::newRow("smallest") << "100x100" << QSize(100, 100);
        QTest::newRow("too narrow") << "99x700" << QSize();
        QTest::newRow("too tall") << "1200x10001" << QSize();
        QTest::newRow("another separator") << "1200*700" << QSize();
        QTest::newRow("one side") << "1200x" << QSize();
    }
    void pictureSize()
    {
        QFETCH(QString, text);
        QFETCH(QSize, size);
        QCOMPARE(mapSizeFrom(text), size);
    }
};

QTEST_APPLESS_MAIN(TestBandMap)
#include "tst_bandmap.moc"
