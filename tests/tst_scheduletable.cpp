#include "mainwindow.h"
#include "modalanswerer.h"
#include "testenv.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTableWidget>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

const QString none = QStringLiteral("(no item)");

QString orvanePath()
{
    return ledraTest::documentsFolder() + QStringLiteral("/orvane-swbc-sked.txt");
}

// Every row's nine cells; a cell without an item shows as "(no item)".
QList<QStringList> cellTexts(const MainWindow& window)
{
    QList<QStringList> rows;
    const QTableWidget* table = window.ui->thetable;
    for (int row = 0; row < table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < 9; ++column) {
            const QTableWidgetItem* item = table->item(row, column);
            cells.append(item ? item->text() : none);
        }
        rows.append(cells);
    }
    return rows;
}

QStringList cells(const QString& line)
{
    QStringList parts = line.split(';');
    while (parts.size() < 9)
        parts.append(none);
    return parts.mid(0, 9);
}

const QList<QStringList> seedCells{
    cells("1110;0000-2359;;USA;KFAB Omaha, NE;E;NAm;;"),
    cells("1040;0000-2359;;USA;WHO Des Moines IA;E;NAm;;"),
    cells("14230;0000-2359;;USA;20m Analog SSTV;E;NAm;;"),
    cells("14233;0000-2359;;USA;20m Digital SSTV;E;NAm;;"),
};

const QByteArray seedBytes = "1110;0000-2359;;USA;KFAB Omaha, NE;E;NAm;;;\n"
                             "1040;0000-2359;;USA;WHO Des Moines IA;E;NAm;;;\n"
                             "14230;0000-2359;;USA;20m Analog SSTV;E;NAm;;;\n"
                             "14233;0000-2359;;USA;20m Digital SSTV;E;NAm;;;\n";

// Root reads every file whatever its mode; while this lives the mode counts for this thread too.
class FileModesApply
{
public:
    FileModesApply() { active = setReadPowers(false); }
    ~FileModesApply()
    {
        if (active)
            setReadPowers(true);
    }
    bool active = false;

private:
    static bool setReadPowers(bool on)
    {
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct data[2]{};
        if (syscall(SYS_capget, &header, data) != 0)
            return false;
        const quint32 powers = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);
        data[0].effective = on ? data[0].effective | (powers & data[0].permitted)
                               : data[0].effective & ~powers;
        return syscall(SYS_capset, &header, data) == 0;
    }
};

// A file that this process cannot open for reading, or an empty path where none can be made.
QString makeUnreadable(const QString& path, const QByteArray& bytes, const FileModesApply& modes)
{
    ledraTest::writeFile(path, bytes);
    QFile::setPermissions(path, QFileDevice::Permissions());
    QFile probe(path);
    return modes.active && !probe.open(QIODevice::ReadOnly) ? path : QString();
}

} // namespace

class TestScheduleTable : public QObject
{
    Q_OBJECT
private slots:
    void firstStartWritesSample();
    void startupLoad_data();
    void startupLoad();
    void unreadableStartupFileIsKept();
    void startupPathThatIsNoFile();
    void pickedFileRefused_data();
    void pickedFileRefused();
    void pickedFileReplacesTable();
    void sortButton();
};

void TestScheduleTable::firstStartWritesSample()
{
    ledraTest::resetHome();
    ModalAnswerer answerer;
    MainWindow window;
    const QString separator = QStringLiteral("-------------------------------\n");
    QCOMPARE(answerer.shown(),
             QStringList{"Notice: Ledra\n" + separator + "\"orvane-swbc-sked.txt\" file not found\n"
                         "where expected. Consequently, a small\n(4 entry) one has been created for you.\n"
                         "You may now add entries to this.\n" + separator});
    QCOMPARE(ledraTest::readFile(orvanePath()), seedBytes);
    QCOMPARE(cellTexts(window), seedCells);
    QVERIFY(!window.isWindowModified());
}

void TestScheduleTable::startupLoad_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::newRow("empty file") << QByteArray() << QList<QStringList>{};
    QTest::newRow("LF") << seedBytes << seedCells;
    QTest::newRow("CR LF") << QByteArray(seedBytes).replace("\n", "\r\n") << seedCells;
    QTest::newRow("lone CR") << QByteArray("1;;;;A;;;;;\r2;;;;B;;;;;\n")
                             << QList<QStringList>{cells("1;;;;A;;;;")};
    QTest::newRow("short, long and blank lines")
        << QByteArray("5;a\n\n6;;;;L;;;;M;extra;more\n")
        << QList<QStringList>{cells("5;a"), cells(""), cells("6;;;;L;;;;M")};
    QTest::newRow("pelkin lines") << QByteArray("1110;;;;KFAB;E;NAm;;\n")
                                  << QList<QStringList>{cells("1110;;;;KFAB;E;NAm;;")};
    QTest::newRow("no LF at the end") << QByteArray("7;;;;X;;;;3;")
                                      << QList<QStringList>{cells("7;;;;X;;;;3")};
}

void TestScheduleTable::startupLoad()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QList<QStringList>, rows);
    ledraTest::resetHome();
    ledraTest::writeFile(orvanePath(), bytes);
    ModalAnswerer answerer;
    MainWindow window;
    QCOMPARE(cellTexts(window), rows);
    QCOMPARE(answerer.shown(), QStringList());
    QCOMPARE(ledraTest::readFile(orvanePath()), bytes);
}

void TestScheduleTable::unreadableStartupFileIsKept()
{
    ledraTest::resetHome();
    FileModesApply modes;
    if (makeUnreadable(orvanePath(), seedBytes, modes).isEmpty())
        QSKIP("this process can read a file of mode 0");
    ModalAnswerer answerer;
    MainWindow window;
    QCOMPARE(answerer.shown(), QStringList{"error: Permission denied"});
    QCOMPARE(window.ui->thetable->rowCount(), 21);
    QCOMPARE(cellTexts(window).first(), QStringList(9, none));
    QCOMPARE(QFileInfo(orvanePath()).size(), qint64(seedBytes.size()));
}

void TestScheduleTable::startupPathThatIsNoFile()
{
    ledraTest::resetHome();
    QVERIFY(QDir().mkdir(orvanePath()));
    ModalAnswerer answerer;
    MainWindow window;
    QCOMPARE(answerer.shown(), QStringList{"error: \"" + orvanePath() + "\" is not a regular file"});
    QCOMPARE(window.ui->thetable->rowCount(), 21);
    QVERIFY(QFileInfo(orvanePath()).isDir());
}

void TestScheduleTable::pickedFileRefused_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("box");
    const QString dialect = QStringLiteral("error: Can't load Pelkin format file");
    QTest::newRow("pelkin file") << "file" << QByteArray("1110;;;;KFAB;E;NAm;;\n1;;;;A;;;;;\n") << dialect;
    QTest::newRow("empty file") << "file" << QByteArray() << dialect;
    QTest::newRow("first line too long")
        << "file" << QByteArray(QByteArray(70000, 'x') + ";;;;;;;;;\n") << dialect;
    QTest::newRow("missing") << "missing" << QByteArray() << "error: No such file or directory";
    QTest::newRow("folder") << "folder" << QByteArray() << "error: \"%1\" is not a regular file";
    QTest::newRow("device") << "device" << QByteArray() << "error: \"%1\" is not a regular file";
    QTest::newRow("unreadable") << "unreadable" << QByteArray("1;;;;A;;;;;\n") << "error: Permission denied";
}

void TestScheduleTable::pickedFileRefused()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, box);
    ledraTest::resetHome();
    ledraTest::writeFile(orvanePath(), seedBytes);
    QString path = ledraTest::documentsFolder() + QStringLiteral("/picked.txt");
    FileModesApply modes;
    if (kind == "file")
        ledraTest::writeFile(path, bytes);
    else if (kind == "folder")
        QVERIFY(QDir().mkpath(path));
    else if (kind == "device")
        path = QStringLiteral("/dev/null");
    else if (kind == "missing")
        QFile::remove(path);
    else if (makeUnreadable(path, bytes, modes).isEmpty())
        QSKIP("this process can read a file of mode 0");

    ModalAnswerer answerer;
    MainWindow window;
    window.getdbfile(path);
    QCOMPARE(answerer.shown(), QStringList{box.replace("%1", path)});
    QCOMPARE(cellTexts(window), seedCells);
    QCOMPARE(ledraTest::readFile(orvanePath()), seedBytes);
    if (kind == "file")
        QCOMPARE(ledraTest::readFile(path), bytes);
    if (kind == "missing")
        QVERIFY(!QFileInfo::exists(path));
}

void TestScheduleTable::pickedFileReplacesTable()
{
    ledraTest::resetHome();
    ledraTest::writeFile(orvanePath(), seedBytes);
    const QString path = ledraTest::documentsFolder() + QStringLiteral("/picked.txt");
    const QByteArray picked = "9;;;;P;;;;;\r\n8;b\r\n\r\n7;;;;Q;;;;5;x;y\r\n";
    ledraTest::writeFile(path, picked);
    ModalAnswerer answerer;
    MainWindow window;
    window.getdbfile(path);
    QCOMPARE(answerer.shown(), QStringList());
    QCOMPARE(cellTexts(window),
             (QList<QStringList>{cells("9;;;;P;;;;"), cells("8;b"), cells(""), cells("7;;;;Q;;;;5")}));
    QCOMPARE(ledraTest::readFile(path), picked);
    QCOMPARE(ledraTest::readFile(orvanePath()), seedBytes);
    QVERIFY(!window.isWindowModified());
}

void TestScheduleTable::sortButton()
{
    ledraTest::resetHome();
    ledraTest::writeFile(orvanePath(), "1110;a;;;A;;;;3;\n01110;b;;;B;;;;;\n14233\n9999;c;;;C;;;;;\n\n"
                                       "10000;d;;;D;;;;;\nabc;e;;;E;;;;;\n-5;f;;;F;;;;;\n"
                                       "7.5;g;;;G;;;;;\n1040;h;;;H;;;;;\n");
    ModalAnswerer answerer;
    MainWindow window;
    const QList<QStringList> sorted{
        cells("-5;f;;;F;;;;"), cells(";;;;;;;;"),      cells("abc;e;;;E;;;;"),
        cells("7.5;g;;;G;;;;"), cells("1040;h;;;H;;;;"), cells("1110;a;;;A;;;;3"),
        cells("01110;b;;;B;;;;"), cells("9999;c;;;C;;;;"), cells("10000;d;;;D;;;;"),
        cells("14233;;;;;;;;"),
    };
    window.ui->sortnow->click();
    QCOMPARE(cellTexts(window), sorted);
    window.ui->sortnow->click();
    QCOMPARE(cellTexts(window), sorted);
    QVERIFY(!window.isWindowModified());
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);

    window.ui->thetable->setRowCount(0);
    window.ui->sortnow->click();
    QCOMPARE(window.ui->thetable->rowCount(), 0);
    QCOMPARE(answerer.shown(), QStringList());
}

LEDRA_TEST_MAIN(TestScheduleTable)
#include "tst_scheduletable.moc"
