// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/testenv.h"
#include "tests/support/testwindow.h"
#include "ui_mainwindow.h"


#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

using ledraTest::fields;

namespace {

QString orvane()
{
    return ledraTest::documentsFolder() + "/orvane-swbc-sked.txt";
}

// The table's rows, each as its first columns texts joined by ";".
QStringList tableLines(ledraTest::TestWindow& t, int columns = 9)
{
    QStringList lines;
    for (const QStringList& row : t.rows(columns))
        lines.append(row.join(';'));
    return lines;
}

// Root reads a file of mode 0 unless it gives up its powers over file modes for a while.
bool fileModePowers(bool on)
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    syscall(SYS_capget, &header, data);
    const quint32 powers = 1u << CAP_DAC_OVERRIDE | 1u << CAP_DAC_READ_SEARCH;
    data[0].effective = on ? data[0].permitted : data[0].permitted & ~powers;
    return syscall(SYS_capset, &header, data) == 0;
}

} // namespace

class TestScheduleTable : public QObject
{
    Q_OBJECT
private slots:
    void sampleWhenMissing()
    {
        ledraTest::TestWindow t;
        QVERIFY(QFile::remove(orvane()));
        t.window.getdbfile(QString());
        const QString line = "-------------------------------\n";
        QCOMPARE(t.answerer.shown(),
                 QStringList{"Notice: Ledra\n" + line + "\"orvane-swbc-sked.txt\" file not found\n"
                             "where expected. Consequently, a small\n(4 entry) one has been created for you.\n"
                             "You may now add entries to this.\n" + line});
        const QByteArray seed = "1110;0000-2359;;USA;KFAB Omaha, NE;E;NAm;;;\n"
                                "1040;0000-2359;;USA;WHO Des Moines IA;E;NAm;;;\n"
                                "14230;0000-2359;;USA;20m Analog SSTV;E;NAm;;;\n"
                                "14233;0000-2359;;USA;20m Digital SSTV;E;NAm;;;\n";
        QCOMPARE(ledraTest::readFile(orvane()), seed);
        QCOMPARE(tableLines(t), QString(seed).replace(";\n", "\n").split('\n', Qt::SkipEmptyParts));
    }

    // the file's lines in place of the rows, nine cells each (the lines' own rules are in
    // tst_schedulerules); the file stays as it was
    void load()
    {
        const QByteArray bytes = "5;a\n6;;;;L;;;;M;extra;more\n";
        ledraTest::TestWindow t({fields("9;;;;old;;;;;")});
        ledraTest::writeFile(orvane(), bytes);
        t.window.getdbfile(QString());
        QCOMPARE(tableLines(t), (QStringList{"5;a;;;;;;;", "6;;;;L;;;;M"}));
        QCOMPARE(t.answerer.shown(), QStringList());
        QCOMPARE(ledraTest::readFile(orvane()), bytes);
    }

    void unreadableFileKept()
    {
        ledraTest::TestWindow t({fields("9;;;;old;;;;;")});
        ledraTest::writeFile(orvane(), "1;;;;A;;;;;\n");
        QVERIFY(QFile::setPermissions(orvane(), {}));
        if (!fileModePowers(false))
            QSKIP("cannot give up the powers over file modes");
        t.window.getdbfile(QString());
        QVERIFY(fileModePowers(true));
        QCOMPARE(t.answerer.shown(), QStringList{"error: Permission denied"});
        QCOMPARE(tableLines(t, 1), QStringList{"9"});
        QCOMPARE(ledraTest::readFile(orvane()), QByteArray("1;;;;A;;;;;\n"));
    }

    void sortButton()
    {
        ledraTest::TestWindow t({fields("14233"), fields("1110;a"), fields("10000"), fields("-5"), fields("abc"),
                                 fields("9999"), fields("7.5"), fields(""), fields("01110;b"), fields("1040"),
                                 fields("14230")});
        t.window.ui->sortnow->click();
        QCOMPARE(tableLines(t, 2), (QStringList{"-5;", "abc;", "7.5;", ";", "1040;", "1110;a", "01110;b",
                                                "9999;", "10000;", "14230;", "14233;"}));
        QCOMPARE(t.window.ui->thetable->findItems("", Qt::MatchContains).size(), 11 * 9); // short rows filled

        // enough rows of two frequencies that an unstable sort would mix them
        QList<QStringList> rows;
        for (int row = 0; row < 64; ++row)
            rows.append({row < 32 ? "1110" : "1040", QString::number(row)});
        const QList<QStringList> sorted = rows.mid(32) + rows.mid(0, 32);
        t.setRows(rows);
        t.window.ui->sortnow->click();
        QCOMPARE(t.rows(2), sorted);
        t.window.ui->sortnow->click();
        QCOMPARE(t.rows(2), sorted);
    }
};

LEDRA_TEST_MAIN(TestScheduleTable)
#include "tst_scheduletable.moc"
