#include "datagramcollector.h"
#include "mainwindow.h"
#include "modalanswerer.h"
#include "testenv.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QProcess>
#include <QTableWidget>

namespace {

QString documentsFile(const QString& name)
{
    return ledraTest::documentsFolder() + QLatin1Char('/') + name;
}

const QString orvaneName = QStringLiteral("orvane-swbc-sked.txt");
const QString orvaneBackup = QStringLiteral("orvane-swbc-sked.bak");
const QString pelkinName = QStringLiteral("extra-swbc-sked.txt");
const QString pelkinBackup = QStringLiteral("extra-swbc-sked.bak");

const QByteArray seedBytes = "1110;0000-2359;;USA;KFAB Omaha, NE;E;NAm;;;\n"
                             "1040;0000-2359;;USA;WHO Des Moines IA;E;NAm;;;\n"
                             "14230;0000-2359;;USA;20m Analog SSTV;E;NAm;;;\n"
                             "14233;0000-2359;;USA;20m Digital SSTV;E;NAm;;;\n";
const QByteArray sortedOrvane = "1040;0000-2359;;USA;WHO Des Moines IA;E;NAm;;;\n"
                                "1110;0000-2359;;USA;KFAB Omaha, NE;E;NAm;;;\n"
                                "14230;0000-2359;;USA;20m Analog SSTV;E;NAm;;;\n"
                                "14233;0000-2359;;USA;20m Digital SSTV;E;NAm;;;\n";
const QByteArray sortedPelkin = "1040;0000-2359;;USA;WHO Des Moines IA;E;NAm;;\n"
                                "1110;0000-2359;;USA;KFAB Omaha, NE;E;NAm;;\n"
                                "14230;0000-2359;;USA;20m Analog SSTV;E;NAm;;\n"
                                "14233;0000-2359;;USA;20m Digital SSTV;E;NAm;;\n";

const QString backupCreatedReport = QStringLiteral(
    "Notice: Backup not found\nOld Backup not deleted\nBackup (new) created\nOriginal Backed Up\nNew DB file saved");
const QString nothingFoundReport = QStringLiteral(
    "Notice: Backup not found\nOld Backup not deleted\nOriginal not backed up\nNew DB file saved");
const QString laterReport = QStringLiteral(
    "Notice: Backup found\nOld backup deleted\nOriginal Backed Up\nNew DB file saved");
const QByteArray ping("pingpelkin:0\0", 13);

// The frequency column, top to bottom.
QStringList frequencies(const MainWindow& window)
{
    QStringList texts;
    for (int row = 0; row < window.ui->thetable->rowCount(); ++row)
        texts.append(window.ui->thetable->item(row, 0)->text());
    return texts;
}

bool run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit
           && process.exitCode() == 0;
}

// A small file system over the Documents folder while this lives.
class DocumentsMount
{
public:
    explicit DocumentsMount(const QString& options)
        : mounted(run("mount", {"-t", "tmpfs", "-o", options, "tmpfs", ledraTest::documentsFolder()}))
    {
    }
    ~DocumentsMount()
    {
        if (mounted)
            run("umount", {ledraTest::documentsFolder()});
    }
    bool makeReadOnly() { return run("mount", {"-o", "remount,ro", ledraTest::documentsFolder()}); }
    const bool mounted;
};

QStringList documentsEntries()
{
    return QDir(ledraTest::documentsFolder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class TestScheduleSave : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void firstAndLaterSave_data();
    void firstAndLaterSave();
    void pingFollowsLastReport();
    void sortOnSave_data();
    void sortOnSave();
    void rowsLeftOut_data();
    void rowsLeftOut();
    void deletedRowsLeaveNoTrace();
    void backupWithoutFileIsKept();
    void windows1252LettersSurvive();
    void readOnlyDocuments();
    void diskFullKeepsPreviousFile();
    void closeWithUnsavedRows_data();
    void closeWithUnsavedRows();
};

void TestScheduleSave::init()
{
    LEDRA_REQUIRE_PRIVATE_NETWORK();
    ledraTest::resetHome();
}

void TestScheduleSave::firstAndLaterSave_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::newRow("no reports") << false;
    QTest::newRow("confirm") << true;
}

void TestScheduleSave::firstAndLaterSave()
{
    QFETCH(bool, confirm);
    ledraTest::writeFile(documentsFile(orvaneName), seedBytes);
    DatagramCollector collector(58084);
    ModalAnswerer answerer;
    MainWindow window;
    if (confirm)
        window.ui->confirm->click();
    window.setWindowModified(true);

    window.ui->savedata->click();
    QCOMPARE(answerer.shown(), (confirm ? QStringList{backupCreatedReport, nothingFoundReport} : QStringList()));
    QCOMPARE(ledraTest::readFile(documentsFile(orvaneName)), sortedOrvane);
    QCOMPARE(ledraTest::readFile(documentsFile(pelkinName)), sortedPelkin);
    QCOMPARE(ledraTest::readFile(documentsFile(orvaneBackup)), seedBytes);
    QCOMPARE(documentsEntries(), (QStringList{pelkinName, orvaneBackup, orvaneName}));
    QVERIFY(!window.isWindowModified());
    QCOMPARE(collector.waitFor(1).size(), 1);

    answerer.boxes.clear();
    window.ui->thetable->removeRow(3);
    window.ui->savedata->click();
    QCOMPARE(answerer.shown(), (confirm ? QStringList{laterReport, backupCreatedReport} : QStringList()));
    QCOMPARE(ledraTest::readFile(documentsFile(orvaneBackup)), sortedOrvane);
    QCOMPARE(ledraTest::readFile(documentsFile(pelkinBackup)), sortedPelkin);
    QCOMPARE(ledraTest::readFile(documentsFile(orvaneName)), sortedOrvane.left(sortedOrvane.lastIndexOf("14233")));
    QCOMPARE(ledraTest::readFile(documentsFile(pelkinName)), sortedPelkin.left(sortedPelkin.lastIndexOf("14233")));
    QCOMPARE(documentsEntries(), (QStringList{pelkinBackup, pelkinName, orvaneBackup, orvaneName}));
    QCOMPARE(collector.settle().size(), 2);
    QCOMPARE(collector.bytes(), (QList<QByteArray>{ping, ping}));
}

void TestScheduleSave::pingFollowsLastReport()
{
    ledraTest::writeFile(documentsFile(orvaneName), seedBytes);
    DatagramCollector collector(58084);
    MainWindow window;
    window.ui->confirm->click();

    // how many datagrams had arrived when each box was up
    QStringList seen;
    QTimer probe;
    connect(&probe, &QTimer::timeout, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible() || box->property("probed").toBool())
            return;
        box->setProperty("probed", true);
        seen.append(box->text().section('\n', 0, 0) + ": " + QString::number(collector.settle().size()));
        box->button(QMessageBox::Ok)->click();
    });
    probe.start(5);
    window.ui->savedata->click();
    probe.stop();
    QCOMPARE(seen, (QStringList{"Backup not found: 0", "Backup not found: 0"}));
    QCOMPARE(collector.waitFor(1).size(), 1);
}

void TestScheduleSave::sortOnSave_data()
{
    QTest::addColumn<bool>("sortTable");
    QTest::addColumn<QStringList>("tableAfter");
    QTest::newRow("table keeps its order") << false << QStringList{"14230", "1110", "1040"};
    QTest::newRow("table sorted") << true << QStringList{"1040", "1110", "14230"};
}

void TestScheduleSave::sortOnSave()
{
    QFETCH(bool, sortTable);
    QFETCH(QStringList, tableAfter);
    ledraTest::writeFile(documentsFile(orvaneName), "14230;;;;A;;;;3;\n1110;;;;B;;;;;\n1040;;;;C;;;;5;\n");
    DatagramCollector collector(58084);
    ModalAnswerer answerer;
    MainWindow window;
    if (sortTable)
        window.ui->checkBox->click();
    window.ui->savedata->click();
    QCOMPARE(ledraTest::readFile(documentsFile(orvaneName)),
             QByteArray("1040;;;;C;;;;5;\n1110;;;;B;;;;;\n14230;;;;A;;;;3;\n"));
    QCOMPARE(ledraTest::readFile(documentsFile(pelkinName)),
             QByteArray("1040;;;;C;;;;\n1110;;;;B;;;;\n14230;;;;A;;;;\n"));
    QCOMPARE(frequencies(window), tableAfter);
    // every row keeps its own Mode and label
    for (int row = 0; row < 3; ++row) {
        const QString label = window.ui->thetable->item(row, 4)->text();
        const QString mode = window.ui->thetable->item(row, 8)->text();
        QCOMPARE(mode, label == "A" ? "3" : label == "C" ? "5" : "");
    }
    QCOMPARE(answerer.shown(), QStringList());
}

void TestScheduleSave::rowsLeftOut_data()
{
    QTest::addColumn<QByteArray>("rows");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QStringList>("boxes");
    const QString stay = QStringLiteral(" not saved: the frequency is not a whole number above 0.\n"
                                        "They stay in the table.");
    QTest::newRow("four")
        << QByteArray("1110;;;;A;;;;;\n0;;;;Z;;;;;\n-5;;;;N;;;;;\n\n11a0;;;;X;;;;;\n") << false
        << QStringList{"Notice: 4 rows were" + stay};
    QTest::newRow("one, with reports")
        << QByteArray("1110;;;;A;;;;;\n7.5;;;;Z;;;;;\n") << true
        << QStringList{backupCreatedReport, nothingFoundReport, "Notice: 1 row was" + stay};
    QTest::newRow("none") << QByteArray("1110;;;;A;;;;;\n") << false << QStringList();
}

void TestScheduleSave::rowsLeftOut()
{
    QFETCH(QByteArray, rows);
    QFETCH(bool, confirm);
    QFETCH(QStringList, boxes);
    ledraTest::writeFile(documentsFile(orvaneName), rows);
    DatagramCollector collector(58084);
    ModalAnswerer answerer;
    MainWindow window;
    if (confirm)
        window.ui->confirm->click();
    window.ui->savedata->click();
    QCOMPARE(answerer.shown(), boxes);
    QCOMPARE(ledraTest::readFile(documentsFile(orvaneName)), QByteArray("1110;;;;A;;;;;\n"));
    QCOMPARE(ledraTest::readFile(documentsFile(pelkinName)), QByteArray("1110;;;;A;;;;\n"));
    QCOMPARE(window.ui->thetable->rowCount(), rows.count('\n'));
    QCOMPARE(collector.waitFor(1).size(), 1);
}

void TestScheduleSave::deletedRowsLeaveNoTrace()
{
    ledraTest::writeFile(documentsFile(orvaneName), sortedOrvane);
    ledraTest::writeFile(documentsFile(pelkinName), sortedPelkin);
    DatagramCollector collector(58084);
    ModalAnswerer answerer;
    MainWindow window;
    window.ui->thetable->removeRow(0);
    window.ui->thetable->removeRow(0);
    window.ui->savedata->click();
    QCOMPARE(ledraTest::readFile(documentsFile(orvaneName)), sortedOrvane.mid(sortedOrvane.indexOf("14230")));
    QCOMPARE(ledraTest::readFile(documentsFile(pelkinName)), sortedPelkin.mid(sortedPelkin.indexOf("14230")));
    QCOMPARE(ledraTest::readFile(documentsFile(orvaneBackup)), sortedOrvane);
    QCOMPARE(ledraTest::readFile(documentsFile(pelkinBackup)), sortedPelkin);

    window.ui->thetable->setRowCount(0);
    window.ui->confirm->click();
    window.ui->savedata->click();
    QCOMPARE(answerer.shown(), (QStringList{laterReport, laterReport}));
    QCOMPARE(QFileInfo(documentsFile(orvaneName)).size(), 0);
    QCOMPARE(QFileInfo(documentsFile(pelkinName)).size(), 0);
}

void TestScheduleSave::backupWithoutFileIsKept()
{
    ledraTest::writeFile(documentsFile(orvaneName), seedBytes);
    ledraTest::writeFile(documentsFile(orvaneBackup), "1;;;;old;;;;;\n");
    ledraTest::writeFile(documentsFile(pelkinBackup), "1;;;;old;;;;\n");
    DatagramCollector collector(58084);
    ModalAnswerer answerer;
    MainWindow window;
    QVERIFY(QFile::remove(documentsFile(orvaneName)));
    window.ui->confirm->click();
    window.ui->savedata->click();
    const QString report = QStringLiteral(
        "Notice: Backup found\nOld Backup not deleted\nOriginal not backed up\nNew DB file saved");
    QCOMPARE(answerer.shown(), (QStringList{report, report}));
    QCOMPARE(ledraTest::readFile(documentsFile(orvaneBackup)), QByteArray("1;;;;old;;;;;\n"));
    QCOMPARE(ledraTest::readFile(documentsFile(pelkinBackup)), QByteArray("1;;;;old;;;;\n"));
    QCOMPARE(ledraTest::readFile(documentsFile(orvaneName)), sortedOrvane);
    QCOMPARE(ledraTest::readFile(documentsFile(pelkinName)), sortedPelkin);
}

void TestScheduleSave::windows1252LettersSurvive()
{
    ledraTest::writeFile(documentsFile(orvaneName),
                         "9580;;;;\x93Voz\x94 \x80;;;;;\r\n1110;;;;R\xE1" "dio Bras\xED" "lia;;;;;\r\n");
    DatagramCollector collector(58084);
    ModalAnswerer answerer;
    MainWindow window;
    QCOMPARE(window.ui->thetable->item(1, 4)->text(), QString::fromUtf8("Rádio Brasília"));
    window.ui->savedata->click();
    QCOMPARE(ledraTest::readFile(documentsFile(orvaneName)),
             QByteArray("1110;;;;R\xC3\xA1" "dio Bras\xC3\xAD" "lia;;;;;\n"
                        "9580;;;;\xE2\x80\x9CVoz\xE2\x80\x9D \xE2\x82\xAC;;;;;\n"));
}

void TestScheduleSave::readOnlyDocuments()
{
    DocumentsMount mount(QStringLiteral("size=64k"));
    if (!mount.mounted)
        QSKIP("needs the test command's private mount namespace");
    ledraTest::writeFile(documentsFile(orvaneName), seedBytes);
    ledraTest::writeFile(documentsFile(orvaneBackup), "1;;;;old;;;;;\n");
    ledraTest::writeFile(documentsFile(pelkinName), sortedPelkin);
    QVERIFY(mount.makeReadOnly());
    DatagramCollector collector(58084);
    ModalAnswerer answerer;
    MainWindow window;
    window.ui->confirm->click();
    window.setWindowModified(true);

    window.ui->savedata->click();
    const QString orvane = documentsFile(orvaneName);
    const QString pelkin = documentsFile(pelkinName);
    QCOMPARE(answerer.shown(),
             (QStringList{
                 "Notice: Rename older file to .bak failed",
                 "error: Can't save \"" + orvane + "\": Existing file " + orvane + " is not writable",
                 "Notice: Backup found\nOld Backup not deleted\nOriginal not backed up\nDB file NOT saved",
                 "error: Can't save \"" + pelkin + "\": Existing file " + pelkin + " is not writable",
                 "Notice: Backup not found\nOld Backup not deleted\nOriginal not backed up\nDB file NOT saved",
             }));
    QCOMPARE(collector.waitFor(1).size(), 1);
    QVERIFY(window.isWindowModified());
    QCOMPARE(ledraTest::readFile(documentsFile(orvaneName)), seedBytes);
    QCOMPARE(ledraTest::readFile(documentsFile(pelkinName)), sortedPelkin);

    // the rows are not on disk, so closing with Save keeps the window
    answerer.boxes.clear();
    window.ui->confirm->click();
    window.show();
    answerer.pressNext(QMessageBox::Save);
    QVERIFY(!window.close());
    QCOMPARE(answerer.titles(), (QStringList{"Notice", "Notice", "error", "error"}));
    QVERIFY(window.isVisible());
}

void TestScheduleSave::diskFullKeepsPreviousFile()
{
    DocumentsMount mount(QStringLiteral("size=16k"));
    if (!mount.mounted)
        QSKIP("needs the test command's private mount namespace");
    ledraTest::writeFile(documentsFile(orvaneName), seedBytes);
    DatagramCollector collector(58084);
    ModalAnswerer answerer;
    MainWindow window;
    QTableWidget* table = window.ui->thetable;
    // far more than the free space
    for (int row = table->rowCount(); row < 600; ++row) {
        table->insertRow(row);
        table->setItem(row, 0, new QTableWidgetItem(QString::number(20000 + row)));
        table->setItem(row, 4, new QTableWidgetItem(QString(40, 'x')));
    }
    window.setWindowModified(true);

    window.ui->savedata->click();
    const QString reason = QStringLiteral("No space left on device");
    QCOMPARE(answerer.shown(), (QStringList{
                                   "error: Can't save \"" + documentsFile(orvaneName) + "\": " + reason,
                                   "error: Can't save \"" + documentsFile(pelkinName) + "\": " + reason,
                               }));
    QCOMPARE(ledraTest::readFile(documentsFile(orvaneName)), seedBytes);
    QCOMPARE(documentsEntries(), (QStringList{orvaneBackup, orvaneName}));
    QVERIFY(window.isWindowModified());
    QCOMPARE(collector.waitFor(1).size(), 1);
}

void TestScheduleSave::closeWithUnsavedRows_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<QByteArray>("fileAfter");
    QTest::newRow("save") << true << int(QMessageBox::Save) << true << sortedOrvane.mid(sortedOrvane.indexOf('\n') + 1);
    QTest::newRow("discard") << true << int(QMessageBox::Discard) << true << sortedOrvane;
    QTest::newRow("cancel") << true << int(QMessageBox::Cancel) << false << sortedOrvane;
    QTest::newRow("nothing to save") << false << int(QMessageBox::NoButton) << true << sortedOrvane;
}

void TestScheduleSave::closeWithUnsavedRows()
{
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(bool, closed);
    QFETCH(QByteArray, fileAfter);
    ledraTest::writeFile(documentsFile(orvaneName), sortedOrvane);
    DatagramCollector collector(58084);
    ModalAnswerer answerer;
    MainWindow window;
    window.show();
    window.ui->thetable->removeRow(0);
    window.setWindowModified(modified);
    answerer.pressNext(QMessageBox::StandardButton(answer));

    QCOMPARE(window.close(), closed);
    QCOMPARE(window.isVisible(), !closed);
    if (modified) {
        QCOMPARE(answerer.boxes.size(), 1);
        const ShownBox& box = answerer.boxes.first();
        QCOMPARE(box.title + ": " + box.text,
                 "Notice: The schedule has changes that are not saved.\nSave them before closing?");
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.parent, &window);
    } else {
        QCOMPARE(answerer.shown(), QStringList());
    }
    QCOMPARE(ledraTest::readFile(documentsFile(orvaneName)), fileAfter);
    QCOMPARE(window.isWindowModified(), modified && answer != QMessageBox::Save);
}

LEDRA_TEST_MAIN(TestScheduleSave)
#include "tst_schedulesave.moc"
