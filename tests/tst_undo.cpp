// SPDX-License-Identifier: GPL-3.0-or-later
#include "guide/guidewindow.h"
#include "tests/support/datagramcollector.h"
#include "tests/support/testenv.h"
#include "tests/support/testwindow.h"
#include "ui_mainwindow.h"

#include <QUndoStack>

using ledraTest::fields;

namespace {

// The frequencies of the rows, the current cell, the selected cells and " *" when modified:
// "14233,1110,7000,1040 @1,4 [1,0 1,1 ...] *".
QString tableState(ledraTest::TestWindow& t)
{
    QStringList frequencies;
    for (const QStringList& row : t.rows(1))
        frequencies.append(row.first());
    QTableWidget* table = t.window.ui->thetable;
    QStringList selected;
    QModelIndexList indexes = table->selectionModel()->selectedIndexes();
    std::sort(indexes.begin(), indexes.end());
    for (const QModelIndex& index : indexes)
        selected.append(QString("%1,%2").arg(index.row()).arg(index.column()));
    return QString("%1 @%2,%3 [%4]%5").arg(frequencies.join(',')).arg(table->currentRow()).arg(table->currentColumn())
        .arg(selected.join(' '), t.window.isWindowModified() ? " *" : "");
}

void keys(QWidget* widget, const QKeySequence& sequence)
{
    QTest::keyClick(widget, sequence[0].key(), sequence[0].keyboardModifiers());
}

const QList<QStringList> unsorted{fields("14233;;;;A;;;;;"), fields("1110;;;;B;;;;3;"), fields("7000;;;;C;;;;;"),
                                  fields("1040;;;;D;;;;;")};

} // namespace

class TestUndo : public QObject
{
    Q_OBJECT
private slots:
    void undoRedo_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("after"); // the state after the action, and after Redo
        QTest::addColumn<int>("typedRow"); // the current row after typing 1110 then
        QTest::newRow("Add") << "Add" << "14233,1110,7000,1040,9650 @1,4 [1,0 1,1 1,2 1,3 1,4 1,5 1,6 1,7 1,8] *" << 0;
        QTest::newRow("Del") << "Del" << "14233,7000,1040 @0,0 [] *" << 0;
        QTest::newRow("Sort") << "Sort" << "1040,1110,7000,14233 @1,4 [1,0 1,1 1,2 1,3 1,4 1,5 1,6 1,7 1,8]" << 3;
        QTest::newRow("Load") << "Load" << "7,8 @-1,-1 []" << -1;
        // Save is not undone, the sort it made is: the table then differs from the saved file
        QTest::newRow("Save with Sort-on-save") << "Save" << "1040,1110,7000,14233 @1,4 [1,0 1,1 1,2 1,3 1,4 1,5 1,6 1,7 1,8]" << 3;
    }

    // Undo and Redo by their keys, then Undo again by the menu
    void undoRedo()
    {
        LEDRA_REQUIRE_PRIVATE_NETWORK();
        QFETCH(QString, action);
        QFETCH(QString, after);
        QFETCH(int, typedRow);
        DatagramCollector pings(58084);
        ledraTest::TestWindow t(unsorted);
        Ui_MainWindow* ui = t.window.ui;
        t.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&t.window));
        ui->leFreq->setText("9650");
        ui->leLabel->setText("BBC");
        t.selectRows({1});
        ui->thetable->selectionModel()->setCurrentIndex(ui->thetable->model()->index(1, 4), QItemSelectionModel::NoUpdate);
        const QString before = tableState(t);
        if (action == "Load") {
            ledraTest::writeFile(ledraTest::documentsFolder() + "/picked.txt", "7;;;;X;;;;;\n8;;;;Y;;;;;\n");
            t.window.getdbfile(ledraTest::documentsFolder() + "/picked.txt");
        } else if (action == "Save") {
            t.window.sortOnSave = 1;
            ui->savedata->click();
        } else {
            t.window.findChild<QPushButton*>(action == "Add" ? "additem" : action == "Del" ? "deleteitem" : "sortnow")->click();
        }
        QCOMPARE(tableState(t), after);
        QCOMPARE(ui->actionUndo->text(), "Undo " + (action == "Save" ? "Sort" : action));
        ui->thetable->setFocus();
        keys(&t.window, QKeySequence::Undo);
        QCOMPARE(tableState(t), before + (action == "Save" ? " *" : ""));
        QCOMPARE(t.rows(), unsorted);
        keys(&t.window, QKeySequence::Redo);
        QCOMPARE(tableState(t), after);
        ui->leFreq->setText("1110");
        QCOMPARE(ui->thetable->currentRow(), typedRow);
        ui->actionUndo->trigger();
        QCOMPARE(t.rows(), unsorted);
        QVERIFY(!ui->actionUndo->isEnabled());
        QCOMPARE(t.answerer.shown(), QStringList());
    }

    void keyboard_data()
    {
        QTest::addColumn<QString>("widget");
        QTest::addColumn<QKeySequence>("keys");
        // rows of the table, lines of the saved file, the focused widget, the datagrams, the boxes
        QTest::addColumn<QString>("outcome");
        QTest::newRow("Return in Frequency: Add") << "leFreq" << QKeySequence(Qt::Key_Return) << "3 rows, 0 lines, leFreq";
        QTest::newRow("Return in Time: Add") << "leTime" << QKeySequence(Qt::Key_Return) << "3 rows, 0 lines, leTime";
        QTest::newRow("Enter in Label: Add") << "leLabel" << QKeySequence(Qt::Key_Enter) << "3 rows, 0 lines, leLabel";
        QTest::newRow("Delete on the table: Del") << "thetable" << QKeySequence(QKeySequence::Delete) << "1 rows, 0 lines, thetable";
        QTest::newRow("Return on the table: Go") << "thetable" << QKeySequence(Qt::Key_Return) << "2 rows, 0 lines, thetable, ofreq:1110000";
        QTest::newRow("double-click: Go") << "thetable" << QKeySequence() << "2 rows, 0 lines, thetable, ofreq:9580000";
        QTest::newRow("Ctrl+S: Save") << "leLabel" << QKeySequence(QKeySequence::Save) << "2 rows, 2 lines, leLabel, pingpelkin:0";
        QTest::newRow("Ctrl+F: frequency box") << "thetable" << QKeySequence(QKeySequence::Find) << "2 rows, 0 lines, leFreq";
    }

    void keyboard()
    {
        LEDRA_REQUIRE_PRIVATE_NETWORK();
        QFETCH(QString, widget);
        QFETCH(QKeySequence, keys);
        QFETCH(QString, outcome);
        DatagramCollector datagrams(58084);
        ledraTest::TestWindow t({fields("1110;;;;KFAB;;;;;"), fields("9580;;;;C;;;;;")});
        t.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&t.window));
        t.window.ui->leFreq->setText("9650");
        t.window.ui->leLabel->setText("BBC");
        t.selectRows({0});
        QWidget* target = t.window.findChild<QWidget*>(widget);
        target->setFocus();
        if (keys.isEmpty()) {
            QTableWidget* table = t.window.ui->thetable;
            const QPoint cell = table->visualItemRect(table->item(1, 4)).center();
            QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell);
            QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, cell);
        } else {
            ::keys(target, keys);
        }
        QStringList seen{QString("%1 rows").arg(t.window.ui->thetable->rowCount()),
                         QString("%1 lines").arg(ledraTest::readFile(ledraTest::documentsFolder() + "/orvane-swbc-sked.txt").count('\n')),
                         QApplication::focusWidget()->objectName()};
        datagrams.settle();
        for (const QByteArray& bytes : datagrams.bytes())
            seen.append(QString::fromLatin1(bytes.chopped(1)));
        QCOMPARE(seen.join(", "), outcome);
        QCOMPARE(t.answerer.shown(), QStringList());
    }

    void ctrlGOpensTheGuide()
    {
        ledraTest::TestWindow t;
        t.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&t.window));
        QTest::keyClick(&t.window, Qt::Key_G, Qt::ControlModifier);
        auto* guide = t.window.findChild<GuideWindow*>("guideWindow");
        QVERIFY(guide && guide->isVisible());
    }
};

LEDRA_TEST_MAIN(TestUndo)
#include "tst_undo.moc"
