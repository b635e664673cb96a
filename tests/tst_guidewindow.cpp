// SPDX-License-Identifier: GPL-3.0-or-later
#include "datagramcollector.h"
#include "guidemodel.h"
#include "guidetimeline.h"
#include "guidewindow.h"
#include "onairdelegate.h"
#include "rigctld.h"
#include "testenv.h"
#include "testwindow.h"
#include "riglink.h"
#include "ui_mainwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>
#include <QTableView>

#include <sys/stat.h>

using ledraTest::fields;

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

QString seasonPath()
{
    return ledraTest::homeFolder() + "/season.csv";
}

// the main window on a fresh home with the guide open on the season file
struct GuideFixture : ledraTest::TestWindow
{
    explicit GuideFixture(const QList<QStringList>& rows = {}, const QByteArray& file = seasonFile)
        : TestWindow(rows)
    {
        ledraTest::writeFile(seasonPath(), file);
        window.ui->actionSeasonSchedule->trigger();
        guide = window.findChild<GuideWindow*>("guideWindow");
        if (guide && guide->openFile(seasonPath()))
            guide->showMoment(QDateTime(QDate(2025, 6, 16), QTime(12, 0), Qt::UTC));
    }
    template <typename T> T* child(const char* name) { return guide->findChild<T*>(name); }
    QString count() { return child<QLabel>("guideCount")->text(); }
    void selectRows(const QList<int>& rows)
    {
        QTableView* table = child<QTableView>("guideTable");
        table->clearSelection();
        for (int row : rows)
            table->selectionModel()->select(table->model()->index(row, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    GuideWindow* guide = nullptr;
};

void pick(QComboBox* box, const QString& code)
{
    box->setCurrentIndex(box->findData(code));
}

// the station column of the guide's rows, top to bottom
QStringList stations(GuideFixture& t)
{
    const QAbstractItemModel* rows = t.child<QTableView>("guideTable")->model();
    QStringList names;
    for (int row = 0; row < rows->rowCount(); ++row)
        names.append(rows->index(row, 3).data().toString());
    return names;
}


} // namespace

class TestGuideWindow : public QObject
{
    Q_OBJECT
private slots:
    void filters_data()
    {
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("band");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("country");
        QTest::addColumn<bool>("onAir");
        QTest::addColumn<QString>("count");
        QTest::newRow("none") << "" << "" << "" << "" << "" << false << "5 of 5 broadcasts";
        QTest::newRow("station, any case") << "RÁDIO" << "" << "" << "" << "" << false << "1 of 5 broadcasts";
        QTest::newRow("band") << "" << "31m" << "" << "" << "" << false << "2 of 5 broadcasts";
        QTest::newRow("one of the languages") << "" << "" << "F" << "" << "" << false << "1 of 5 broadcasts";
        QTest::newRow("target and country") << "" << "" << "" << "Eu" << "D" << false << "1 of 5 broadcasts";
        QTest::newRow("on air, not the inactive") << "" << "" << "" << "" << "" << true << "2 of 5 broadcasts";
        QTest::newRow("on air and station") << "welle" << "" << "" << "" << "" << true << "1 of 5 broadcasts";
    }
    void filters()
    {
        QFETCH(QString, find);
        QFETCH(QString, band);
        QFETCH(QString, language);
        QFETCH(QString, target);
        QFETCH(QString, country);
        QFETCH(bool, onAir);
        QFETCH(QString, count);
        GuideFixture t;
        QVERIFY(t.guide);
        t.child<QLineEdit>("guideFind")->setText(find);
        pick(t.child<QComboBox>("guideBand"), band);
        pick(t.child<QComboBox>("guideLanguage"), language);
        pick(t.child<QComboBox>("guideTarget"), target);
        pick(t.child<QComboBox>("guideCountry"), country);
        t.child<QCheckBox>("guideOnAir")->setChecked(onAir);
        QCOMPARE(t.count(), count);
        QCOMPARE(t.answerer.shown(), QStringList());
    }

    void addSkipsWhatIsThere()
    {
        const QStringList there = fields("9610;1200-1300;Mo-Fr;ROU;Rádio Romania;E,F;ME;g;;");
        GuideFixture t({there});
        QTableView* table = t.child<QTableView>("guideTable");
        table->sortByColumn(0, Qt::AscendingOrder);
        QStringList status;
        for (int row = 0; row < 5; ++row)
            status.append(table->model()->index(row, StatusColumn).data().toString());
        QCOMPARE(status, QStringList({"on air (60 min left)", "", "on air (60 min left)", "inactive", ""}));
        // the inactive record is listed and added like any other
        t.selectRows({0, 1, 2, 3});
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

    void tuneSendsTheDatagrams()
    {
        LEDRA_REQUIRE_PRIVATE_NETWORK();
        DatagramCollector receiver(58084);
        GuideFixture t;
        t.child<QTableView>("guideTable")->sortByColumn(0, Qt::AscendingOrder);
        t.selectRows({0});
        t.child<QPushButton>("guideTune")->click();
        QCOMPARE(receiver.waitFor(2).size(), 2);
        QCOMPARE(receiver.bytes(), QList<QByteArray>({{"mode:3\0", 7}, {"ofreq:6090000\0", 14}}));
        t.selectRows({});
        t.child<QPushButton>("guideTune")->click();
        QCOMPARE(t.answerer.shown(), QStringList{"Notice: You must select a broadcast to Tune"});
        QCOMPARE(receiver.settle().size(), 2);
    }

    void refusedFileKeepsTheShownOne()
    {
        GuideFixture t;
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
        QCOMPARE(QSettings("Morvath", "Ledra-guide").value("lastFile").toString(), seasonPath());
        QVERIFY(!QSettings().contains("lastFile"));
    }

    void droppedFileOpens()
    {
        GuideFixture t;
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

    void reopensTheLastFile()
    {
        {
            GuideFixture first;
        }
        ledraTest::TestWindow t;
        t.window.ui->actionSeasonSchedule->trigger();
        QCOMPARE(t.window.findChild<QLabel*>("guideCount")->text(), "5 of 5 broadcasts");
    }

    void boldRowsOnAir()
    {
        ledraTest::TestWindow t({fields("9610;1200-1300;Mo-Fr;ROU;R;E;ME;;;"), fields("9610;1200-1300;SaSu;ROU;R;E;ME;;;"),
                                 fields("9610;2330-1230;Su;ROU;R;E;ME;;;"), fields("9610;;;ROU;R;E;ME;;;")});
        QAbstractItemModel* table = t.window.ui->thetable->model();
        auto* delegate = qobject_cast<OnAirDelegate*>(t.window.ui->thetable->itemDelegate());
        QList<bool> bold;
        for (int row = 0; row < 4; ++row)
            bold.append(delegate->rowBold(table->index(row, 5), QDateTime(QDate(2025, 6, 16), QTime(12, 0), Qt::UTC)));
        QCOMPARE(bold, QList<bool>({true, false, true, false}));
    }

    void followReceiver()
    {
        LEDRA_REQUIRE_PRIVATE_NETWORK();
        ledraTest::Rigctld rigctld;
        LEDRA_START_RIGCTLD(rigctld);
        GuideFixture t({}, allDayFile);
        auto* follow = t.child<QCheckBox>("guideFollow");
        QVERIFY(!follow->isVisible());
        ledraTest::useHamlib(t.window, ledraTest::address(rigctld.port));
        QVERIFY(follow->isVisible());
        t.child<QTableView>("guideTable")->sortByColumn(3, Qt::AscendingOrder);
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
        t.window.rigLink->setSettings(ReceiverSettings());
        QVERIFY(!follow->isVisible());
        QCOMPARE(t.answerer.shown(), QStringList());
    }

    void boldRowsPlainForInactive_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("bold");
        QTest::newRow("inactive record") << "9421;0000-2400;;ROU;RRI old;E;ME;g;;" << false;
        QTest::newRow("an active record too") << "9610;0000-2400;;ROU;RRI;E;ME;g;;" << true;
        QTest::newRow("active record") << "9418;0000-2400;;ROU;RRI;E;ME;g;;" << true;
    }
    void boldRowsPlainForInactive()
    {
        QFETCH(QString, line);
        QFETCH(bool, bold);
        GuideFixture t({fields(line)}, allDayFile);
        auto* delegate = qobject_cast<OnAirDelegate*>(t.window.ui->thetable->itemDelegate());
        QCOMPARE(delegate->rowBold(t.window.ui->thetable->model()->index(0, 4), QDateTime::currentDateTimeUtc()), bold);
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
        ledraTest::TestWindow t;
        ledraTest::writeFile(seasonPath(), seasonFile);
        QSettings("Morvath", "Ledra-guide").setValue("lastFile", reopened ? seasonPath() : QString());
        const QTime before = QDateTime::currentDateTimeUtc().time();
        t.window.ui->actionSeasonSchedule->trigger();
        GuideTimeline* strip = t.window.findChild<GuideTimeline*>("guideTimeline");
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
    }

    void lastFileNotARegularFile()
    {
        ledraTest::TestWindow t;
        const QString folder = ledraTest::homeFolder() + "/folder.csv";
        QVERIFY(QDir().mkpath(folder));
        QSettings("Morvath", "Ledra-guide").setValue("lastFile", folder);
        t.window.ui->actionSeasonSchedule->trigger();
        QCOMPARE(t.window.findChild<QLabel*>("guideCount")->text(),
                 "0 of 0 broadcasts; skipped \"" + folder + "\": a folder, not a regular file");
        QCOMPARE(t.answerer.shown(), QStringList());
        QVERIFY(QFileInfo(folder).isDir());
    }
};

LEDRA_TEST_MAIN(TestGuideWindow)
#include "tst_guidewindow.moc"
