#include "mainwindow.h"
#include "modalanswerer.h"
#include "tableitem.h"
#include "testenv.h"
#include "ui_mainwindow.h"

#include <QItemSelectionModel>
#include <QTableWidget>

namespace {

const QString frequencyFault = QStringLiteral("Problem with Frequency\n Cannot Add Item");
const QString labelFault = QStringLiteral("Problem with Label\n Cannot Add Item");
const QString semicolonFault = QStringLiteral("Problem with Label\n It must not contain \";\"\n Cannot Add Item");
const QString lineBreakFault = QStringLiteral("Problem with Label\n It must not contain a line break\n Cannot Add Item");
const QString leftFault = QStringLiteral("Left part of range is not\n a four-digit number\n Cannot Add Item");
const QString rightFault = QStringLiteral("Right part of range is not\n a four-digit number\n Cannot Add Item");

QString lengthFault(int parts)
{
    return QStringLiteral("length=%1Time must be in two number\nformat like: 0000-2359\n or 24 or 24h\n Cannot Add Item")
        .arg(parts);
}

QStringList row(const QString& frequency)
{
    return {frequency, QStringLiteral("0600-0700"), QString(), QStringLiteral("AFG"), QStringLiteral("Radio ") + frequency,
            QStringLiteral("AFG"), QStringLiteral("CAf"), QStringLiteral("k"), QStringLiteral("1")};
}

// n rows with the distinct rising frequencies 1000, 1010, 1020, ...
QList<QStringList> risingRows(int n)
{
    QList<QStringList> rows;
    for (int i = 0; i < n; ++i)
        rows.append(row(QString::number(1000 + 10 * i)));
    return rows;
}

struct FreshHome
{
    FreshHome() { ledraTest::resetHome(); }
};

// A window on a first run whose table holds exactly the given rows, with empty boxes and no
// modified mark.
struct Editor : FreshHome
{
    explicit Editor(const QList<QStringList>& rows = {})
    {
        QTableWidget* table = window.ui->thetable;
        table->setRowCount(0);
        table->setRowCount(int(rows.size()));
        for (int r = 0; r < rows.size(); ++r) {
            for (int c = 0; c < 9; ++c)
                table->setItem(r, c, new TableItem(rows.at(r).value(c)));
        }
        table->clearSelection();
        window.setWindowModified(false);
        answerer.boxes.clear();
    }

    QTableWidget* table() { return window.ui->thetable; }

    void pick(QComboBox* box, const QString& code) { box->setCurrentIndex(window.findItemByData(box, code)); }

    void enter(const QString& frequency, const QString& label, const QString& time)
    {
        window.ui->leFreq->setText(frequency);
        window.ui->leLabel->setText(label);
        window.ui->leTime->setText(time);
    }

    void selectRow(int r)
    {
        table()->selectionModel()->select(table()->model()->index(r, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    QList<QStringList> rows()
    {
        QList<QStringList> all;
        for (int r = 0; r < table()->rowCount(); ++r) {
            QStringList fields;
            for (int c = 0; c < 9; ++c)
                fields.append(window.getTableItem(r, c));
            all.append(fields);
        }
        return all;
    }

    // every drop-down's position and code member, in the order From, Foreign, Lang, To, Tx Site, Mode
    QStringList dropDowns()
    {
        const Ui_MainWindow* ui = window.ui;
        return {QStringLiteral("%1 %2").arg(ui->cbFrom->currentIndex()).arg(window.fromCode),
                QStringLiteral("%1 %2").arg(ui->cbFor->currentIndex()).arg(window.forCode),
                QStringLiteral("%1 %2").arg(ui->cbLang->currentIndex()).arg(window.langCode),
                QStringLiteral("%1 %2").arg(ui->cbTo->currentIndex()).arg(window.toCode),
                QStringLiteral("%1 %2").arg(ui->cbTx->currentIndex()).arg(window.txCode),
                QStringLiteral("%1 %2").arg(ui->cbMode->currentIndex()).arg(window.modeCode)};
    }

    QStringList boxes()
    {
        return {window.ui->leFreq->text(), window.ui->leTime->text(), window.ui->leLabel->text()};
    }

    ModalAnswerer answerer;
    MainWindow window;
};

} // namespace

class TestEditing : public QObject
{
    Q_OBJECT
private slots:
    void addRefused_data();
    void addRefused();
    void timeForms_data();
    void timeForms();
    void fourDigits_data();
    void fourDigits();
    void composedRow_data();
    void composedRow();
    void afterAdd_data();
    void afterAdd();
    void deleteSelection_data();
    void deleteSelection();
    void recall_data();
    void recall();
    void frequencyTyping_data();
    void frequencyTyping();
    void frequencyScroll_data();
    void frequencyScroll();
    void scheduleFromEmptyTable();
};

void TestEditing::addRefused_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("message");

    QTest::newRow("empty frequency") << "" << "BBC" << "0600-0700" << frequencyFault;
    QTest::newRow("11a0") << "11a0" << "BBC" << "" << frequencyFault;
    QTest::newRow("frequency before label and time") << "x" << "" << "6" << frequencyFault;
    QTest::newRow("empty label before time") << "9650" << "" << "6" << labelFault;
    QTest::newRow("24 kept on a label fault") << "9650" << "" << "24" << labelFault;
    QTest::newRow("semicolon") << "9650" << "BBC;WS" << "" << semicolonFault;
    QTest::newRow("semicolon before time") << "9650" << ";" << "6" << semicolonFault;
    QTest::newRow("line feed") << "9650" << "BBC\nWS" << "24" << lineBreakFault;
    QTest::newRow("carriage return") << "9650" << "BBC\r" << "" << lineBreakFault;
    QTest::newRow("time last") << "9650" << "BBC" << "0000-235" << rightFault;
}

void TestEditing::addRefused()
{
    QFETCH(QString, frequency);
    QFETCH(QString, label);
    QFETCH(QString, time);
    QFETCH(QString, message);

    Editor editor(risingRows(3));
    editor.window.ui->clear->click();
    editor.window.ui->preset->click();
    editor.pick(editor.window.ui->cbTx, QStringLiteral("k"));
    editor.pick(editor.window.ui->cbFor, QStringLiteral("AFG"));
    editor.enter(frequency, label, time);
    const QList<QStringList> rowsBefore = editor.rows();
    const QStringList boxesBefore = editor.boxes();
    const QStringList dropDownsBefore = editor.dropDowns();

    editor.window.ui->additem->click();

    QCOMPARE(editor.answerer.shown(), QStringList{QStringLiteral("error: ") + message});
    QCOMPARE(editor.answerer.boxes.first().icon, QMessageBox::Information);
    QCOMPARE(editor.answerer.boxes.first().parent, nullptr);
    QCOMPARE(editor.rows(), rowsBefore);
    QCOMPARE(editor.boxes(), boxesBefore);
    QCOMPARE(editor.dropDowns(), dropDownsBefore);
    QCOMPARE(editor.window.isWindowModified(), false);
}

void TestEditing::timeForms_data()
{
    QTest::addColumn<QString>("time");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("stored");

    QTest::newRow("empty") << "" << "" << "";
    QTest::newRow("24") << "24" << "" << "0000-2359";
    QTest::newRow("24h") << "24h" << "" << "0000-2359";
    QTest::newRow("24H") << "24H" << lengthFault(1) << "";
    QTest::newRow("2400") << "2400" << lengthFault(1) << "";
    QTest::newRow("three parts") << "0000-2359-0100" << lengthFault(3) << "";
    QTest::newRow("dash") << "-" << leftFault << "";
    QTest::newRow("no start") << "-2359" << leftFault << "";
    QTest::newRow("no end") << "0000-" << rightFault << "";
    QTest::newRow("short end") << "0000-235" << rightFault << "";
    QTest::newRow("letter in start") << "000a-2359" << leftFault << "";
    QTest::newRow("blanks around dash") << "0000 - 2359" << leftFault << "";
    QTest::newRow("non-ASCII digits") << QStringLiteral("0000-２３５９") << rightFault << "";
    QTest::newRow("plain range") << "0600-0730" << "" << "0600-0730";
    QTest::newRow("no clock check") << "2400-9999" << "" << "2400-9999";
}

void TestEditing::timeForms()
{
    QFETCH(QString, time);
    QFETCH(QString, message);
    QFETCH(QString, stored);

    Editor editor(risingRows(2));
    editor.enter(QStringLiteral("9650"), QStringLiteral("BBC"), time);
    editor.window.ui->additem->click();

    if (message.isEmpty()) {
        QCOMPARE(editor.answerer.shown(), QStringList());
        QCOMPARE(editor.table()->rowCount(), 3);
        QCOMPARE(editor.window.getTableItem(2, 1), stored);
        QCOMPARE(editor.window.ui->leTime->text(), stored);
    } else {
        QCOMPARE(editor.answerer.shown(), QStringList{QStringLiteral("error: ") + message});
        QCOMPARE(editor.table()->rowCount(), 2);
        QCOMPARE(editor.window.ui->leTime->text(), time);
    }
}

void TestEditing::fourDigits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("passes");

    QTest::newRow("four digits") << "0930" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("three") << "093" << false;
    QTest::newRow("five") << "09300" << false;
    QTest::newRow("letter") << "09a0" << false;
    QTest::newRow("blank") << " 930" << false;
    QTest::newRow("Arabic-Indic digits") << QStringLiteral("٠٩٣٠") << false;
}

void TestEditing::fourDigits()
{
    QFETCH(QString, text);
    QFETCH(bool, passes);

    Editor editor;
    QCOMPARE(editor.window.d4test(text), passes);
}

void TestEditing::composedRow_data()
{
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("site");
    QTest::addColumn<QString>("foreign");
    QTest::addColumn<QString>("siteCell");

    QTest::newRow("None/None") << "9650" << "BBC" << "" << "" << "";
    QTest::newRow("k/None") << "9650" << "BBC" << "k" << "" << "k";
    QTest::newRow("k/AFG") << "9650" << "BBC" << "k" << "AFG" << "/AFG-k";
    QTest::newRow("None/AFG") << "9650" << "BBC" << "" << "AFG" << "";
    QTest::newRow("k/S") << "9650" << "BBC" << "k" << "S" << "/S-k";
    QTest::newRow("k/SWE") << "9650" << "BBC" << "k" << "SWE" << "/SWE-k";
    QTest::newRow("zero frequency, blank label") << "0" << "   " << "k" << "" << "k";
    QTest::newRow("negative frequency") << "-5" << "BBC" << "" << "" << "";
}

void TestEditing::composedRow()
{
    QFETCH(QString, frequency);
    QFETCH(QString, label);
    QFETCH(QString, site);
    QFETCH(QString, foreign);
    QFETCH(QString, siteCell);

    const QList<QStringList> rows = risingRows(2);
    Editor editor(rows);
    const Ui_MainWindow* ui = editor.window.ui;
    editor.pick(ui->cbFrom, QStringLiteral("S"));
    editor.pick(ui->cbLang, QStringLiteral("SWE"));
    editor.pick(ui->cbTo, QStringLiteral("EAf"));
    editor.pick(ui->cbMode, QStringLiteral("4"));
    editor.pick(ui->cbTx, site);
    editor.pick(ui->cbFor, foreign);
    editor.enter(frequency, label, QStringLiteral("0600-0700"));
    editor.window.ui->additem->click();

    const QStringList added{frequency, QStringLiteral("0600-0700"), QString(), QStringLiteral("S"), label,
                            QStringLiteral("SWE"), QStringLiteral("EAf"), siteCell, QStringLiteral("4")};
    QCOMPARE(editor.answerer.shown(), QStringList());
    QCOMPARE(editor.rows(), rows + QList<QStringList>{added});
}

void TestEditing::afterAdd_data()
{
    QTest::addColumn<bool>("clear");
    QTest::addColumn<bool>("preset");

    QTest::newRow("neither") << false << false;
    QTest::newRow("clear") << true << false;
    QTest::newRow("preset") << false << true;
    QTest::newRow("clear and preset") << true << true;
}

void TestEditing::afterAdd()
{
    QFETCH(bool, clear);
    QFETCH(bool, preset);

    Editor editor(risingRows(60));
    Ui_MainWindow* ui = editor.window.ui;
    editor.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor.window));
    if (clear)
        ui->clear->click();
    if (preset)
        ui->preset->click();

    editor.pick(ui->cbFrom, QStringLiteral("AFG"));
    editor.pick(ui->cbFor, QStringLiteral("SWE"));
    editor.pick(ui->cbLang, QStringLiteral("SWE"));
    editor.pick(ui->cbTo, QStringLiteral("CAf"));
    editor.pick(ui->cbTx, QStringLiteral("x"));
    editor.pick(ui->cbMode, QStringLiteral("2"));
    ui->setpre->click();
    const QStringList presetDropDowns = editor.dropDowns();
    editor.pick(ui->cbFrom, QStringLiteral("S"));
    editor.pick(ui->cbFor, QStringLiteral("AFG"));
    editor.pick(ui->cbLang, QStringLiteral("AFG"));
    editor.pick(ui->cbTo, QStringLiteral("EAf"));
    editor.pick(ui->cbTx, QStringLiteral("k"));
    editor.pick(ui->cbMode, QStringLiteral("1"));
    const QStringList chosenDropDowns = editor.dropDowns();

    editor.table()->setCurrentCell(5, 2, QItemSelectionModel::NoUpdate);
    editor.selectRow(7);
    editor.table()->scrollToTop();
    editor.enter(QStringLiteral("9650"), QStringLiteral("BBC"), QStringLiteral("24"));
    ui->additem->click();

    QCOMPARE(editor.answerer.shown(), QStringList());
    QCOMPARE(editor.table()->rowCount(), 61);
    QCOMPARE(editor.window.getTableItem(60, 4), QStringLiteral("BBC"));
    const QRect lastRow = editor.table()->visualItemRect(editor.table()->item(60, 0));
    QVERIFY(editor.table()->viewport()->rect().contains(lastRow));
    QCOMPARE(editor.table()->currentRow(), 5);
    QCOMPARE(editor.table()->currentColumn(), 2);
    QCOMPARE(editor.table()->selectionModel()->selectedRows().size(), 1);
    QCOMPARE(editor.table()->selectionModel()->selectedRows().first().row(), 7);
    const QStringList entered{QStringLiteral("9650"), QStringLiteral("0000-2359"), QStringLiteral("BBC")};
    QCOMPARE(editor.boxes(), clear ? QStringList(3) : entered);
    QCOMPARE(editor.dropDowns(), preset ? presetDropDowns : chosenDropDowns);
    QCOMPARE(editor.window.isWindowModified(), true);
}

void TestEditing::deleteSelection_data()
{
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<QList<int>>("wholeRows");
    // a cell Ctrl+clicked after the rows were selected, which becomes the current cell
    QTest::addColumn<int>("cellRow");
    QTest::addColumn<int>("cellColumn");
    QTest::addColumn<QStringList>("left");
    QTest::addColumn<QString>("recalled");

    QTest::newRow("only row") << 1 << QList<int>{0} << -1 << -1 << QStringList() << "1000";
    QTest::newRow("one of several") << 5 << QList<int>{2} << -1 << -1
                                    << QStringList{"1000", "1010", "1030", "1040"} << "1020";
    QTest::newRow("selected row, other current cell") << 5 << QList<int>{1} << 3 << 5
                                                       << QStringList{"1000", "1020", "1030", "1040"} << "1010";
    QTest::newRow("two rows") << 5 << QList<int>{1, 3} << -1 << -1
                              << QStringList{"1000", "1010", "1020", "1030", "1040"} << "";
    QTest::newRow("single cell") << 5 << QList<int>() << 2 << 4
                                 << QStringList{"1000", "1010", "1020", "1030", "1040"} << "";
    QTest::newRow("nothing") << 5 << QList<int>() << -1 << -1
                             << QStringList{"1000", "1010", "1020", "1030", "1040"} << "";
}

void TestEditing::deleteSelection()
{
    QFETCH(int, rowCount);
    QFETCH(QList<int>, wholeRows);
    QFETCH(int, cellRow);
    QFETCH(int, cellColumn);
    QFETCH(QStringList, left);
    QFETCH(QString, recalled);

    Editor editor(risingRows(rowCount));
    for (int r : wholeRows)
        editor.selectRow(r);
    if (cellRow >= 0)
        editor.table()->selectionModel()->setCurrentIndex(editor.table()->model()->index(cellRow, cellColumn),
                                                          QItemSelectionModel::Select);
    const QStringList boxesBefore = editor.boxes();
    const QStringList dropDownsBefore = editor.dropDowns();

    editor.window.ui->deleteitem->click();

    QStringList frequencies;
    for (const QStringList& fields : editor.rows())
        frequencies.append(fields.first());
    QCOMPARE(frequencies, left);
    QCOMPARE(editor.answerer.shown(), QStringList());
    if (recalled.isEmpty()) {
        QCOMPARE(editor.boxes(), boxesBefore);
        QCOMPARE(editor.dropDowns(), dropDownsBefore);
        QCOMPARE(editor.window.isWindowModified(), false);
    } else {
        QCOMPARE(editor.boxes(), (QStringList{recalled, QStringLiteral("0600-0700"), QStringLiteral("Radio ") + recalled}));
        QCOMPARE(editor.window.isWindowModified(), true);
    }
}

void TestEditing::recall_data()
{
    QTest::addColumn<QStringList>("fields");
    // the code members From, Lang, To, Mode after the delete
    QTest::addColumn<QStringList>("codes");

    QTest::newRow("known codes") << QStringList{"9650", "0600-0700", "x", "S", "BBC", "SWE", "EAf", "/AFG-x", "2"}
                                 << QStringList{"S", "SWE", "EAf", "2"};
    QTest::newRow("empty codes") << QStringList{"9650", "", "", "", "BBC", "", "", "", ""}
                                 << QStringList{"", "", "", ""};
    QTest::newRow("unknown codes") << QStringList{"9650", "24", "", "ZZZ", "BBC", "QQQ", "Nowhere", "k", "12"}
                                   << QStringList{"AFG", "AFG", "CAf", "1"};
    QTest::newRow("empty From, unknown Lang") << QStringList{"9650", "", "", "", "BBC", "QQQ", "Af", "", "0"}
                                              << QStringList{"", "AFG", "Af", "0"};
}

void TestEditing::recall()
{
    QFETCH(QStringList, fields);
    QFETCH(QStringList, codes);

    Editor editor({fields});
    Ui_MainWindow* ui = editor.window.ui;
    editor.pick(ui->cbFrom, QStringLiteral("AFG"));
    editor.pick(ui->cbLang, QStringLiteral("AFG"));
    editor.pick(ui->cbTo, QStringLiteral("CAf"));
    editor.pick(ui->cbMode, QStringLiteral("1"));
    editor.pick(ui->cbTx, QStringLiteral("k"));
    editor.pick(ui->cbFor, QStringLiteral("SWE"));
    editor.selectRow(0);

    ui->deleteitem->click();

    QCOMPARE(editor.table()->rowCount(), 0);
    QCOMPARE(editor.boxes(), (QStringList{fields.at(0), fields.at(1), fields.at(4)}));
    QCOMPARE((QStringList{editor.window.fromCode, editor.window.langCode, editor.window.toCode, editor.window.modeCode}),
             codes);
    QCOMPARE(ui->cbFrom->currentData().toString(), codes.at(0));
    QCOMPARE(ui->cbLang->currentData().toString(), codes.at(1));
    QCOMPARE(ui->cbTo->currentData().toString(), codes.at(2));
    QCOMPARE(ui->cbMode->currentData().toString(), codes.at(3));
    QCOMPARE(ui->cbTx->currentIndex(), 0);
    QCOMPARE(ui->cbFor->currentIndex(), 0);
    QCOMPARE(editor.window.txCode, QString());
    QCOMPARE(editor.window.forCode, QString());
}

void TestEditing::frequencyTyping_data()
{
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<QString>("keys");
    // the box after each key
    QTest::addColumn<QStringList>("texts");

    QTest::newRow("1a") << 3 << "1a" << QStringList{"1", ""};
    QTest::newRow("minus") << 3 << "-" << QStringList{""};
    QTest::newRow("minus then digit") << 3 << "-5" << QStringList{"", "5"};
    QTest::newRow("number, empty table") << 0 << "9650" << QStringList{"9", "96", "965", "9650"};
    QTest::newRow("1a, empty table") << 0 << "1a" << QStringList{"1", ""};
    QTest::newRow("minus, empty table") << 0 << "-" << QStringList{""};
}

void TestEditing::frequencyTyping()
{
    QFETCH(int, rowCount);
    QFETCH(QString, keys);
    QFETCH(QStringList, texts);

    Editor editor(risingRows(rowCount));
    QStringList seen;
    for (const QChar key : keys) {
        QTest::keyClick(editor.window.ui->leFreq, key.toLatin1());
        seen.append(editor.window.ui->leFreq->text());
    }
    QCOMPARE(seen, texts);
    QCOMPARE(editor.answerer.shown(), QStringList());
}

void TestEditing::frequencyScroll_data()
{
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<QString>("frequency");
    // -1: the current cell stays where it was
    QTest::addColumn<int>("target");

    QTest::newRow("100 rows, exact match") << 100 << "1100" << 14;
    QTest::newRow("100 rows, between") << 100 << "1105" << 13;
    QTest::newRow("100 rows, below all") << 100 << "500" << 0;
    QTest::newRow("100 rows, above all") << 100 << "5000" << -1;
    QTest::newRow("12 rows, exact match near the end") << 12 << "1100" << 11;
    QTest::newRow("12 rows, between near the end") << 12 << "1095" << 11;
    QTest::newRow("12 rows, last row") << 12 << "1110" << 11;
}

void TestEditing::frequencyScroll()
{
    QFETCH(int, rowCount);
    QFETCH(QString, frequency);
    QFETCH(int, target);

    Editor editor(risingRows(rowCount));
    editor.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor.window));
    QTableWidget* table = editor.table();
    table->setCurrentCell(5, 3);
    table->selectAll();
    table->scrollToTop();

    editor.window.ui->leFreq->setText(frequency);

    QCOMPARE(editor.window.ui->leFreq->text(), frequency);
    const int selected = table->selectionModel()->selectedIndexes().size();
    if (target < 0) {
        QCOMPARE(table->currentRow(), 5);
        QCOMPARE(table->currentColumn(), 3);
        QCOMPARE(selected, rowCount * 9);
    } else {
        QCOMPARE(table->currentRow(), target);
        QCOMPARE(table->currentColumn(), 0);
        QCOMPARE(selected, rowCount * 9 - 1);
        QCOMPARE(table->item(target, 0)->isSelected(), false);
        QVERIFY(table->viewport()->rect().contains(table->visualItemRect(table->item(target, 0))));
    }
}

void TestEditing::scheduleFromEmptyTable()
{
    Editor editor;
    Ui_MainWindow* ui = editor.window.ui;
    ui->clear->click();
    QTest::keyClicks(ui->leFreq, QStringLiteral("9650"));
    QTest::keyClicks(ui->leLabel, QStringLiteral("BBC"));
    QTest::keyClicks(ui->leTime, QStringLiteral("24"));
    ui->additem->click();
    QTest::keyClicks(ui->leFreq, QStringLiteral("6000"));
    QTest::keyClicks(ui->leLabel, QStringLiteral("RHC"));
    ui->additem->click();
    QCOMPARE(editor.table()->rowCount(), 2);

    // correct the first entry: take it out, change its label, add it again
    editor.selectRow(0);
    ui->deleteitem->click();
    QCOMPARE(editor.boxes(), (QStringList{"9650", "0000-2359", "BBC"}));
    ui->leLabel->setText(QStringLiteral("BBC WS"));
    ui->additem->click();

    QCOMPARE(editor.answerer.shown(), QStringList());
    const MainWindow& window = editor.window;
    const auto entry = [&window](const QString& frequency, const QString& time, const QString& label) {
        return QStringList{frequency, time, QString(), window.fromCode, label, window.langCode, window.toCode,
                           QString(), window.modeCode};
    };
    QCOMPARE(editor.rows(), (QList<QStringList>{entry(QStringLiteral("6000"), QString(), QStringLiteral("RHC")),
                                                entry(QStringLiteral("9650"), QStringLiteral("0000-2359"),
                                                      QStringLiteral("BBC WS"))}));
}

LEDRA_TEST_MAIN(TestEditing)
#include "tst_editing.moc"
