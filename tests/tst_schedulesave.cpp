// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/datagramcollector.h"
#include "tests/support/testenv.h"
#include "tests/support/testwindow.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QNetworkDatagram>
#include <QScopeGuard>
#include <QUdpSocket>

#include <sys/mount.h>

using ledraTest::fields;

namespace {

QString documentsFile(const QString& name)
{
    return ledraTest::documentsFolder() + "/" + name;
}

// The two schedule files and their backups.
const QStringList fileNames{"orvane-swbc-sked.txt", "orvane-swbc-sked.bak", "extra-swbc-sked.txt", "extra-swbc-sked.bak"};

QList<QByteArray> scheduleFiles()
{
    QList<QByteArray> files;
    for (const QString& name : fileNames)
        files.append(ledraTest::readFile(documentsFile(name)));
    return files;
}

QString cantSave(const QString& file, QString reason)
{
    const QString path = documentsFile(file + "-swbc-sked.txt");
    return "error: Can't save \"" + path + "\": " + reason.replace("%1", path);
}

// Rows 1 and 3 have no Mode, row 1 a frequency that is not saved.
const QList<QStringList> saveRows{fields("14230;0000-2359;;USA;SSTV;E;NAm;;3;"), fields("7.5;;;;Z;;;;;"),
                                  fields("1110;0000-2359;;USA;KFAB;E;NAm;;;"), fields("1040;;;;WHO;;;;5;")};

// the reports of a pass
const QString created = "Notice: Backup not found\nOld Backup not deleted\nBackup (new) created\n"
                        "Original Backed Up\nNew DB file saved";
const QString nothingFound = "Notice: Backup not found\nOld Backup not deleted\nOriginal not backed up\n"
                             "New DB file saved";
const QString later = "Notice: Backup found\nOld backup deleted\nOriginal Backed Up\nNew DB file saved";
const QString backupOnly = "Notice: Backup found\nOld Backup not deleted\nOriginal not backed up\n"
                           "New DB file saved";
const QString leftOut = "Notice: 1 row was not saved: the frequency is not a whole number above 0.\n"
                        "They stay in the table.";

// the four files before a failed save, and a table too big for a full folder
const QList<QByteArray> oldFiles{"1;;;;A;;;;;\n", "2;;;;B;;;;;\n", "3;;;;C;;;;\n", "4;;;;D;;;;\n"};
const int bigRows = 2000;
const QString bigLine = "14230;0000-2359;;USA;" + QString(40, 'x');
const QByteArray bigOrvane = (bigLine + ";;;;;\n").toUtf8().repeated(bigRows);
const QByteArray bigPelkin = (bigLine + ";;;;\n").toUtf8().repeated(bigRows);

} // namespace

class TestScheduleSave : public QObject
{
    Q_OBJECT
    QUdpSocket pings;
    bool pingBeforeBox = false;

    // clicks Save; the number of pings that went out
    int save(ledraTest::TestWindow& t)
    {
        t.window.ui->savedata->click();
        int count = 0;
        while (pings.hasPendingDatagrams())
            count += pings.receiveDatagram().data() == QByteArray("pingpelkin:0", 13);
        return count;
    }
    // the ping of a save goes out after its last box
    bool eventFilter(QObject* object, QEvent* event) override
    {
        pingBeforeBox |= event->type() == QEvent::Show && object->inherits("QMessageBox")
                         && pings.hasPendingDatagrams();
        return false;
    }

private slots:
    void initTestCase()
    {
        if (!DatagramCollector::insidePrivateNetwork())
            QSKIP("sends broadcast datagrams: run inside the test command's private network");
        QVERIFY(pings.bind(QHostAddress::AnyIPv4, 58084, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint));
        qApp->installEventFilter(this);
    }

    void threeSaves_data()
    {
        QTest::addColumn<bool>("confirmAndSort");
        QTest::addColumn<QList<QStringList>>("table"); // after the saves
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("confirm, sort on save")
            << true << QList<QStringList>{saveRows[1], saveRows[2], saveRows[0]}
            << QStringList{created, nothingFound, leftOut, later, created, leftOut, backupOnly, later, leftOut};
        QTest::newRow("neither") << false << saveRows.mid(0, 3) << QStringList{leftOut, leftOut, leftOut};
    }
    void threeSaves()
    {
        QFETCH(bool, confirmAndSort);
        QFETCH(QList<QStringList>, table);
        QFETCH(QStringList, boxes);
        ledraTest::TestWindow t(saveRows);
        if (confirmAndSort) {
            t.window.ui->confirm->click();
            t.window.ui->checkBox->click();
        }
        pingBeforeBox = false;
        t.window.setWindowModified(true);
        QCOMPARE(save(t), 1);
        const QByteArray orvane = "1040;;;;WHO;;;;5;\n1110;0000-2359;;USA;KFAB;E;NAm;;;\n"
                                  "14230;0000-2359;;USA;SSTV;E;NAm;;3;\n";
        const QByteArray pelkin = "1040;;;;WHO;;;;\n1110;0000-2359;;USA;KFAB;E;NAm;;\n"
                                  "14230;0000-2359;;USA;SSTV;E;NAm;;\n";
        QCOMPARE(scheduleFiles(), (QList<QByteArray>{orvane, "", pelkin, ""}));
        QVERIFY(!t.window.isWindowModified());

        t.window.ui->thetable->removeRow(t.rows(1).indexOf({"1040"}));
        QCOMPARE(save(t), 1);
        const QByteArray orvaneAfter = orvane.mid(orvane.indexOf('\n') + 1);
        const QByteArray pelkinAfter = pelkin.mid(pelkin.indexOf('\n') + 1);
        QCOMPARE(scheduleFiles(), (QList<QByteArray>{orvaneAfter, orvane, pelkinAfter, pelkin}));

        QVERIFY(QFile::remove(documentsFile("orvane-swbc-sked.txt")));
        QCOMPARE(save(t), 1);
        QCOMPARE(scheduleFiles(), (QList<QByteArray>{orvaneAfter, orvane, pelkinAfter, pelkinAfter}));
        QCOMPARE(t.answerer.shown(), boxes);
        QVERIFY(!pingBeforeBox);
        QCOMPARE(t.rows(), table);
    }

    void failedSave_data()
    {
        QTest::addColumn<QString>("fault"); // a mount option, or the file replaced by a folder
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<QList<QByteArray>>("after"); // the four files; a folder reads as empty
        const QString renameFailed = "Notice: Rename older file to .bak failed";
        const QString kept = "Notice: Backup found\nOld Backup not deleted\nOriginal not backed up\nDB file NOT saved";
        const QString full = "No space left on device";
        QTest::newRow("read-only Documents")
            << "ro" << QStringList{renameFailed, cantSave("orvane", "Existing file %1 is not writable"), kept,
                                   renameFailed, cantSave("extra", "Existing file %1 is not writable"), kept}
            << oldFiles;
        // without Confirm: only the errors
        QTest::newRow("disk full") << "" << QStringList{cantSave("orvane", full), cantSave("extra", full)}
                                   << QList<QByteArray>{oldFiles[0], oldFiles[0], oldFiles[2], oldFiles[2]};
        QTest::newRow("schedule file a folder")
            << "orvane-swbc-sked.txt"
            << QStringList{renameFailed, cantSave("orvane", "Filename refers to a directory"), kept, later}
            << QList<QByteArray>{"", oldFiles[1], bigPelkin, oldFiles[2]};
        QTest::newRow("backup a folder")
            << "extra-swbc-sked.bak"
            << QStringList{later, renameFailed,
                           "Notice: Backup not found\nOld Backup not deleted\nOriginal not backed up\nNew DB file saved"}
            << QList<QByteArray>{bigOrvane, oldFiles[0], bigPelkin, ""};
    }
    void failedSave()
    {
        QFETCH(QString, fault);
        QFETCH(QStringList, boxes);
        QFETCH(QList<QByteArray>, after);
        // far more rows than a full folder has room for
        ledraTest::TestWindow t(QList<QStringList>(bigRows, fields(bigLine)));
        if (!fault.isEmpty())
            t.window.ui->confirm->click();
        const QByteArray folder = ledraTest::documentsFolder().toLocal8Bit();
        const bool mounted = !fault.contains('.');
        if (mounted && (qEnvironmentVariableIsSet("LEDRA_TEST_WITHOUT_NAMESPACES")
                        || mount("tmpfs", folder, "tmpfs", 0, "size=64k") != 0))
            QSKIP("needs the test command's private mount namespace");
        const auto unmount = qScopeGuard([&] { mounted && umount(folder); });
        for (int file = 0; file < fileNames.size(); ++file) {
            QFile::remove(documentsFile(fileNames[file]));
            if (fileNames[file] == fault)
                QVERIFY(QDir().mkpath(documentsFile(fault) + "/inside"));
            else
                ledraTest::writeFile(documentsFile(fileNames[file]), oldFiles[file]);
        }
        if (fault == "ro")
            QCOMPARE(mount(nullptr, folder, nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
        t.window.setWindowModified(true);
        QCOMPARE(save(t), 1);
        QCOMPARE(t.answerer.shown(), boxes);
        QCOMPARE(scheduleFiles(), after);
        // only where both files were written is the table saved
        QCOMPARE(t.window.isWindowModified(), after[0] != bigOrvane || after[2] != bigPelkin);
        QCOMPARE(t.rows().size(), bigRows);
    }

    void latin1LettersKept()
    {
        ledraTest::TestWindow t;
        ledraTest::writeFile(documentsFile("orvane-swbc-sked.txt"),
                             "9580;;;;\x93Voz\x94 \x80;;;;;\r\n1110;;;;R\xE1" "dio;;;;;\r\n");
        t.window.getdbfile(QString());
        save(t);
        QCOMPARE(scheduleFiles().first(),
                 QByteArray("1110;;;;R\xC3\xA1" "dio;;;;;\n9580;;;;\xE2\x80\x9CVoz\xE2\x80\x9D \xE2\x82\xAC;;;;;\n"));
    }

    void closePrompt_data()
    {
        QTest::addColumn<int>("answer");  // none: nothing to save, so no question
        QTest::addColumn<bool>("closed");
        QTest::newRow("save") << int(QMessageBox::Save) << true;
        QTest::newRow("discard") << int(QMessageBox::Discard) << true;
        QTest::newRow("cancel") << int(QMessageBox::Cancel) << false;
        QTest::newRow("nothing to save") << int(QMessageBox::NoButton) << true;
    }
    void closePrompt()
    {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        ledraTest::TestWindow t({fields("1110;;;;A;;;;;")});
        t.window.show();
        t.window.setWindowModified(answer != QMessageBox::NoButton);
        t.answerer.pressNext(QMessageBox::StandardButton(answer));
        QCOMPARE(t.window.close(), closed);
        const QString question = "Notice: The schedule has changes that are not saved.\nSave them before closing?";
        QCOMPARE(t.answerer.shown(), answer ? QStringList{question} : QStringList());
        QCOMPARE(t.answerer.boxes.value(0).parent, answer ? static_cast<QWidget*>(&t.window) : nullptr);
        QCOMPARE(scheduleFiles().first(), QByteArray(answer == QMessageBox::Save ? "1110;;;;A;;;;;\n" : ""));
    }
};

LEDRA_TEST_MAIN(TestScheduleSave)
#include "tst_schedulesave.moc"
