// SPDX-License-Identifier: GPL-3.0-or-later
// Planning recordings in the windows: Record... in the guide, the overlap refused, the
// Recordings window's Remove, and the close that asks while recordings are due.
#include "recordings/core/recordingstore.h"
#include "recordings/recorddialog.h"
#include "tests/support/testenv.h"
#include "tests/support/testwindow.h"
#include "ui_mainwindow.h"

#include <QRadioButton>
#include <QtTest>

namespace {

const QByteArray seasonFile = "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;Remarks:135;P:35;Start:60;Stop:60;\n"
                              "9420;0200-0300;;GRC;Voice of Greece;E;Eu;a;1;;;\n";

RecordingPlan storedPlan()
{
    QString problem;
    return readPlan(&problem);
}

// presses Record... on the guide's only broadcast; the dialog is handled by answer
void recordFirstBroadcast(ledraTest::GuideTestWindow& t, const std::function<void(QDialog*)>& answer)
{
    t.answerer.onDialog(answer);
    t.table()->selectRow(0);
    t.child<QPushButton>("guideRecord")->click();
}

} // namespace

class TestRecordingsWindow : public QObject
{
    Q_OBJECT

private slots:
    void guidePlansAndRefusesAnOverlap()
    {
        ledraTest::GuideTestWindow t(seasonFile);
        recordFirstBroadcast(t, [](QDialog* dialog) { dialog->accept(); });
        const RecordingPlan plan = storedPlan();
        QCOMPARE(plan.entries.size(), 1);
        const RecordingEntry& entry = plan.entries.first();
        QCOMPARE(entry.station, QStringLiteral("Voice of Greece"));
        QCOMPARE(entry.khz, 9420.0);
        QCOMPARE(entry.mode, QStringLiteral("AM"));
        QVERIFY(!entry.repeating);
        QCOMPARE(entry.start.time(), QTime(2, 0));
        QCOMPARE(entry.stop.time(), QTime(3, 0));
        QCOMPARE(entry.secondsBefore, 60);
        QCOMPARE(entry.secondsAfter, 60);
        QCOMPARE(entry.device, QStringLiteral("localhost:7356"));
        const QByteArray planned = ledraTest::readFile(planPath());

        recordFirstBroadcast(t, [](QDialog* dialog) {
            dialog->findChild<QRadioButton*>("recordEveryDay")->setChecked(true);
            dialog->accept();
            dialog->reject();
        });
        QCOMPARE(t.answerer.shown(),
                 QStringList{"Record: This recording would overlap the recording of Voice of Greece on the same receiver."});
        QCOMPARE(ledraTest::readFile(planPath()), planned);
    }

    void editRecordPlansTheSelectedRow()
    {
        ledraTest::TestWindow t({ledraTest::fields("9420;0200-0300;;GRC;Voice of Greece;E;Eu;a;3"),
                                 ledraTest::fields("6000;;;CUB;Radio Havana;S;NA;b;0")});
        QFile::remove(planPath());
        QAction* record = t.window.findChild<QAction*>("actionRecord");
        record->trigger();
        t.selectRows({1});
        record->trigger();
        QCOMPARE(t.answerer.shown(), (QStringList{"Notice: You must select one row to Record",
                                                  "Notice: The row has no time to Record"}));
        t.answerer.onDialog([](QDialog* dialog) {
            dialog->findChild<QRadioButton*>("recordEveryDay")->setChecked(true);
            dialog->accept();
        });
        t.selectRows({0});
        record->trigger();
        const RecordingPlan plan = storedPlan();
        QCOMPARE(plan.entries.size(), 1);
        QCOMPARE(plan.entries.first().station, QStringLiteral("Voice of Greece"));
        QCOMPARE(plan.entries.first().mode, QStringLiteral("USB"));
        QVERIFY(plan.entries.first().repeating);
        QCOMPARE(plan.entries.first().times.start, 120);
        QCOMPARE(plan.entries.first().times.end, 180);
    }

    void recordingsWindowRemovesPlanned()
    {
        ledraTest::TestWindow t;
        RecordingPlan plan;
        RecordingEntry entry;
        entry.id = 4;
        entry.station = QStringLiteral("Radio Romania");
        entry.khz = 9610;
        entry.start = QDateTime::currentDateTimeUtc().addDays(3);
        entry.stop = entry.start.addSecs(1800);
        plan.entries.append(entry);
        Take take;
        take.entryId = 3;
        take.station = QStringLiteral("ERT");
        take.state = TakeState::Done;
        take.file = QStringLiteral("/recordings/ert.wav");
        plan.takes.append(take);
        QCOMPARE(writePlan(plan), QString());
        t.window.findChild<QAction*>("actionRecordings")->trigger();
        auto* window = t.window.findChild<QWidget*>("recordingsWindow");
        QVERIFY(window);
        auto* table = window->findChild<QTableWidget*>("recordingsTable");
        QCOMPARE(table->rowCount(), 2);
        QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Radio Romania"));
        QCOMPARE(table->item(1, 5)->text(), QStringLiteral("done"));
        QCOMPARE(table->item(1, 6)->text(), QStringLiteral("/recordings/ert.wav"));
        table->selectRow(1);
        window->findChild<QPushButton*>("recordingsRemove")->click();
        QCOMPARE(t.answerer.shown(), QStringList{"Recordings: You must select a planned recording to Remove"});
        table->selectRow(0);
        window->findChild<QPushButton*>("recordingsRemove")->click();
        QCOMPARE(storedPlan().entries.size(), 0);
        QCOMPARE(storedPlan().takes.size(), 1);
        QCOMPARE(table->rowCount(), 1);
    }

    void closeAsksWhileRecordingsAreDue()
    {
        ledraTest::TestWindow t;
        RecordingPlan plan;
        for (int hours : {1, 2, 30}) {
            RecordingEntry entry;
            entry.id = hours;
            entry.station = QStringLiteral("Station %1").arg(hours);
            entry.recorder = hours == 1 ? RecorderKind::Gqrx : RecorderKind::Sound;
            entry.start = QDateTime::currentDateTimeUtc().addSecs(hours * 3600);
            entry.stop = entry.start.addSecs(600);
            plan.entries.append(entry);
        }
        QCOMPARE(writePlan(plan), QString());
        t.window.show();
        t.answerer.pressNext(QMessageBox::No);
        QVERIFY(!t.window.close());
        QCOMPARE(t.answerer.shown(), QStringList{"Recordings: 2 recordings are planned tonight; quit anyway?"});
        QVERIFY(t.window.isVisible());
        t.answerer.pressNext(QMessageBox::Yes);
        QVERIFY(t.window.close());
    }
};

LEDRA_TEST_MAIN(TestRecordingsWindow)
#include "tst_recordingswindow.moc"
