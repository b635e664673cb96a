// SPDX-License-Identifier: GPL-3.0-or-later
// The schedule's rules without a window: frequency readings, row order, reading lines and whole
// files, and writing whole files (the lines written are checked through Save, in tst_schedulesave).
#include "schedule/core/frequencyreadings.h"
#include "schedule/core/roworder.h"
#include "schedule/core/scheduleformat.h"
#include "schedule/core/wholefile.h"
#include "tests/support/testenv.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

// a file's lines, each as its fields joined by "|"
QStringList splitLines(const QByteArray& bytes)
{
    const QString text = decodeScheduleText(bytes);
    QStringList lines;
    for (QStringView line : scheduleLines(text)) {
        ScheduleFields fields;
        const int count = splitScheduleLine(line, fields);
        QStringList parts;
        for (int index = 0; index < count; ++index)
            parts.append(fields[index].toString());
        lines.append(parts.join('|'));
    }
    return lines;
}

} // namespace

class TestScheduleRules : public QObject
{
    Q_OBJECT
private slots:
    // each rule in its column: whole kHz (Add, the frequency box, the table), order key (Sort,
    // Save), saved (Save), Hz (the receiver)
    void frequencyReadings_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("whole");
        QTest::addColumn<qint64>("order");
        QTest::addColumn<bool>("saved");
        QTest::addColumn<double>("hz");
        QTest::newRow("whole") << "9420" << 9420LL << 9420LL << true << 9420000.0;
        QTest::newRow("empty") << "" << noFrequency << 0LL << false << 0.0;
        QTest::newRow("decimal") << "7.5" << noFrequency << 0LL << false << 7500.0;
        QTest::newRow("blanks around") << " 9420 " << 9420LL << 9420LL << true << 9420000.0;
        QTest::newRow("zero") << "0" << 0LL << 0LL << false << 0.0;
        QTest::newRow("negative") << "-5" << -5LL << -5LL << false << 0.0;
        QTest::newRow("past int") << "2147483648" << noFrequency << 0LL << false << 2147483648000.0;
        QTest::newRow("unit") << "9420kHz" << noFrequency << 0LL << false << 0.0;
        QTest::newRow("not a number") << "nan" << noFrequency << 0LL << false << 0.0;
    }
    void frequencyReadings()
    {
        QFETCH(QString, text);
        QTEST(wholeKhz(text), "whole");
        QTEST(orderKey(wholeKhz(text)), "order");
        QTEST(isSavedFrequency(wholeKhz(text)), "saved");
        QTEST(tuningHz(text), "hz");
    }

    void rowOrder()
    {
        const QList<qint64> frequencies{14233, 1110, noFrequency, -5, 1110, 0, 1040, noFrequency};
        QCOMPARE(frequencyOrder(frequencies), (QList<int>{3, 2, 5, 7, 6, 1, 4, 0}));
        QCOMPARE(frequencyOrder({}), QList<int>());
    }

    void fileLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty file") << QByteArray("") << QStringList();
        QTest::newRow("CR LF") << QByteArray("1110;0000-2359;;USA;KFAB;E;NAm;;3;\r\n1040;;;;WHO;;;;;\r\n")
                               << QStringList{"1110|0000-2359||USA|KFAB|E|NAm||3", "1040||||WHO||||"};
        QTest::newRow("lone CR ends nothing") << QByteArray("1;A\r2;B\n") << QStringList{"1|A\r2|B"};
        QTest::newRow("short, long and blank lines, no last LF")
            << QByteArray("5;a\n\n6;;;;L;;;;M;extra;more\n\r\n7;;;;X;;;;3;")
            << QStringList{"5|a", "", "6||||L||||M", "", "7||||X||||3"};
        QTest::newRow("utf-8") << QByteArray("1;R\xC3\xA1" "dio;\n") << QStringList{"1|Rádio|"};
        QTest::newRow("windows-1252") << QByteArray("1;R\xE1" "dio \x80;\n") << QStringList{"1|Rádio €|"};
        QTest::newRow("invalid utf-8 anywhere") << QByteArray("1;\xC3\xA1;\n2;\xE1;\n") << QStringList{"1|Ã¡|", "2|á|"};
    }
    void fileLines()
    {
        QFETCH(QByteArray, bytes);
        QTEST(splitLines(bytes), "lines");
    }

    // what Load reads of a picked file or the start-up file; a refused file gives the box's text
    void readFile_data()
    {
        QTest::addColumn<QString>("name"); // in a fresh folder; ending in "/": a folder
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("picked");
        QTest::addColumn<QString>("outcome"); // the text read, or "error: " and the box's text
        const QString pelkin = "error: Can't load Pelkin format file";
        const QByteArray longest = "1;;;;" + QByteArray(firstLineLimit - 10, 'x') + ";;;;;";
        QTest::newRow("64 KiB first line") << "p.txt" << longest + "\r\n2;" << true << QString(longest + "\r\n2;");
        QTest::newRow("longer first line") << "p.txt" << longest + "x\n2;;;;B;;;;;\n" << true << pelkin;
        QTest::newRow("pelkin") << "p.txt" << QByteArray("1110;;;;KFAB;E;NAm;;\n") << true << pelkin;
        QTest::newRow("pelkin at start-up") << "p.txt" << QByteArray("1110;;;;KFAB;E;NAm;;\n") << false
                                            << "1110;;;;KFAB;E;NAm;;\n";
        QTest::newRow("empty picked file") << "p.txt" << QByteArray("") << true << pelkin;
        QTest::newRow("missing") << "p.txt" << QByteArray() << true << "error: No such file or directory";
        QTest::newRow("binary after a good line") << "p.txt" << QByteArray("9580;;;;A;;;;;\n\0\x01;\x7f\n", 20) << true
                                                  << QString::fromLatin1("9580;;;;A;;;;;\n\0\x01;\x7f\n", 20);
        QTest::newRow("folder") << "p/" << QByteArray() << false << "error: \"%1\" is not a regular file";
    }
    void readFile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, picked);
        QFETCH(QString, outcome);
        QTemporaryDir folder;
        const QString path = folder.filePath(name);
        if (name.endsWith('/'))
            QVERIFY(QDir().mkpath(path));
        else if (!bytes.isNull())
            ledraTest::writeFile(path, bytes);
        const ScheduleRead read = readScheduleFile(path, picked);
        QCOMPARE(read.problem.isEmpty() ? read.text : "error: " + read.problem, outcome.replace("%1", path));
    }

    void wholeFileWriting()
    {
        using ledraTest::readFile;
        QTemporaryDir folder;
        const QString path = folder.filePath("orvane-swbc-sked.txt");
        const QByteArray bytes = "1110;0000-2359;;USA;KFAB;E;NAm;;;\n";
        QCOMPARE(writeWholeFile(path, bytes), QString());
        QCOMPARE(writeWholeFile(path, "1;\n"), QString());
        QCOMPARE(readFile(path), QByteArray("1;\n"));
        QCOMPARE(copyWholeFile(path, folder.filePath("copy.bak")), QString());
        QCOMPARE(readFile(folder.filePath("copy.bak")), QByteArray("1;\n"));

        // failures give the system's reason and leave what was there
        QVERIFY(QDir().mkpath(folder.filePath("taken")));
        QVERIFY(!writeWholeFile(folder.filePath("taken"), bytes).isEmpty());
        QVERIFY(QFileInfo(folder.filePath("taken")).isDir());
        QCOMPARE(writeWholeFile(folder.filePath("missing/file.txt"), bytes), "No such file or directory");
        QCOMPARE(copyWholeFile(folder.filePath("gone.txt"), path), "No such file or directory");
        QCOMPARE(readFile(path), QByteArray("1;\n"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), (QStringList{"copy.bak", "orvane-swbc-sked.txt"}));
    }
};

QTEST_APPLESS_MAIN(TestScheduleRules)
#include "tst_schedulerules.moc"
