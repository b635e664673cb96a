// SPDX-License-Identifier: GPL-3.0-or-later
// Prints how long the season guide takes: reading a season schedule, showing it in the guide
// window with the first paint, and one keystroke in its station filter at 16,000 and 100,000
// records, and one step of Follow receiver (a new frequency read from the rig); then the
// distance, bearing and light on the path to every site from a few locations. For each season
// file, and a generated band of 1,500 broadcasts, it also times the band map of its busiest
// band: the whole picture painted, and a filter change in the guide with the map drawn anew.
// Reads the real season schedules in the shared data folder when present.
#include "app/mainwindow.h"
#include "bench/benchclock.h"
#include "bench/benchseasons.h"
#include "bandmap/bandmapview.h"
#include "bandmap/draw/bandmappicture.h"
#include "geo/core/geoposition.h"
#include "geo/core/listenerlocation.h"
#include "geo/core/recordpaths.h"
#include "geo/core/sitepositions.h"
#include "guide/guidemodel.h"
#include "guide/guidewindow.h"
#include "radiolink/riglink.h"
#include "season/core/onair.h"
#include "season/core/seasonrecord.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPainter>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

// each figure is a median of several runs in processor time of this thread (the machine is
// shared); keystrokes give their median and their slowest
struct Figures
{
    QList<double> parse;
    QList<double> shown;
    QList<double> keystrokes[2]; // without and with "On air now"
    QList<double> followSteps;
};

// What a location costs: km and bearing to every distinct site, found when a file opens or the
// location changes; then the sampled paths and their light at one moment for every record, as
// a sort by the Path column asks (a paint asks only for the rows it shows); then the light again
// at the next minute, the paths already sampled. Best of five.
void measurePaths(const QByteArray& bytes)
{
    QList<SeasonRecord> records = parseSeasonFile(bytes).records;
    double started = threadMilliseconds();
    const SitePositions sites;
    std::printf("%7d records  site table read in %5.1f ms (once per run)\n", int(records.size()),
                threadMilliseconds() - started);
    const QDateTime moment(QDate(2025, 6, 16), QTime(12, 0), Qt::UTC);
    for (const char* location : {"JO62qm", "-33.9,18.4", "-41.3,174.8"}) {
        const GeoPosition listener = *readLocation(QString::fromLatin1(location)).position;
        double placing = 1e9;
        double sampling = 1e9;
        double lighting = 1e9;
        int placed = 0;
        const auto lightAll = [&records](const RecordPaths& paths) {
            int lit = 0;
            for (int row = 0; row < records.size(); ++row)
                lit += paths.light(row) ? 1 : 0;
            return lit;
        };
        for (int run = 0; run < 5; ++run) {
            started = threadMilliseconds();
            RecordPaths paths(records, sites, listener);
            paths.markDistances(records);
            placing = std::min(placing, threadMilliseconds() - started);
            started = threadMilliseconds();
            paths.setMoment(moment);
            placed = lightAll(paths);
            sampling = std::min(sampling, threadMilliseconds() - started);
            started = threadMilliseconds();
            paths.setMoment(moment.addSecs(60));
            lightAll(paths);
            lighting = std::min(lighting, threadMilliseconds() - started);
        }
        std::printf("%7d records  from %-11s (%d with a site position) km and bearing %5.1f ms, paths sampled and "
                    "lit for every record %5.1f ms, light again at the next minute %5.1f ms\n",
                    int(records.size()), location, placed, placing, sampling, lighting);
    }
}

// "  4.1 ms   1.0 ms   4.10"
void printFigure(const char* what, int records, double ledra, double floor)
{
    std::printf("%7d records  %-44s %7.2f ms  floor %7.2f ms  ratio %5.2f\n", records, what, ledra, floor,
                ledra / floor);
}

// The floor of the guide: the same rows as plain texts in a QStandardItemModel, under a
// QSortFilterProxyModel that finds in the station column, in a table of the guide's size.
struct PlainGuide
{
    QStandardItemModel rows;
    QSortFilterProxyModel proxy;
    QTableView table;

    void fill(const QList<SeasonRecord>& records)
    {
        rows.clear();
        rows.setColumnCount(guideColumnCount);
        for (const SeasonRecord& record : records) {
            QList<QStandardItem*> items;
            for (SeasonField field : {KhzField, TimeField, DaysField, StationField, LanguageField, TargetField,
                                      CountryField, SiteField})
                items.append(new QStandardItem(record.field(field).toString()));
            for (int column = SiteColumn + 1; column < guideColumnCount; ++column)
                items.append(new QStandardItem());
            rows.appendRow(items);
        }
    }
};

void measure(MainWindow& main, const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return;
    file.close();

    Figures figures;
    QList<double> readTimes;
    int records = 0;
    for (int run = 0; run < 7; ++run) {
        double started = threadMilliseconds();
        QFile season(path);
        const QByteArray read = season.open(QIODevice::ReadOnly) ? season.readAll() : QByteArray();
        readTimes.append(threadMilliseconds() - started);
        started = threadMilliseconds();
        records = int(parseSeasonFile(read).records.size());
        figures.parse.append(threadMilliseconds() - started);
    }

    GuideWindow guide(main.ui->thetable->model(), main.findChild<RigLink*>(), &main);
    guide.resize(1100, 680);
    guide.show();
    QTableView* table = guide.findChild<QTableView*>(QStringLiteral("guideTable"));
    for (int run = 0; run < 5; ++run) {
        const double started = threadMilliseconds();
        guide.openFile(path);
        guide.repaint();
        figures.shown.append(threadMilliseconds() - started);
    }

    const QList<SeasonRecord> parsed = parseSeasonFile(bytes).records;
    PlainGuide plain;
    plain.proxy.setSourceModel(&plain.rows);
    plain.proxy.setFilterKeyColumn(StationColumn);
    plain.proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
    plain.table.setModel(&plain.proxy);
    plain.table.resize(table->size());
    plain.table.show();
    QList<double> plainShown;
    for (int run = 0; run < 3; ++run) {
        const double started = threadMilliseconds();
        plain.fill(parsed);
        plain.table.repaint();
        plainShown.append(threadMilliseconds() - started);
    }

    // keystrokes typed into the station box, each filtered and painted
    const char* const typed[] = {"r", "ra", "rad", "radi", "radio", "radi", "rad", "ra", "r", ""};
    QLineEdit* find = guide.findChild<QLineEdit*>(QStringLiteral("guideFind"));
    QCheckBox* onAir = guide.findChild<QCheckBox*>(QStringLiteral("guideOnAir"));
    for (int ticked = 0; ticked < 2; ++ticked) {
        onAir->setChecked(ticked == 1);
        for (int run = 0; run < 3; ++run) {
            for (const char* text : typed) {
                const double started = threadMilliseconds();
                find->setText(QString::fromLatin1(text));
                table->viewport()->repaint();
                figures.keystrokes[ticked].append(threadMilliseconds() - started);
            }
        }
    }
    QList<double> plainKeystrokes;
    for (int run = 0; run < 3; ++run) {
        for (const char* text : typed) {
            const double started = threadMilliseconds();
            plain.proxy.setFilterFixedString(QString::fromLatin1(text));
            plain.table.viewport()->repaint();
            plainKeystrokes.append(threadMilliseconds() - started);
        }
    }
    // Follow receiver: the rig answers a new frequency, the guide narrows to what is on the air
    // within 5 kHz of it, nearest first
    GuideModel model;
    model.setRecords(parsed);
    GuideFilterModel near(&model);
    SeasonFilter filter;
    filter.atMoment = true;
    filter.moment = airMoment(QDateTime(QDate(2025, 6, 16), QTime(12, 0), Qt::UTC));
    for (double khz = 5900; khz < 6200; khz += 5) {
        filter.ranges = {{khz - 5, khz + 5}};
        const double started = threadMilliseconds();
        near.setFilter(filter, khz);
        figures.followSteps.append(threadMilliseconds() - started);
    }
    printFigure("parse (floor: reading the bytes)", records, median(figures.parse), median(readTimes));
    printFigure("open and first paint (floor: QStandardItemModel)", records, median(figures.shown), median(plainShown));
    printFigure("filter keystroke, median (floor: QSortFilterProxyModel)", records, median(figures.keystrokes[0]),
                median(plainKeystrokes));
    printFigure("filter keystroke, slowest", records, slowestOf(figures.keystrokes[0]), slowestOf(plainKeystrokes));
    printFigure("with On air now, median", records, median(figures.keystrokes[1]), median(plainKeystrokes));
    printFigure("with On air now, slowest", records, slowestOf(figures.keystrokes[1]), slowestOf(plainKeystrokes));
    std::printf("%7d records  Follow receiver step median %5.2f ms (slowest %5.2f)\n", records,
                median(figures.followSteps), slowestOf(figures.followSteps));
}

QString slowest(const QList<double>& times)
{
    return QString::number(slowestOf(times), 'f', 1);
}

// The busiest band's map at 1200x700: laid out and painted whole, as a filter change or a
// resize makes it, and as ledra-map writes it.
void measureMapPaint(const QString& name, const QByteArray& bytes)
{
    const SeasonFile season = parseSeasonFile(bytes);
    const QString band = busiestBand(season.records);
    KhzRange edges;
    bandNamed(band, edges);
    QList<int> rows;
    int drawn = 0;
    for (int row = 0; row < season.records.size(); ++row) {
        const SeasonRecord& record = season.records.at(row);
        if (record.khz >= edges.low && record.khz <= edges.high) {
            rows.append(row);
            drawn += record.inactive ? 0 : 1;
        }
    }
    BandMapPicture picture;
    picture.setRecords(&season.records, rows);
    picture.setBand(band);
    picture.setMoment(QDateTime(QDate(2025, 6, 16), QTime(12, 0), Qt::UTC));
    picture.setCanvas(QSize(1200, 700), QApplication::font());
    QImage image(1200, 700, QImage::Format_ARGB32_Premultiplied);
    double started = 0;
    // thirty times laid out and painted whole, as after a filter change, a zoom or a resize
    const auto paintTimes = [&] {
        QList<double> times;
        for (int run = 0; run < 30; ++run) {
            started = processMilliseconds();
            picture.layOut();
            QPainter painter(&image);
            picture.paint(painter, QApplication::palette());
            picture.paintNowLine(painter);
            painter.end();
            times.append(processMilliseconds() - started);
        }
        return times;
    };
    QList<double> times = paintTimes();
    std::printf("%-14s busiest band %-4s %5d broadcasts, %5d bars  map laid out and painted, median %5.1f ms "
                "(slowest %s)\n",
                qPrintable(name), qPrintable(band), drawn, int(picture.bars().size()), median(times),
                qPrintable(slowest(times)));

    // with a location (Berlin): the paths once per file, the dark marks at the first layout of a day
    started = processMilliseconds();
    const auto paths = std::make_shared<const RecordPaths>(season.records, SitePositions(), GeoPosition{52.52, 13.40});
    const double pathsTime = processMilliseconds() - started;
    picture.setDarkness(darknessAtStart(paths, &season.records, QDate(2025, 6, 16)));
    times = paintTimes();
    std::printf("%-14s with a location: paths of the whole file %5.1f ms, first layout and paint with dark marks "
                "%5.1f ms, then median %5.1f ms\n",
                qPrintable(name), pathsTime, times.first(), median(times));
}

// The guide on the busiest band: each language picked in turn, filtered, with the map
// drawn anew and painted.
void measureMapFilterChange(MainWindow& main, const QString& path, const QString& name, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return;
    file.close();
    GuideWindow guide(main.ui->thetable->model(), main.findChild<RigLink*>(), &main);
    guide.resize(1500, 800);
    guide.show();
    guide.openFile(path);
    auto* bandBox = guide.findChild<QComboBox*>(QStringLiteral("guideBand"));
    auto* languageBox = guide.findChild<QComboBox*>(QStringLiteral("guideLanguage"));
    auto* map = guide.findChild<BandMapView*>(QStringLiteral("guideBandMap"));
    bandBox->setCurrentIndex(bandBox->findData(busiestBand(parseSeasonFile(bytes).records)));
    map->repaint();
    // each language, then all of them again: the whole band back on the map
    QList<double> narrowed;
    QList<double> whole;
    double started = 0;
    for (int language = 1; language < std::min(int(languageBox->count()), 30); ++language) {
        for (int index : {language, 0}) {
            started = processMilliseconds();
            languageBox->setCurrentIndex(index);
            map->repaint();
            (index == 0 ? whole : narrowed).append(processMilliseconds() - started);
        }
    }
    started = processMilliseconds();
    map->repaint();
    const double unchanged = processMilliseconds() - started;
    std::printf("%-14s map at %dx%d: filter change redrawn, to one language median %4.1f ms (slowest %s), back to "
                "the whole band median %4.1f ms (slowest %s); repaint with nothing changed %4.1f ms\n",
                qPrintable(name), map->width(), map->height(), median(narrowed), qPrintable(slowest(narrowed)),
                median(whole), qPrintable(slowest(whole)), unchanged);
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/.config")));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QDir(home.path()).mkdir(QStringLiteral("Documents"));
    // no schedule file yet: the main window writes its sample and says so; answer it
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    closer.start(5);
    MainWindow main;

    // the guide opens its files with distances to compute
    storeLocationText(QStringLiteral("JO62qm"));
    const QByteArray season = sampleSeason();
    measure(main, home.filePath(QStringLiteral("season.csv")), season);
    measure(main, home.filePath(QStringLiteral("season-100k.csv")), repeated(season, 100000));
    measurePaths(season);
    measurePaths(repeated(season, 100000));
    for (const auto& [name, bytes] : seasonFiles()) {
        measureMapPaint(name, bytes);
        measureMapFilterChange(main, home.filePath(name), name, bytes);
    }
    return 0;
}
