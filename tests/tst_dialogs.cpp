// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/filepicker.h"
#include "dialogs/yesno.h"
#include "radiolink/udpports.h"
#include "tests/support/datagramcollector.h"
#include "tests/support/testenv.h"
#include "tests/support/testwindow.h"
#include "ui_filepicker.h"
#include "ui_mainwindow.h"
#include "ui_udpports.h"
#include "ui_yesno.h"

#include <QDateTime>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

#include <functional>

namespace {

int callbackCalls = 0;

// What a picker shows: its folder, then the folder list and the file list, one line each.
QStringList shown(const filePicker& picker)
{
    QStringList lines{picker.ui->path->text()};
    for (const QListWidget* list : {picker.ui->dirList, picker.ui->fileList}) {
        QStringList names;
        for (int row = 0; row < list->count(); ++row)
            names += list->item(row)->text();
        lines += names.join(' ');
    }
    return lines;
}

// Folder, file name and filter, then the boxes confirm, enforce, reverse folders, reverse files,
// then the sort mode.
QString state(const QStringList& texts, const QList<bool>& boxes, int sortMode)
{
    QString flags;
    for (bool box : boxes)
        flags += box ? '1' : '0';
    return (texts + QStringList{flags, QString::number(sortMode)}).join('|');
}

QString pickerState(const filePicker* p)
{
    return state({p->curPath, p->curFile, p->curFilter},
                 {p->confirmOver, p->enforceExt, p->revFolders, p->revFiles}, p->sortMode);
}

QString remembered(const MainWindow& w)
{
    return state({w.pickerPath, w.pickerFile, w.pickerFilter},
                 {w.pickerConfirmOverwrite == 1, w.pickerEnforceExtensions == 1,
                  w.pickerReverseFolders == 1, w.pickerReverseFiles == 1},
                 w.pickerSortMode);
}

// Presses Load and hands the picker to drive, which closes it; returns the picker's state on opening.
QString load(ledraTest::TestWindow& tw, const std::function<void(filePicker*)>& drive)
{
    QString opened;
    tw.answerer.onDialog([&](QDialog* dialog) {
        if (auto* picker = qobject_cast<filePicker*>(dialog)) {
            opened = pickerState(picker);
            drive(picker);
        }
        if (dialog->isVisible())
            dialog->reject();
    });
    tw.window.ui->loadnow->click();
    return opened;
}

} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT
private slots:
    void ports_data();
    void ports();
    void fileOrder();
    void listing();
    void paths();
    void navigation();
    void choosing_data();
    void choosing();
    void loading();
};

void TestDialogs::ports_data()
{
    QTest::addColumn<QString>("rx");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<int>("port");
    QTest::newRow("Cancel") << "58083" << false << QStringList{"58084", "58083"} << 58084;
    QTest::newRow("OK") << "58083" << true << QStringList{"58083", "40000"} << 58083;
    QTest::newRow("empty") << "" << true << QStringList{"", "40000"} << 58084;
}

void TestDialogs::ports()
{
    QFETCH(QString, rx);
    QFETCH(bool, ok);
    QFETCH(QStringList, after);
    QFETCH(int, port);
    ledraTest::TestWindow tw;
    QStringList opened;
    tw.answerer.onDialog([&](QDialog* dialog) {
        auto* ports = qobject_cast<udpports*>(dialog);
        opened += {ports->ui->udprx->text(), ports->ui->udptx->text()};
        ports->ui->udprx->setText(rx);
        ports->ui->udptx->setText("40000");
        ports->ui->buttonBox->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel)->click();
    });
    tw.window.ui->actionSt_UDP_Ports->trigger();
    ok = false; // the second time only looks
    tw.window.ui->actionSt_UDP_Ports->trigger();
    QCOMPARE(opened, QStringList({"58084", "58083"}) + after);

    LEDRA_REQUIRE_PRIVATE_NETWORK();
    DatagramCollector expected(port), other(port == 58083 ? 58084 : 58083);
    tw.window.sender.broadcastDatagram("ofreq:1110000");
    QCOMPARE(expected.waitFor(1).size(), 1);
    QCOMPARE(other.settle().size(), 0);
}

void TestDialogs::fileOrder()
{
    const auto listed = [](const QString& names, int sortMode) {
        std::vector<filePicker::_fileEntry> entries;
        for (const QString& name : names.split(' '))
            entries.push_back({name, name.toLower(), 0});
        orderFileEntries(entries, sortMode, false);
        return filteredFileNames(entries, ".txt").join(' ');
    };
    QCOMPARE(listed("b.txt A.txt a.TXT", 0), "A.txt b.txt");
    QCOMPARE(listed("alpha.txt Zeta.txt", 0), "Zeta.txt alpha.txt");
    QCOMPARE(listed("Zeta.txt alpha.txt", 1), "alpha.txt Zeta.txt");
}

void TestDialogs::listing()
{
    QTemporaryDir tree;
    const QStringList oldestFirst{"A.txt", "alpha.txt", "Zeta.txt", "b.txt", "a.TXT", ".hidden.txt"};
    for (int i = 0; i < oldestFirst.size(); ++i) {
        ledraTest::writeFile(tree.path() + "/" + oldestFirst[i], "x");
        QFile file(tree.path() + "/" + oldestFirst[i]);
        QVERIFY(file.open(QIODevice::Append)
                && file.setFileTime(QDateTime::fromSecsSinceEpoch(i), QFileDevice::FileModificationTime));
    }
    for (const char* folder : {"alpha", "Beta", "zulu", ".config"})
        QVERIFY(QDir(tree.path()).mkdir(folder));
    filePicker picker;
    picker.InitDlg(tree.path(), "", ".txt", "Load Database File", false, false, false, true, true, 2, nullptr);
    QCOMPARE(shown(picker), QStringList({tree.path(), "zulu Beta alpha", "b.txt Zeta.txt alpha.txt A.txt"}));
}

void TestDialogs::paths()
{
    QString underMe, underTop;
    filePicker::nameBuilder("/Users/me", "Sub", &underMe);
    filePicker::nameBuilder("/", "Sub", &underTop);
    QCOMPARE(QStringList({underMe, underTop, parentFolder("/"), parentFolder("/Users")}),
             QStringList({"/Users/me/Sub", "/Sub", "/", "/"}));
}

void TestDialogs::navigation()
{
    QTemporaryDir tree;
    const QString me = tree.path() + "/Users/me";
    ledraTest::writeFile(me + "/Sub/inner.txt", "x");
    ledraTest::writeFile(me + "/me.txt", "x");
    filePicker picker;
    picker.InitDlg(me, "", "", "Load Database File", false, false, false, false, false, 0, nullptr);
    QTest::keyClicks(picker.ui->path, "/Su"); // not there yet: the lists stay
    QCOMPARE(shown(picker), QStringList({me + "/Su", "Sub", "me.txt"}));
    QTest::keyClick(picker.ui->path, Qt::Key_B);
    QCOMPARE(shown(picker), QStringList({me + "/Sub", "", "inner.txt"}));
    picker.ui->parentDir->click();
    QCOMPARE(shown(picker), QStringList({me, "Sub", "me.txt"}));
    emit picker.ui->dirList->itemClicked(picker.ui->dirList->item(0));
    QCOMPARE(shown(picker), QStringList({me + "/Sub", "", "inner.txt"}));
    emit picker.ui->fileList->itemDoubleClicked(picker.ui->fileList->item(0));
    QCOMPARE(picker.result(), 1);
    QCOMPARE(picker.fullName, me + "/Sub/inner.txt");
}

void TestDialogs::choosing_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer"); // the question's button; none: its window closed
    QTest::addColumn<QString>("asked");
    QTest::addColumn<bool>("open");
    QTest::addColumn<QString>("fullName");
    const int save = QDialogButtonBox::Save, cancel = QDialogButtonBox::Cancel;
    const QString overwrite = "Please Confirm: Overwrite \"b.txt\"?";
    QTest::newRow("empty name") << false << false << "" << 0 << "" << true << "";
    QTest::newRow("load mode never asks") << false << true << "b.txt" << 0 << "" << false << "/b.txt";
    QTest::newRow("save mode enforcing") << true << false << "notes" << 0 << "" << false << "/notes.txt";
    QTest::newRow("overwrite: Save") << true << true << "b.txt" << save << overwrite << false << "/b.txt";
    QTest::newRow("overwrite: Cancel") << true << true << "b.txt" << cancel << overwrite << true << "/b.txt";
    QTest::newRow("overwrite: closed") << true << true << "b.txt" << 0 << overwrite << true << "/b.txt";
}

void TestDialogs::choosing()
{
    QFETCH(bool, save);
    QFETCH(bool, confirm);
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(QString, asked);
    QFETCH(bool, open);
    QFETCH(QString, fullName);
    QTemporaryDir tree;
    ledraTest::writeFile(tree.path() + "/b.txt", "x");
    ModalAnswerer answerer;
    QString question;
    answerer.onDialog([&](QDialog* dialog) {
        auto* yes = qobject_cast<yesno*>(dialog);
        question = yes->windowTitle() + ": " + yes->ui->fileName->text();
        if (answer)
            yes->ui->buttonBox->button(QDialogButtonBox::StandardButton(answer))->click();
        else
            yes->close();
    });
    callbackCalls = 0;
    filePicker picker;
    picker.InitDlg(tree.path(), typed, ".txt", "Save File", save, confirm, true, false, false, 0,
                   [](filePicker*) { ++callbackCalls; });
    picker.show();
    picker.ui->buttonBox->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(question, asked);
    QCOMPARE(picker.isVisible(), open);
    QCOMPARE(callbackCalls, open ? 0 : 1);
    QCOMPARE(picker.fullName.mid(tree.path().size()), fullName);
}

void TestDialogs::loading()
{
    ledraTest::TestWindow tw;
    QTemporaryDir picked;
    ledraTest::writeFile(picked.path() + "/extra-swbc-sked.txt", "9999;0000-2359;;USA;Pelkin only;E;NAm;;\n");
    const QByteArray good = "9580;1000-1100;;AUS;Radio Australia;E;Pac;;0;\n"
                            "6000;0100-0200;;CUB;Radio Havana;S;CAm;;3;\n";
    ledraTest::writeFile(picked.path() + "/good.txt", good);
    const QString before = remembered(tw.window);
    QString chosen;
    QDialogButtonBox::StandardButton button = QDialogButtonBox::Cancel;
    const auto pickPelkin = [&](filePicker* picker) {
        picker->ui->path->setText(picked.path());
        picker->ui->byName->click();
        picker->ui->reverseFiles->click();
        picker->ui->confirmOverwrite->click();
        picker->ui->filter->setText("sked.txt");
        picker->ui->fileName->setText("extra-swbc-sked.txt");
        chosen = pickerState(picker);
        picker->ui->buttonBox->button(button)->click();
    };
    QCOMPARE(load(tw, pickPelkin), before);
    QCOMPARE(remembered(tw.window), before);
    button = QDialogButtonBox::Ok;
    QCOMPARE(load(tw, pickPelkin), before);
    QCOMPARE(tw.answerer.shown(), QStringList{"error: Can't load Pelkin format file"});
    QCOMPARE(tw.rows(), QList<QStringList>());
    QCOMPARE(remembered(tw.window), chosen);
    const QString reopened = load(tw, [](filePicker* picker) {
        picker->ui->fileName->setText("good.txt");
        picker->ui->buttonBox->button(QDialogButtonBox::Ok)->click();
    });
    QCOMPARE(reopened, chosen);
    QCOMPARE(tw.rows(), QList<QStringList>({ledraTest::fields("9580;1000-1100;;AUS;Radio Australia;E;Pac;;0"),
                                            ledraTest::fields("6000;0100-0200;;CUB;Radio Havana;S;CAm;;3")}));

    LEDRA_REQUIRE_PRIVATE_NETWORK(); // Save announces itself with a datagram
    tw.window.ui->savedata->click();
    const QString documents = ledraTest::documentsFolder();
    QCOMPARE(ledraTest::readFile(documents + "/orvane-swbc-sked.txt"),
             "6000;0100-0200;;CUB;Radio Havana;S;CAm;;3;\n9580;1000-1100;;AUS;Radio Australia;E;Pac;;0;\n");
    QCOMPARE(ledraTest::readFile(documents + "/extra-swbc-sked.txt"),
             "6000;0100-0200;;CUB;Radio Havana;S;CAm;;\n9580;1000-1100;;AUS;Radio Australia;E;Pac;;\n");
    QCOMPARE(ledraTest::readFile(picked.path() + "/good.txt"), good);
}

LEDRA_TEST_MAIN(TestDialogs)
#include "tst_dialogs.moc"
