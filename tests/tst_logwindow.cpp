// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/core/receptionlog.h"
#include "log/core/reminderclock.h"
#include "log/logentrydialog.h"
#include "log/logwindow.h"
#include "tests/support/datagramcollector.h"
#include "tests/support/rigctld.h"
#include "tests/support/testenv.h"
#include "schedule/onairdelegate.h"
#include "tests/support/testwindow.h"
#include "ui_logentrydialog.h"
#include "ui_logwindow.h"

#include <QAbstractProxyModel>
#include <QDialogButtonBox>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTest>

namespace {

const QString romania = "9610;1200-1300;;ROU;Radio Romania Int.;E;ME;g;1;";

LogEntryDialog* openDialog(QWidget* window)
{
    return window->findChild<LogEntryDialog*>("logEntryDialog");
}

void pressOk(LogEntryDialog* dialog)
{
    dialog->ui->buttonBox->button(QDialogButtonBox::Ok)->click();
}

// the table's cells as shown, sorted and filtered, columns UTC to SINPO
QStringList shownRows(LogWindow* window)
{
    QStringList rows;
    QAbstractItemModel* model = window->ui->logTable->model();
    for (int row = 0; row < model->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < 8; ++column)
            cells.append(model->index(row, column).data().toString());
        rows.append(cells.join('|'));
    }
    return rows;
}

QAction* action(QWidget* window, const char* name)
{
    return window->findChild<QAction*>(name);
}

Reception heard(const char* start, double khz, const QString& station, const QString& language)
{
    Reception r;
    r.start = QDateTime::fromString(QLatin1String(start), Qt::ISODate).toUTC();
    r.khz = khz;
    r.station = station;
    r.language = language;
    r.country = "ROU";
    return r;
}

} // namespace

class TestLogWindow : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QFile::remove(ReceptionLog::defaultPath());
        QFile::remove(ReceptionLog::defaultPath() + "-wal");
        QFile::remove(ReceptionLog::defaultPath() + "-shm");
    }

    // Edit > Heard it... on the table's row, 34433 typed, OK: the log holds it with what was known
    void heardFromTheTable()
    {
        ledraTest::TestWindow test({ledraTest::fields(romania)});
        QVERIFY(action(&test.window, "actionLog"));
        test.selectRows({0});
        action(&test.window, "actionHeardIt")->trigger();
        LogEntryDialog* dialog = openDialog(&test.window);
        QVERIFY(dialog);
        QVERIFY(dialog->ui->buttonBox->button(QDialogButtonBox::Ok)->isEnabled());
        QCOMPARE(dialog->ui->stationEdit->text(), QString("Radio Romania Int."));
        QCOMPARE(dialog->ui->modeEdit->currentText(), QString("SAM"));
        QTest::keyClicks(dialog->ui->sinpoEdit, "3443");
        QVERIFY(!dialog->ui->buttonBox->button(QDialogButtonBox::Ok)->isEnabled());
        QCOMPARE(dialog->ui->sinpoProblem->text(),
                 QString("\"3443\" is no SINPO code: five digits from 1 to 5 (34433), or three for SIO (343)"));
        QTest::keyClicks(dialog->ui->sinpoEdit, "3");
        dialog->ui->receiverEdit->setText("IC-R75");
        pressOk(dialog);
        ReceptionLog log;
        const QList<Reception> receptions = log.receptions();
        QCOMPARE(receptions.size(), 1);
        QCOMPARE(receptions.first().sinpo, QString("34433"));
        QCOMPARE(receptions.first().khz, 9610.0);
        QCOMPARE(receptions.first().site, QString("Galbeni 46N45-26E41"));
        QCOMPARE(receptions.first().country, QString("ROU"));
        // the next entry remembers the receiver
        action(&test.window, "actionHeardIt")->trigger();
        QCOMPARE(openDialog(&test.window)->ui->receiverEdit->text(), QString("IC-R75"));
        QCOMPARE(test.answerer.shown(), QStringList());
    }

    // with the Hamlib link the receiver's frequency and mode come into the open dialog as the rig
    // answers
    void heardWithTheRig()
    {
        LEDRA_REQUIRE_PRIVATE_NETWORK();
        ledraTest::Rigctld rigctld;
        LEDRA_START_RIGCTLD(rigctld);
        ledraTest::rigctl(rigctld.port, {"F", "9612000"});
        ledraTest::rigctl(rigctld.port, {"M", "USB", "0"});
        ledraTest::TestWindow test({ledraTest::fields(romania)});
        test.answerer.onDialog([](QDialog*) {});
        ledraTest::useHamlib(test.window, ledraTest::address(rigctld.port));
        test.selectRows({0});
        action(&test.window, "actionHeardIt")->trigger();
        QPointer<LogEntryDialog> dialog = openDialog(&test.window);
        QVERIFY(dialog);
        QTRY_COMPARE(dialog->ui->khzEdit->text(), QString("9612"));
        QCOMPARE(dialog->ui->modeEdit->currentText(), QString("USB"));
        QCOMPARE(dialog->ui->stationEdit->text(), QString("Radio Romania Int."));
    }

    // Edit > Favourite station stars the row of that station on that frequency, and only that one
    void starOnTheTable()
    {
        ledraTest::TestWindow test({ledraTest::fields(romania), ledraTest::fields("9610;1300-1400;;ROU;Other;E;ME;;;")});
        QTableWidget* table = test.window.findChild<QTableWidget*>("thetable");
        auto* delegate = static_cast<OnAirDelegate*>(table->itemDelegate());
        table->setCurrentCell(0, 4);
        QVERIFY(!delegate->rowStarred(table->model()->index(0, 4)));
        action(&test.window, "actionFavourite")->trigger();
        QVERIFY(ReceptionLog().isFavourite("Radio Romania Int.", 9610));
        QVERIFY(delegate->rowStarred(table->model()->index(0, 4)));
        QVERIFY(!delegate->rowStarred(table->model()->index(1, 4)));
        action(&test.window, "actionFavourite")->trigger();
        QVERIFY(!delegate->rowStarred(table->model()->index(0, 4)));
    }

    // the reminders take the records of the season file the guide opens
    void remindersFollowTheGuide()
    {
        {
            ReceptionLog log;
            QVERIFY(log.setSetting(remindKey, "1"));
            QVERIFY(log.setFavourite({"Second", 7300}, true));
        }
        ledraTest::GuideTestWindow test("kHz:75;\n" + romania.toUtf8() + ";\n");
        const ReminderClock* clock = test.window.findChild<ReminderClock*>();
        QVERIFY(clock);
        const QDateTime from(QDate(2025, 6, 16), QTime(11, 54), Qt::UTC);
        QCOMPARE(clock->due(from, from.addSecs(60)).size(), 0);
        const QString second = ledraTest::homeFolder() + "/second.csv";
        ledraTest::writeFile(second, "kHz:75;\n7300;1200-1300;;D;Second;E;Eu;;;;\n");
        QVERIFY(test.guide->openFile(second));
        const QList<DueReminder> due = clock->due(from, from.addSecs(60));
        QCOMPARE(due.size(), 1);
        QCOMPARE(due.first().start, QDateTime(QDate(2025, 6, 16), QTime(12, 0), Qt::UTC));
    }

    // Heard it in the guide: the dialog filled from the record, and once logged the broadcast is
    // marked and its line says when and how well it was heard
    void heardInTheGuide()
    {
        ledraTest::GuideTestWindow test("kHz:75;\n9610;1200-1300;;ROU;Radio Romania Int.;E;ME;g;1;;\n"
                                        "6090;1200-1300;;D;Other;E;Eu;;;;\n");
        ledraTest::selectRows(test.table(), {0});
        QCOMPARE(test.child<QLabel>("guideHeardLine")->text(), QString());
        test.child<QPushButton>("guideHeard")->click();
        LogEntryDialog* dialog = openDialog(&test.window);
        QVERIFY(dialog);
        QCOMPARE(dialog->ui->stationEdit->text(), QString("Radio Romania Int."));
        QCOMPARE(dialog->ui->siteEdit->text(), QString("Galbeni 46N45-26E41"));
        QCOMPARE(dialog->ui->modeEdit->currentText(), QString("AM"));
        QTest::keyClicks(dialog->ui->sinpoEdit, "34433");
        pressOk(dialog);
        const QList<Reception> logged = ReceptionLog().receptions();
        QCOMPARE(logged.size(), 1);
        QCOMPARE(test.child<QLabel>("guideHeardLine")->text(),
                 QString("Heard once, last %1 UTC, SINPO 34433").arg(logMomentText(logged.first().start)));
        QAbstractItemModel* rows = test.table()->model();
        QCOMPARE(rows->index(0, 11).data().toString(), QString("on air (60 min left), heard"));
        QCOMPARE(rows->index(1, 11).data().toString(), QString("on air (60 min left)"));
        // the star: a favourite in the log, on the row and on the button
        QPushButton* star = test.child<QPushButton>("guideStar");
        QVERIFY(!star->isChecked());
        star->click();
        QVERIFY(ReceptionLog().isFavourite("Radio Romania Int.", 9610));
        QCOMPARE(rows->index(0, 11).data().toString(), QString("★ on air (60 min left), heard"));
        ledraTest::selectRows(test.table(), {1});
        QVERIFY(!star->isChecked());
        ledraTest::selectRows(test.table(), {0});
        QVERIFY(star->isChecked());
        star->click();
        QVERIFY(ReceptionLog().favourites().isEmpty());
        QCOMPARE(rows->index(0, 11).data().toString(), QString("on air (60 min left), heard"));
    }

    // sorting, finding and dates; deleting and Undo, which puts the entry back as it was
    void browseDeleteUndo()
    {
        {
            ReceptionLog log;
            log.import({heard("2026-11-02T02:05:00Z", 9610, "Radio Romania", "E"),
                        heard("2026-11-03T18:00:00Z", 6090, "Radio Ö1", "G"),
                        heard("2026-10-30T07:30:00Z", 11700, "Radio Romania", "F,E")});
        }
        LogWindow window;
        const QString first = "2026-11-03 18:00|6090||Radio Ö1|G||ROU|";
        const QString second = "2026-11-02 02:05|9610||Radio Romania|E||ROU|";
        const QString third = "2026-10-30 07:30|11700||Radio Romania|F,E||ROU|";
        QCOMPARE(shownRows(&window), (QStringList{first, second, third}));
        QCOMPARE(window.ui->logCounts->text(), QString("3 receptions of 2 stations from 1 country in 3 languages"));
        // Remind me: off until ticked, five minutes before, kept in the log
        QVERIFY(!window.ui->logRemind->isChecked());
        QCOMPARE(window.ui->logLead->value(), 5);
        window.ui->logRemind->setChecked(true);
        window.ui->logLead->setValue(15);
        QCOMPARE(ReceptionLog().setting(remindKey), QString("1"));
        QCOMPARE(ReceptionLog().setting(reminderLeadKey), QString("15"));
        window.ui->logTable->sortByColumn(1, Qt::AscendingOrder);
        QCOMPARE(shownRows(&window), (QStringList{first, second, third}));
        window.ui->logTable->sortByColumn(1, Qt::DescendingOrder);
        QCOMPARE(shownRows(&window), (QStringList{third, second, first}));
        window.ui->logFilter->setText("ö1");
        QCOMPARE(shownRows(&window), QStringList{first});
        window.ui->logFilter->clear();
        window.ui->logFrom->setDate(QDate(2026, 11, 1));
        window.ui->logTo->setDate(QDate(2026, 11, 2));
        window.ui->logDatesGiven->setChecked(true);
        QCOMPARE(shownRows(&window), QStringList{second});
        window.ui->logDatesGiven->setChecked(false);

        ledraTest::selectRows(window.ui->logTable, {0, 2});
        window.ui->actionDeleteReception->trigger();
        QCOMPARE(shownRows(&window), QStringList{second});
        QCOMPARE(ReceptionLog().receptions().size(), 1);
        QAction* undo = action(&window, "actionLogUndo");
        QCOMPARE(undo->text(), QString("Undo Delete 2 receptions"));
        undo->trigger();
        QCOMPARE(shownRows(&window), (QStringList{third, second, first}));
        QCOMPARE(ReceptionLog().receptions().size(), 3);
        action(&window, "actionLogRedo")->trigger();
        QCOMPARE(ReceptionLog().receptions().size(), 1);
    }

    // a file that is no database: the window says so, writes nothing and offers nothing
    void unreadableLog()
    {
        ledraTest::writeFile(ReceptionLog::defaultPath(), "not a log\n");
        LogWindow window;
        QCOMPARE(window.ui->logProblem->text(),
                 QString("Cannot open the reception log \"%1\": this is no SQLite database; it is left as it is")
                     .arg(ReceptionLog::defaultPath()));
        QVERIFY(!window.ui->logTable->isEnabled());
        QVERIFY(!window.ui->menuLogEdit->isEnabled());
        QCOMPARE(ledraTest::readFile(ReceptionLog::defaultPath()), QByteArray("not a log\n"));
        QVERIFY(!QFile::exists(ReceptionLog::defaultPath() + "-wal"));
    }
};

LEDRA_TEST_MAIN(TestLogWindow)
#include "tst_logwindow.moc"
