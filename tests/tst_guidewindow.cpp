// SPDX-License-Identifier: GPL-3.0-or-later
#include "bandmap/bandmapview.h"
#include "guide/guidemodel.h"
#include "guide/guidetimeline.h"
#include "radiolink/riglink.h"
#include "schedule/onairdelegate.h"
#include "tests/support/datagramcollector.h"
#include "tests/support/rigctld.h"
#include "tests/support/testenv.h"
#include "tests/support/testwindow.h"
#include "ui_mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QSplitter>
#include <QTableView>
#include <QToolTip>

#include <sys/stat.h>

using ledraTest::fields;
using ledraTest::GuideTestWindow;
using ledraTest::seasonPath;

namespace {

// on the air on Monday 2025-06-16 at 12:00: the first two records
const QByteArray seasonFile = "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;"
                              "Remarks:135;P:35;Start:60;Stop:60;\r\n"
                              "9610;1200-1300;Mo-Fr;ROU;R\xe1" "dio Romania;E,F;ME;g;1;;\r\n"
                              "6089.5;1100-1300;USB;D;Deutsche Welle;G;Eu;/OMA-a;;;\r\n"
                              "11700;1200-1230;;ROU;Radio Romania Int.;A;ME;g;8;;\r\n"
                              "9420;0000-0100;;GRC;ERT;Gr;Eu;a;;;\r\n"
                              "15500;0600-0700;SaSu;D;Deutsche Welle;E;Af;;;;\r\n";

// on the air all day every day, but for the inactive ones (P 8)
const QByteArray allDayFile = "kHz:75;\n"
                              "9426;0000-2400;;CHN;CRI;E;As;;;;\n"
                              "9418;0000-2400;;ROU;RRI;E;ME;g;;;\n"
                              "9421;0000-2400;;ROU;RRI old;E;ME;g;8;;\n"
                              "9424.5;0000-2400;;D;DW;E;Af;;;;\n"
                              "9420;0000-2400;;GRC;ERT;Gr;Eu;a;;;\n"
                              "6070;0000-2400;;D;DW;G;Eu;;;;\n"
                              "9610;0000-2400;;ROU;RRI;E;ME;g; 8;;\n"
                              "9610;0000-2400;;ROU;RRI;E;ME;g;1;;\n";

void pick(QComboBox* box, const QString& code)
{
    box->setCurrentIndex(box->findData(code));
}

// the station column of the guide's rows, top to bottom
QStringList stations(GuideTestWindow& t)
{
    QStringList names;
    for (int row = 0; row < t.table()->model()->rowCount(); ++row)
        names.append(t.table()->model()->index(row, 3).data().toString());
    return names;
}

BandMapView* mapOf(GuideTestWindow& t)
{
    return t.child<BandMapView>("guideBandMap");
}

QString stationOf(GuideTestWindow& t, const MapBar& bar)
{
    return t.guide->findChild<GuideModel*>()->record(bar.row).field(StationField).toString();
}

// the stations of the band map's bars, each once, in the order painted
QStringList mapStations(GuideTestWindow& t)
{
    QStringList names;
    for (const MapBar& bar : mapOf(t)->mapPicture().bars()) {
        if (!names.contains(stationOf(t, bar)))
            names.append(stationOf(t, bar));
    }
    return names;
}

// the band map's first bar of a station
QRectF barOf(GuideTestWindow& t, const QString& station)
{
    for (const MapBar& bar : mapOf(t)->mapPicture().bars()) {
        if (stationOf(t, bar) == station)
            return bar.rect;
    }
    return QRectF();
}

// true when the band map outlines the station's bar in the selection's colour
bool outlinedOnMap(GuideTestWindow& t, const QString& station)
{
    const QRectF bar = barOf(t, station);
    const QPoint above(int(bar.center().x()), int(std::floor(bar.top() - 1.5)));
    return mapOf(t)->grab().toImage().pixelColor(above) == mapOf(t)->palette().color(QPalette::Highlight);
}

} // namespace

class TestGuideWindow : public QObject
{
    Q_OBJECT
private slots:
    void filtersNarrowTheTableAndTheMap_data()
    {
        // "box=code" by the box's object name, "guideOnAir" ticks it, "current=STATION" makes the
        // station's first row (highest frequency first) the current one
        QTest::addColumn<QString>("filters");
        QTest::addColumn<QString>("count");
        QTest::addColumn<QString>("mapBand");
        QTest::addColumn<QStringList>("drawn");
        QTest::newRow("none") << "" << "5 of 5 broadcasts" << "" << QStringList();
        QTest::newRow("station, any case") << "guideFind=RÁDIO" << "1 of 5 broadcasts" << "" << QStringList();
        // typed on, a text that holds the one before looks only among the rows it found
        QTest::newRow("station typed, not holding the last text") << "guideFind=r|guideFind=ra|guideFind=rád"
                                                                  << "1 of 5 broadcasts" << "" << QStringList();
        QTest::newRow("station typed on and back") << "guideFind=d|guideFind=de|guideFind=deu|guideFind=e"
                                                   << "3 of 5 broadcasts" << "" << QStringList();
        QTest::newRow("station typed on, on air") << "guideOnAir|guideFind=d|guideFind=de" << "1 of 5 broadcasts" << ""
                                                  << QStringList();
        QTest::newRow("band") << "guideBand=31m" << "2 of 5 broadcasts" << "31m" << QStringList{"Rádio Romania", "ERT"};
        QTest::newRow("band and language") << "guideBand=31m|guideLanguage=Gr" << "1 of 5 broadcasts" << "31m"
                                           << QStringList{"ERT"};
        QTest::newRow("target and country") << "guideTarget=Eu|guideCountry=D" << "1 of 5 broadcasts" << ""
                                            << QStringList();
        QTest::newRow("on air, not the inactive") << "guideOnAir" << "2 of 5 broadcasts" << "" << QStringList();
        QTest::newRow("all bands: the current row's") << "current=Deutsche Welle" << "5 of 5 broadcasts" << "19m"
                                                      << QStringList{"Deutsche Welle"};
    }
    void filtersNarrowTheTableAndTheMap()
    {
        QFETCH(QString, filters);
        QFETCH(QString, count);
        QFETCH(QString, mapBand);
        QFETCH(QStringList, drawn);
        GuideTestWindow t(seasonFile);
        t.table()->sortByColumn(0, Qt::DescendingOrder);
        for (const QString& part : filters.split('|', Qt::SkipEmptyParts)) {
            const QString name = part.section('=', 0, 0), value = part.section('=', 1);
            if (name == "current")
                t.table()->setCurrentIndex(t.table()->model()->index(int(stations(t).indexOf(value)), 0));
            else if (auto* box = t.guide->findChild<QComboBox*>(name))
                pick(box, value);
            else if (auto* text = t.guide->findChild<QLineEdit*>(name))
                text->setText(value);
            else
                t.child<QCheckBox>("guideOnAir")->setChecked(true);
        }
        QCOMPARE(t.count(), count);
        QCOMPARE(mapOf(t)->band(), mapBand);
        QCOMPARE(mapStations(t), drawn);
    }

    void addSkipsWhatIsThere()
    {
        const QStringList there = fields("9610;1200-1300;Mo-Fr;ROU;Rádio Romania;E,F;ME;g;;");
        GuideTestWindow t(seasonFile, {there});
        t.table()->sortByColumn(0, Qt::AscendingOrder);
        QStringList status;
        for (int row = 0; row < 5; ++row)
            status.append(t.table()->model()->index(row, StatusColumn).data().toString());
        QCOMPARE(status, QStringList({"on air (60 min left)", "", "on air (60 min left)", "inactive", ""}));
        // the inactive record is listed and added like any other
        ledraTest::selectRows(t.table(), {0, 1, 2, 3});
        t.child<QPushButton>("guideAdd")->click();
        QCOMPARE(t.rows(), QList<QStringList>({there, fields("6090;1100-1300;USB;D;Deutsche Welle;G;Eu;/OMA-a;3;"),
                                               fields("9420;0000-0100;;GRC;ERT;Gr;Eu;a;;"),
                                               fields("11700;1200-1230;;ROU;Radio Romania Int.;A;ME;g;;")}));
        QCOMPARE(t.answerer.shown(),
                 QStringList{"Notice: Added to the schedule: 3\nSkipped, already in it: 1\nRounded to whole kHz: 1"});
        QVERIFY(t.window.isWindowModified());
        // one step of the Edit menu takes all three back
        QCOMPARE(t.window.ui->actionUndo->text(), "Undo Add to schedule");
        t.window.ui->actionUndo->trigger();
        QCOMPARE(t.rows(), QList<QStringList>({there}));
        QVERIFY(!t.window.isWindowModified());
    }

    void tuneFromTheTableAndTheMap()
    {
        LEDRA_REQUIRE_PRIVATE_NETWORK();
        DatagramCollector receiver(58084);
        GuideTestWindow t(seasonFile);
        QVERIFY(QTest::qWaitForWindowExposed(t.guide));
        t.table()->sortByColumn(0, Qt::AscendingOrder);
        ledraTest::selectRows(t.table(), {0});
        t.child<QPushButton>("guideTune")->click();
        QCOMPARE(receiver.waitFor(2).size(), 2);
        ledraTest::selectRows(t.table(), {});
        t.child<QPushButton>("guideTune")->click();
        // a double-click on a bar of the band map tunes as Tune does
        pick(t.child<QComboBox>("guideBand"), "31m");
        QTest::mouseDClick(mapOf(t), Qt::LeftButton, {}, barOf(t, "ERT").center().toPoint());
        QCOMPARE(receiver.waitFor(3).size(), 3);
        QCOMPARE(receiver.bytes(),
                 QList<QByteArray>({{"mode:3\0", 7}, {"ofreq:6090000\0", 14}, {"ofreq:9420000\0", 14}}));
        QCOMPARE(t.answerer.shown(), QStringList{"Notice: You must select a broadcast to Tune"});
    }

    void refusedFileKeepsTheShownOne()
    {
        QSettings("Morvath", "Ledra-guide").remove("lastFile");
        GuideTestWindow t(seasonFile);
        const QString notSeason = ledraTest::homeFolder() + "/schedule.txt";
        ledraTest::writeFile(notSeason, "9610;1200-1300;;ROU;R;E;ME;;;\n");
        QVERIFY(!t.guide->openFile(notSeason));
        QVERIFY(!t.guide->openFile(ledraTest::homeFolder() + "/missing.csv"));
        // a named pipe picked by hand is refused, not waited on
        const QString pipe = ledraTest::homeFolder() + "/pipe.csv";
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QVERIFY(!t.guide->openFile(pipe));
        QCOMPARE(t.answerer.shown(),
                 QStringList({"error: \"" + notSeason + "\" is not a season schedule: its first line does not begin with \"kHz:\"",
                              "error: Could not read \"" + ledraTest::homeFolder()
                                  + "/missing.csv\": No such file or directory",
                              "error: Could not read \"" + pipe + "\": a named pipe, not a regular file"}));
        QCOMPARE(t.count(), "5 of 5 broadcasts");
        // the file shown is the one the guide reopens
        QCOMPARE(QSettings("Morvath", "Ledra-guide").value("lastFile").toString(), seasonPath());
        QVERIFY(!QSettings().contains("lastFile"));
    }

    void droppedFileOpens()
    {
        GuideTestWindow t(seasonFile);
        const QString other = ledraTest::homeFolder() + "/other.csv";
        ledraTest::writeFile(other, "kHz:75;\n9420;0000-0100;;GRC;ERT;Gr;Eu;a;;;\n");
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(other)});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(t.guide, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(t.guide, &drop);
        QCOMPARE(t.count(), "1 of 1 broadcasts");
    }

    // on the air on Monday at 12:00 by the row's time and days, unless the open season file holds
    // the line as inactive records only
    void boldRows()
    {
        const QList<QStringList> rows{fields("9610;1200-1300;Mo-Fr;ROU;R;E;ME;;;"), fields("9610;1200-1300;SaSu;ROU;R;E;ME;;;"),
                                      fields("9610;;;ROU;R;E;ME;;;"), fields("9421;0000-2400;;ROU;RRI old;E;ME;g;;"),
                                      fields("9610;0000-2400;;ROU;RRI;E;ME;g;;"), fields("9418;0000-2400;;ROU;RRI;E;ME;g;;")};
        GuideTestWindow t(allDayFile, rows);
        auto* delegate = qobject_cast<OnAirDelegate*>(t.window.ui->thetable->itemDelegate());
        QList<bool> bold;
        for (int row = 0; row < rows.size(); ++row)
            bold.append(delegate->rowBold(t.window.ui->thetable->model()->index(row, 5),
                                          QDateTime(QDate(2025, 6, 16), QTime(12, 0), Qt::UTC)));
        QCOMPARE(bold, QList<bool>({true, false, false, false, true, true}));
    }

    void followReceiver()
    {
        LEDRA_REQUIRE_PRIVATE_NETWORK();
        ledraTest::Rigctld rigctld;
        LEDRA_START_RIGCTLD(rigctld);
        GuideTestWindow t(allDayFile);
        auto* follow = t.child<QCheckBox>("guideFollow");
        QVERIFY(!follow->isVisible());
        ledraTest::useHamlib(t.window, ledraTest::address(rigctld.port));
        QVERIFY(follow->isVisible());
        t.table()->sortByColumn(3, Qt::AscendingOrder);
        const QStringList sorted = stations(t);

        ledraTest::rigctl(rigctld.port, {"F", "9420000"});
        follow->setChecked(true);
        QTRY_COMPARE(stations(t), QStringList({"ERT", "RRI", "DW"}));
        QCOMPARE(t.child<QLabel>("guideReceiver")->text(), "Receiver: 9420 kHz");
        // turned behind its back; the inactive record nearby never shows
        ledraTest::rigctl(rigctld.port, {"F", "9425000"});
        QTRY_COMPARE(stations(t), QStringList({"DW", "CRI", "ERT"}));
        QCOMPARE(t.count(), "3 of 8 broadcasts");
        pick(t.child<QComboBox>("guideLanguage"), "E");
        QCOMPARE(stations(t), QStringList({"DW", "CRI"}));
        pick(t.child<QComboBox>("guideLanguage"), "");

        ledraTest::useHamlib(t.window, ledraTest::address(ledraTest::unusedPort()));
        QTRY_VERIFY(t.child<QLabel>("guideReceiver")->text().endsWith("(connection refused)"));
        follow->setChecked(false);
        QCOMPARE(stations(t), sorted);
        t.rigLink()->setSettings(ReceiverSettings());
        QVERIFY(!follow->isVisible());
        QCOMPARE(t.answerer.shown(), QStringList());
    }

    void bandMapSharesTheSelectionAndNamesTheBroadcast()
    {
        GuideTestWindow t(seasonFile);
        QVERIFY(QTest::qWaitForWindowExposed(t.guide));
        pick(t.child<QComboBox>("guideBand"), "31m");
        BandMapView* map = mapOf(t);
        QTest::mouseClick(map, Qt::LeftButton, {}, barOf(t, "ERT").center().toPoint());
        QCOMPARE(t.table()->currentIndex().siblingAtColumn(3).data().toString(), "ERT");
        QCOMPARE(t.table()->selectionModel()->selectedRows().size(), 1);
        QVERIFY(outlinedOnMap(t, "ERT"));
        ledraTest::selectRows(t.table(), {int(stations(t).indexOf("Rádio Romania"))});
        QVERIFY(outlinedOnMap(t, "Rádio Romania"));
        QVERIFY(!outlinedOnMap(t, "ERT"));
        // a click beside every bar changes nothing
        QTest::mouseClick(map, Qt::LeftButton, {}, QPoint(2, 2));
        QCOMPARE(t.table()->selectionModel()->selectedRows().first().siblingAtColumn(3).data().toString(), "Rádio Romania");

        const QPoint bar = barOf(t, "Rádio Romania").center().toPoint();
        QHelpEvent hover(QEvent::ToolTip, bar, map->mapToGlobal(bar));
        QApplication::sendEvent(map, &hover);
        QCOMPARE(QToolTip::text(), "Rádio Romania\n9610 kHz, 1200-1300 Mo-Fr\nLanguage: E,F (English; French)\n"
                                   "Target: ME (Middle East)\nSite: g (Galbeni 46N45-26E41)");
    }

    // a new location marks the bars whose path is dark at their start at once, and none goes
    // with the location
    void bandMapDarkensWithTheLocation()
    {
        GuideTestWindow t(seasonFile);
        pick(t.child<QComboBox>("guideBand"), "31m");
        const auto darkBars = [&t] {
            QStringList names;
            for (const MapBar& bar : mapOf(t)->mapPicture().bars()) {
                if (bar.look.dark)
                    names.append(stationOf(t, bar));
            }
            return names;
        };
        QCOMPARE(darkBars(), QStringList());
        t.guide->setLocation(GeoPosition{37.98, 23.73}); // Athens: ERT at midnight UTC in June
        QCOMPARE(darkBars(), QStringList{"ERT"});
        t.guide->setLocation(std::nullopt);
        QCOMPARE(darkBars(), QStringList());
    }

    void nowLineFromTheFirstPaint_data()
    {
        QTest::addColumn<bool>("reopened");
        QTest::newRow("no file") << false;
        QTest::newRow("last file reopened") << true;
    }
    void nowLineFromTheFirstPaint()
    {
        QFETCH(bool, reopened);
        ledraTest::writeFile(seasonPath(), seasonFile);
        QSettings("Morvath", "Ledra-guide").setValue("lastFile", reopened ? seasonPath() : QString());
        const QTime before = QDateTime::currentDateTimeUtc().time();
        GuideTestWindow t;
        auto* strip = t.child<GuideTimeline>("guideTimeline");
        const QImage shown = strip->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QTime after = QDateTime::currentDateTimeUtc().time();
        // the strip as it looks with its line set by hand
        const auto lineAt = [strip](const QTime& time) {
            GuideTimeline reference;
            reference.resize(strip->size());
            reference.setNow(time.hour() * 60 + time.minute());
            return reference.grab().toImage().convertToFormat(QImage::Format_RGB32);
        };
        QVERIFY(shown == lineAt(before) || shown == lineAt(after));
        QCOMPARE(t.count(), reopened ? "5 of 5 broadcasts" : "0 of 0 broadcasts");
    }

    void lastFileNotARegularFile()
    {
        const QString folder = ledraTest::homeFolder() + "/folder.csv";
        QVERIFY(QDir().mkpath(folder));
        QSettings("Morvath", "Ledra-guide").setValue("lastFile", folder);
        GuideTestWindow t;
        QCOMPARE(t.count(), "0 of 0 broadcasts; skipped \"" + folder + "\": a folder, not a regular file");
        QCOMPARE(t.answerer.shown(), QStringList());
        QVERIFY(QFileInfo(folder).isDir());
    }

    // long status texts wrap rather than widen the window past a laptop's screen
    void fitsASmallScreen()
    {
        GuideTestWindow t(seasonFile);
        const QString longText = QString("sked-b26.csv is the winter 2026/27 schedule; ").repeated(8);
        for (const char* name : {"guideCount", "guideDistance", "guideReceiver", "guideFileInfo"})
            t.child<QLabel>(name)->setText(longText);
        t.guide->layout()->activate();
        QVERIFY2(t.guide->minimumWidth() <= 1100, qPrintable(QString::number(t.guide->minimumWidth())));
    }

    // what the window gains goes to the table: all the height, and while no band is shown most
    // of the width; no other row is taller than its contents, and a 1,024 x 640 screen holds it
    void givesItsSpaceToTheTable()
    {
        GuideTestWindow t(seasonFile);
        t.guide->show();
        auto* splitter = t.child<QSplitter>("guideSplitter");
        int smallTable = 0;
        for (const QSize& screen : {QSize(1024, 640), QSize(1600, 1000)}) {
            const QSize size = screen - QSize(20, 40);
            t.guide->resize(size);
            t.guide->layout()->activate();
            QCOMPARE(t.guide->size(), size);
            QVERIFY(t.guide->minimumSizeHint().width() <= 1024 && t.guide->minimumSizeHint().height() <= 640);
            for (int at = 0; at < t.guide->layout()->count(); ++at) {
                QLayoutItem* row = t.guide->layout()->itemAt(at);
                if (row->widget() == splitter)
                    continue;
                const int needed = row->hasHeightForWidth() ? row->heightForWidth(row->geometry().width()) : row->sizeHint().height();
                QVERIFY2(row->geometry().height() <= needed, qPrintable(QString("row %1 at %2: %3 > %4")
                    .arg(at).arg(size.width()).arg(row->geometry().height()).arg(needed)));
            }
            QVERIFY2(splitter->sizes().at(0) >= splitter->width() * 3 / 4,
                     qPrintable(QString("%1 of %2").arg(splitter->sizes().at(0)).arg(splitter->width())));
            if (smallTable == 0)
                smallTable = t.table()->height();
        }
        QVERIFY2(t.table()->height() >= smallTable + 360, qPrintable(QString::number(t.table()->height() - smallTable)));

        // a band shown takes its share; a place the user gives the splitter is kept for the next window
        pick(t.child<QComboBox>("guideBand"), "31m");
        QVERIFY(splitter->sizes().at(1) >= splitter->width() / 3);
        QSplitterHandle* handle = splitter->handle(1);
        QTest::mousePress(handle, Qt::LeftButton);
        QTest::mouseMove(handle, handle->rect().center() - QPoint(150, 0));
        QTest::mouseRelease(handle, Qt::LeftButton, {}, handle->rect().center() - QPoint(150, 0));
        const QList<int> placed = splitter->sizes();
        GuideTestWindow next(seasonFile);
        next.guide->resize(t.guide->size());
        next.guide->show();
        QCOMPARE(next.child<QSplitter>("guideSplitter")->sizes(), placed);
    }
};

LEDRA_TEST_MAIN(TestGuideWindow)
#include "tst_guidewindow.moc"
