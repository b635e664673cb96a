#include "scheduleformat.h"
#include "tableitem.h"
#include "testenv.h"

#include <QTableWidget>

class TestScheduleFormat : public QObject
{
    Q_OBJECT
private slots:
    void lineParts_data();
    void lineParts();
    void lineFromFields_data();
    void lineFromFields();
    void fileLines_data();
    void fileLines();
    void decoding_data();
    void decoding();
    void firstLineDialect_data();
    void firstLineDialect();
    void frequencyOrder_data();
    void frequencyOrder();
    void savedFileBytes();
    void cellOrdering();
};

void TestScheduleFormat::lineParts_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("parts");
    QTest::newRow("orvane") << "1110;0000-2359;;USA;KFAB Omaha, NE;E;NAm;;;"
                            << QStringList{"1110", "0000-2359", "", "USA", "KFAB Omaha, NE", "E", "NAm", "", "", ""};
    QTest::newRow("pelkin") << "1110;0000-2359;;USA;KFAB Omaha, NE;E;NAm;;"
                            << QStringList{"1110", "0000-2359", "", "USA", "KFAB Omaha, NE", "E", "NAm", "", ""};
    QTest::newRow("label with ;") << "1;;;;A;B;;;;;"
                                  << QStringList{"1", "", "", "", "A", "B", "", "", "", "", ""};
    QTest::newRow("untrimmed") << " 1 ; x " << QStringList{" 1 ", " x "};
    QTest::newRow("empty") << "" << QStringList{""};
}

void TestScheduleFormat::lineParts()
{
    QFETCH(QString, line);
    QFETCH(QStringList, parts);
    QCOMPARE(splitScheduleLine(line), parts);
}

void TestScheduleFormat::lineFromFields_data()
{
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("line");
    QTest::newRow("orvane") << 9 << "1110;0000-2359;;USA;KFAB Omaha, NE;E;NAm;;3;\n";
    QTest::newRow("pelkin") << 8 << "1110;0000-2359;;USA;KFAB Omaha, NE;E;NAm;;\n";
}

void TestScheduleFormat::lineFromFields()
{
    QFETCH(int, columns);
    QFETCH(QString, line);
    const QStringList fields{"1110", "0000-2359", "", "USA", "KFAB Omaha, NE", "E", "NAm", "", "3"};
    QCOMPARE(scheduleLine(fields, columns), line);
}

void TestScheduleFormat::fileLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty file") << "" << QStringList{};
    QTest::newRow("one LF") << "\n" << QStringList{""};
    QTest::newRow("LF") << "a;\nb;\n" << QStringList{"a;", "b;"};
    QTest::newRow("CR LF") << "a;\r\nb;\r\n" << QStringList{"a;", "b;"};
    QTest::newRow("lone CR") << "a;\rb;\r\n" << QStringList{"a;\rb;"};
    QTest::newRow("CR at the end") << "a;\r" << QStringList{"a;\r"};
    QTest::newRow("no final LF") << "a;\nb;" << QStringList{"a;", "b;"};
    QTest::newRow("blank lines") << "a;\n\n\r\nb;\n\n" << QStringList{"a;", "", "", "b;", ""};
}

void TestScheduleFormat::fileLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(scheduleLines(text), lines);
}

void TestScheduleFormat::decoding_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << QByteArray("1110;KFAB;") << "1110;KFAB;";
    QTest::newRow("utf-8") << QByteArray("R\xC3\xA1" "dio Bras\xC3\xADlia") << QString::fromUtf8("Rádio Brasília");
    QTest::newRow("utf-8 byte-order mark") << QByteArray("\xEF\xBB\xBF" "1;") << "1;";
    QTest::newRow("latin-1") << QByteArray("R\xE1" "dio Bras\xED" "lia") << QString::fromUtf8("Rádio Brasília");
    QTest::newRow("windows-1252") << QByteArray("\x93" "Voz\x94 \x80 \x9C \x81")
                                  << QString::fromUtf8("“Voz” € œ \u0081");
    QTest::newRow("utf-8 and a stray byte") << QByteArray("\xC3\xA1 \xE1")
                                            << QString::fromUtf8("Ã¡ á");
}

void TestScheduleFormat::decoding()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(decodeScheduleText(bytes), text);
}

void TestScheduleFormat::firstLineDialect_data()
{
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<bool>("orvane");
    const QByteArray longField(firstLineLimit - 9, 'x');
    QTest::newRow("orvane") << QByteArray("1110;0000-2359;;USA;KFAB;E;NAm;;;\n1;\n") << true;
    QTest::newRow("orvane, CR LF") << QByteArray("1110;;;;KFAB;;;;;\r\n") << true;
    QTest::newRow("orvane, no LF") << QByteArray("1110;;;;KFAB;;;;;") << true;
    QTest::newRow("pelkin") << QByteArray("1110;0000-2359;;USA;KFAB;E;NAm;;\n") << false;
    QTest::newRow("ten fields") << QByteArray("1;;;;;;;;;;\n") << false;
    QTest::newRow("later lines do not count") << QByteArray("1;;\n1;;;;;;;;;\n") << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("first line at the limit") << QByteArray(longField + ";;;;;;;;;\r\n") << true;
    QTest::newRow("first line over the limit") << QByteArray(longField + "x;;;;;;;;;\n") << false;
    QTest::newRow("no line end over the limit") << QByteArray(longField + "x;;;;;;;;;") << false;
}

void TestScheduleFormat::firstLineDialect()
{
    QFETCH(QByteArray, start);
    QFETCH(bool, orvane);
    QCOMPARE(isOrvaneFirstLine(start), orvane);
}

void TestScheduleFormat::frequencyOrder_data()
{
    QTest::addColumn<QStringList>("frequencies");
    QTest::addColumn<QStringList>("sorted");
    QTest::newRow("seed") << QStringList{"1110", "1040", "14230", "14233"}
                          << QStringList{"1040", "1110", "14230", "14233"};
    QTest::newRow("numeric, not text") << QStringList{"10000", "9999"} << QStringList{"9999", "10000"};
    QTest::newRow("key 0 first, negative before") << QStringList{"1", "", "abc", "7.5", "-5", "3000000000"}
                                                  << QStringList{"-5", "", "abc", "7.5", "3000000000", "1"};
    QTest::newRow("equal keys keep their order") << QStringList{"1110", "01110", "1040", "+1110"}
                                                 << QStringList{"1040", "1110", "01110", "+1110"};
}

void TestScheduleFormat::frequencyOrder()
{
    QFETCH(QStringList, frequencies);
    QFETCH(QStringList, sorted);
    QList<QStringList> rows;
    for (int index = 0; index < frequencies.size(); ++index)
        rows.append({frequencies.at(index), QString::number(index)});
    sortRows(rows);
    QStringList order;
    for (const QStringList& row : rows)
        order.append(row.at(0));
    QCOMPARE(order, sorted);

    const QList<QStringList> once = rows;
    sortRows(rows);
    QCOMPARE(rows, once);
}

void TestScheduleFormat::savedFileBytes()
{
    const QList<QStringList> rows{
        {"0", "a"}, {"-5", "b"}, {"", "c"}, {"11a0", "d"}, {"7.5", "e"},
        {"1110", QString::fromUtf8("Rádio"), "x"}, {"01040", "f"},
    };
    QCOMPARE(scheduleFileBytes(rows, 3), QByteArray("1110;R\xC3\xA1" "dio;x;\n01040;f;;\n"));
    QCOMPARE(scheduleFileBytes({}, 9), QByteArray());
}

void TestScheduleFormat::cellOrdering()
{
    QTableWidget table(2, 2);
    const QStringList texts{"9999", "10000"};
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column)
            table.setItem(row, column, new TableItem(texts.at(row)));
    }
    const QTableWidgetItem& lowFrequency = *table.item(0, 0);
    const QTableWidgetItem& highFrequency = *table.item(1, 0);
    // numbers in the frequency column, text elsewhere and outside a table
    QCOMPARE(lowFrequency < highFrequency, true);
    QCOMPARE(highFrequency < lowFrequency, false);
    QCOMPARE(*table.item(0, 1) < *table.item(1, 1), false);
    QCOMPARE(*table.item(1, 1) < *table.item(0, 1), true);
    QCOMPARE(TableItem("9999") < TableItem("10000"), false);
    QCOMPARE(lowFrequency.type(), 0);
    QVERIFY(lowFrequency.flags().testFlag(Qt::ItemIsEditable));
}

LEDRA_TEST_MAIN(TestScheduleFormat)
#include "tst_scheduleformat.moc"
