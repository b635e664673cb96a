// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/testenv.h"
#include "tests/support/testwindow.h"
#include "ui_mainwindow.h"

using ledraTest::fields;

namespace {

// n rows with the rising frequencies 1000, 1010, 1020, ...
QList<QStringList> risingRows(int n)
{
    QList<QStringList> rows;
    for (int frequency = 1000; frequency < 1000 + 10 * n; frequency += 10)
        rows.append(fields(QString("%1;0600-0700;;AFG;Radio %1;AFG;CAf;k;1").arg(frequency)));
    return rows;
}

// A window on the given rows whose edit boxes and drop-downs are read and set as one text,
// "Frequency|Time|Label|Tx Site|Foreign|From|Lang|To|Mode", the drop-downs by their codes.
struct Editor : ledraTest::TestWindow
{
    using TestWindow::TestWindow;

    // sets as many boxes and drop-downs, from the left, as the text has parts
    void setInputs(const QString& text)
    {
        const QStringList parts = text.split('|');
        for (int i = 0; i < parts.size() && i < 3; ++i)
            edits.at(i)->setText(parts.at(i));
        for (int i = 3; i < parts.size(); ++i)
            dropDowns.at(i - 3)->setCurrentIndex(window.findItemByData(dropDowns.at(i - 3), parts.at(i)));
    }

    // the boxes and the codes the next add takes, then " *" when the window is marked modified
    QString state()
    {
        const QStringList parts{ui->leFreq->text(), ui->leTime->text(), ui->leLabel->text(), window.txCode,
                                window.forCode, window.fromCode, window.langCode, window.toCode, window.modeCode};
        return parts.join('|') + (window.isWindowModified() ? " *" : "");
    }

    Ui_MainWindow* ui = window.ui;
    QTableWidget* table = ui->thetable;
    const QList<QLineEdit*> edits{ui->leFreq, ui->leTime, ui->leLabel};
    const QList<QComboBox*> dropDowns{ui->cbTx, ui->cbFor, ui->cbFrom, ui->cbLang, ui->cbTo, ui->cbMode};
};

} // namespace

class TestEditing : public QObject
{
    Q_OBJECT

private slots:
    void add_data()
    {
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("outcome"); // the message, or the line of the added row
        QTest::newRow("frequency before label and time") << "|6|" << "Problem with Frequency\n Cannot Add Item";
        QTest::newRow("24, k/AFG") << "9650|24|BBC|k|AFG" << "9650;0000-2359;;S;BBC;SWE;EAf;/AFG-k;4";
    }

    // Clear and Preset are ticked (the presets of a first run are all "None"): a refused add changes nothing at all
    void add()
    {
        QFETCH(QString, inputs);
        QFETCH(QString, outcome);
        Editor t(risingRows(1));
        t.ui->clear->click();
        t.ui->preset->click();
        t.setInputs("|||||S|SWE|EAf|4");
        t.setInputs(inputs);
        const QString before = t.state();
        t.ui->additem->click();
        const bool refused = outcome.endsWith("Cannot Add Item");
        QCOMPARE(t.answerer.shown(), refused ? QStringList{"error: " + outcome} : QStringList());
        QCOMPARE(t.rows(), refused ? risingRows(1) : risingRows(1) << fields(outcome));
        QCOMPARE(t.state(), refused ? before : "|||||||| *");
        QCOMPARE(t.answerer.boxes.value(0).icon, refused ? QMessageBox::Information : QMessageBox::NoIcon);
    }

    void afterAdd()
    {
        Editor t(risingRows(60));
        t.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.window));
        t.setInputs("|||x|SWE|AFG|SWE|CAf|2");
        t.ui->setpre->click();
        const auto add = [&t] {
            t.setInputs("9650|24|BBC|k|AFG|S|AFG|EAf|1");
            t.ui->additem->click();
            return t.state();
        };
        QCOMPARE(add(), "9650|0000-2359|BBC|k|AFG|S|AFG|EAf|1 *");
        t.ui->clear->click();
        QCOMPARE(add(), "|||k|AFG|S|AFG|EAf|1 *");
        t.ui->clear->click();
        t.ui->preset->click();
        QCOMPARE(add(), "9650|0000-2359|BBC|x|SWE|AFG|SWE|CAf|2 *");
        QCOMPARE(t.rows().mid(60), QList<QStringList>(3, fields("9650;0000-2359;;S;BBC;AFG;EAf;/AFG-k;1")));
        QVERIFY(t.table->viewport()->rect().contains(t.table->visualItemRect(t.table->item(62, 0))));
    }

    void deleteRow_data()
    {
        QTest::addColumn<QList<int>>("wholeRows");
        QTest::addColumn<QString>("state"); // afterwards
        QTest::newRow("known codes, current cell in another row") << QList<int>{0} << "9650|0600-0700|BBC|||S|SWE|EAf|2 *";
        QTest::newRow("empty codes") << QList<int>{1} << "9660||BBC|||||| *";
        QTest::newRow("unknown codes") << QList<int>{2} << "9670|24|BBC|||AFG|AFG|CAf|1 *";
        QTest::newRow("single cell") << QList<int>() << "|||k|SWE|AFG|AFG|CAf|1";
    }

    void deleteRow()
    {
        QFETCH(QList<int>, wholeRows);
        QFETCH(QString, state);
        QList<QStringList> rows{fields("9650;0600-0700;x;S;BBC;SWE;EAf;/AFG-x;2"), fields("9660;;;;BBC;;;;;"),
                                fields("9670;24;;ZZZ;BBC;QQQ;Nowhere;k;12")};
        Editor t(rows);
        t.setInputs("|||k|SWE|AFG|AFG|CAf|1");
        t.selectRows(wholeRows);
        // a Ctrl+click on row 2, column 5 last: the current cell, selected
        t.table->selectionModel()->setCurrentIndex(t.table->model()->index(2, 5), QItemSelectionModel::Select);
        t.ui->deleteitem->click();
        if (wholeRows.size() == 1)
            rows.removeAt(wholeRows.first());
        QCOMPARE(t.rows(), rows);
        QCOMPARE(t.state(), state);
    }

    // on an empty table a number stays in the box; text that is not a number is thrown away whole
    void frequencyTyping()
    {
        Editor t;
        const auto type = [&t](char key) { QTest::keyClick(t.ui->leFreq, key); return t.ui->leFreq->text(); };
        QCOMPARE((QStringList{type('9'), type('6'), type('5'), type('0'), type('a')}), (QStringList{"9", "96", "965", "9650", ""}));
        t.setRows(risingRows(3));
        QCOMPARE((QStringList{type('1'), type('a'), type('-')}), (QStringList{"1", "", ""}));
    }

    void frequencyScroll_data()
    {
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("current"); // row and column of the current cell, whether it is selected
        QTest::newRow("100 rows, exact match") << 100 << "1100" << "14 0 deselected";
        QTest::newRow("100 rows, above all") << 100 << "5000" << "5 3 selected";
    }

    // every cell selected and row 5, column 3 current when the frequency is set
    void frequencyScroll()
    {
        QFETCH(int, rowCount);
        QFETCH(QString, frequency);
        QFETCH(QString, current);
        Editor t(risingRows(rowCount));
        t.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&t.window));
        t.table->setCurrentCell(5, 3);
        t.table->selectAll();
        t.ui->leFreq->setText(frequency);
        const QModelIndex index = t.table->currentIndex();
        const bool selected = t.table->selectionModel()->isSelected(index);
        QCOMPARE(QString("%1 %2 %3").arg(index.row()).arg(index.column()).arg(selected ? "selected" : "deselected"), current);
        QVERIFY(t.table->viewport()->rect().contains(t.table->visualRect(index)));
    }
};

LEDRA_TEST_MAIN(TestEditing)
#include "tst_editing.moc"
