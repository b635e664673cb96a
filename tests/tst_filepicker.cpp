#include "filepicker.h"
#include "modalanswerer.h"
#include "testenv.h"
#include "ui_filepicker.h"
#include "ui_yesno.h"
#include "yesno.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {

using Entries = std::vector<filePicker::_fileEntry>;

filePicker::_fileEntry entry(const QString& name, quint32 modTime)
{
    return {name, name.toLower(), modTime};
}

QStringList lines(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts.append(list->item(row)->text());
    return texts;
}

void makeFile(const QString& path, qint64 modTime)
{
    ledraTest::writeFile(path, "x\n");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::fromSecsSinceEpoch(modTime, Qt::UTC),
                             QFileDevice::FileModificationTime));
}

// A folder of files with distinct times, hidden entries and sub-folders.
void makeTree(const QString& root)
{
    const qint64 base = 1600000000;
    makeFile(root + "/b.txt", base + 40);
    makeFile(root + "/A.txt", base + 10);
    makeFile(root + "/a.TXT", base + 50);
    makeFile(root + "/Zeta.txt", base + 30);
    makeFile(root + "/alpha.txt", base + 20);
    makeFile(root + "/notes.dat", base + 60);
    makeFile(root + "/.hidden.txt", base + 70);
    for (const char* folder : {"alpha", "Beta", "zulu", ".config"})
        QVERIFY(QDir(root).mkdir(QString::fromLatin1(folder)));
}

void clickItem(QListWidget* list, const QString& text, bool twice = false)
{
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    QCOMPARE(found.size(), 1);
    const QPoint where = list->visualItemRect(found.first()).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, where);
    if (twice)
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, where);
}

int callbackCalls = 0;
void countCallback(filePicker*)
{
    ++callbackCalls;
}

} // namespace

class TestFilePicker : public QObject
{
    Q_OBJECT
private slots:
    void fileOrder_data();
    void fileOrder();
    void parentFolder_data();
    void parentFolder();
    void listing_data();
    void listing();
    void optionsChangedInDialog();
    void walking();
    void typedPath();
    void okWithEmptyName();
    void doubleClickChooses();
    void choosing_data();
    void choosing();
};

void TestFilePicker::fileOrder_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<quint32>>("times");
    QTest::addColumn<int>("sortMode");
    QTest::addColumn<bool>("reverse");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("shown");

    const QStringList mixed{"b.txt", "A.txt", "a.TXT"};
    const QList<quint32> mixedTimes{3, 2, 1};
    QTest::newRow("by name, filter .txt") << mixed << mixedTimes << 0 << false << ".txt"
                                          << QStringList{"A.txt", "b.txt"};
    QTest::newRow("by name, no filter") << mixed << mixedTimes << 0 << false << ""
                                        << QStringList{"A.txt", "a.TXT", "b.txt"};
    QTest::newRow("filter .TXT") << mixed << mixedTimes << 1 << false << ".TXT"
                                 << QStringList{"a.TXT"};

    const QStringList greek{"alpha.txt", "Zeta.txt"};
    const QList<quint32> greekTimes{5, 5};
    QTest::newRow("by name: capitals first") << greek << greekTimes << 0 << false << ".txt"
                                             << QStringList{"Zeta.txt", "alpha.txt"};
    QTest::newRow("ignoring case") << greek << greekTimes << 1 << false << ".txt"
                                   << QStringList{"alpha.txt", "Zeta.txt"};
    QTest::newRow("ignoring case, reversed") << greek << greekTimes << 1 << true << ".txt"
                                             << QStringList{"Zeta.txt", "alpha.txt"};

    const QStringList dated{"c.txt", "a.txt", "b.txt"};
    const QList<quint32> datedTimes{300, 100, 200};
    QTest::newRow("by date, oldest first") << dated << datedTimes << 2 << false << ""
                                           << QStringList{"a.txt", "b.txt", "c.txt"};
    QTest::newRow("by date, reversed: newest first") << dated << datedTimes << 2 << true << ""
                                                     << QStringList{"c.txt", "b.txt", "a.txt"};
    QTest::newRow("other mode keeps the listing") << dated << datedTimes << 3 << false << ""
                                                  << QStringList{"c.txt", "a.txt", "b.txt"};
    QTest::newRow("other mode, reversed") << dated << datedTimes << -1 << true << ""
                                          << QStringList{"b.txt", "a.txt", "c.txt"};
    QTest::newRow("times compared unsigned")
        << QStringList{"late.txt", "early.txt"} << QList<quint32>{0x80000000u, 100} << 2 << false
        << "" << QStringList{"early.txt", "late.txt"};

    QTest::newRow("filter is a plain suffix")
        << QStringList{"a.txt", "b*.txt", "c.txt"} << QList<quint32>{1, 2, 3} << 0 << false
        << "*.txt" << QStringList{"b*.txt"};
}

void TestFilePicker::fileOrder()
{
    QFETCH(QStringList, names);
    QFETCH(QList<quint32>, times);
    QFETCH(int, sortMode);
    QFETCH(bool, reverse);
    QFETCH(QString, filter);
    QFETCH(QStringList, shown);

    Entries entries;
    for (int i = 0; i < names.size(); ++i)
        entries.push_back(entry(names.at(i), times.at(i)));
    orderFileEntries(entries, sortMode, reverse);
    QCOMPARE(filteredFileNames(entries, filter), shown);
    QCOMPARE(entries.size(), size_t(names.size()));
}

void TestFilePicker::parentFolder_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("parent");
    QTest::newRow("three levels") << "/Users/me/Documents" << "/Users/me";
    QTest::newRow("trailing slash") << "/Users/me/" << "/Users/me";
    QTest::newRow("one level") << "/Users" << "/";
    QTest::newRow("top") << "/" << "/";
    QTest::newRow("empty") << "" << "/";
    QTest::newRow("relative, one slash") << "Users/me" << "/";
    QTest::newRow("relative, two slashes") << "Users/me/x" << "Users/me";
}

void TestFilePicker::parentFolder()
{
    QFETCH(QString, path);
    QFETCH(QString, parent);
    QCOMPARE(::parentFolder(path), parent);
}

void TestFilePicker::listing_data()
{
    QTest::addColumn<int>("sortMode");
    QTest::addColumn<bool>("reverseFolders");
    QTest::addColumn<bool>("reverseFiles");
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QStringList>("files");

    const QStringList aToZ{"alpha", "Beta", "zulu"};
    QTest::newRow("by name, .txt") << 0 << false << false << ".txt" << aToZ
                                   << QStringList{"A.txt", "Zeta.txt", "alpha.txt", "b.txt"};
    QTest::newRow("ignoring case, .txt") << 1 << false << false << ".txt" << aToZ
                                         << QStringList{"A.txt", "alpha.txt", "b.txt", "Zeta.txt"};
    QTest::newRow("first use: reversed, newest first")
        << 2 << true << true << ".txt" << QStringList{"zulu", "Beta", "alpha"}
        << QStringList{"b.txt", "Zeta.txt", "alpha.txt", "A.txt"};
    QTest::newRow("by date, no filter") << 2 << false << false << "" << aToZ
                                        << QStringList{"A.txt", "alpha.txt", "Zeta.txt", "b.txt",
                                                       "a.TXT", "notes.dat"};
}

void TestFilePicker::listing()
{
    QFETCH(int, sortMode);
    QFETCH(bool, reverseFolders);
    QFETCH(bool, reverseFiles);
    QFETCH(QString, filter);
    QFETCH(QStringList, folders);
    QFETCH(QStringList, files);

    QTemporaryDir tree;
    makeTree(tree.path());
    filePicker picker;
    picker.InitDlg(tree.path(), "b.txt", filter, "Load Database File", false, false, false,
                   reverseFolders, reverseFiles, sortMode, nullptr);
    QCOMPARE(lines(picker.ui->dirList), folders);
    QCOMPARE(lines(picker.ui->fileList), files);
    QCOMPARE(picker.ui->fileName->text(), QStringLiteral("b.txt"));
    QCOMPARE(picker.ui->dialogTitle->text(), QStringLiteral("Load Database File"));
}

void TestFilePicker::optionsChangedInDialog()
{
    QTemporaryDir tree;
    makeTree(tree.path());
    filePicker picker;
    picker.InitDlg(tree.path(), "", ".txt", "Load Database File", false, false, false, false,
                   false, 0, nullptr);
    QVERIFY(picker.ui->byName->isChecked());
    picker.show();

    picker.ui->reverseFolders->click();
    QCOMPARE(lines(picker.ui->dirList), (QStringList{"zulu", "Beta", "alpha"}));
    picker.ui->byNameI->click();
    QCOMPARE(lines(picker.ui->fileList), (QStringList{"A.txt", "alpha.txt", "b.txt", "Zeta.txt"}));
    picker.ui->byDate->click();
    picker.ui->reverseFiles->click();
    QCOMPARE(lines(picker.ui->fileList), (QStringList{"b.txt", "Zeta.txt", "alpha.txt", "A.txt"}));
    picker.ui->confirmOverwrite->click();
    picker.ui->enforceExtensions->click();

    picker.ui->filter->clear();
    QTest::keyClicks(picker.ui->filter, ".dat");
    QCOMPARE(lines(picker.ui->fileList), QStringList{"notes.dat"});
    QTest::keyClick(picker.ui->filter, Qt::Key_Backspace);
    QCOMPARE(lines(picker.ui->fileList), QStringList());

    QCOMPARE(picker.curFilter, QStringLiteral(".da"));
    QCOMPARE(picker.sortMode, 2);
    QVERIFY(picker.revFolders && picker.revFiles && picker.confirmOver && picker.enforceExt);
}

void TestFilePicker::walking()
{
    QTemporaryDir tree;
    const QString me = tree.path() + "/Users/me";
    makeFile(me + "/Sub/inner.txt", 1600000000);
    makeFile(me + "/me.txt", 1600000000);

    filePicker picker;
    picker.InitDlg(me, "", "", "Load Database File", false, false, false, false, false, 0,
                   nullptr);
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));

    clickItem(picker.ui->dirList, "Sub");
    QCOMPARE(picker.ui->path->text(), me + "/Sub");
    QCOMPARE(picker.curPath, me + "/Sub");
    QCOMPARE(lines(picker.ui->dirList), QStringList());
    QCOMPARE(lines(picker.ui->fileList), QStringList{"inner.txt"});

    QTest::mouseClick(picker.ui->parentDir, Qt::LeftButton);
    QCOMPARE(picker.ui->path->text(), me);
    QCOMPARE(lines(picker.ui->dirList), QStringList{"Sub"});
    QCOMPARE(lines(picker.ui->fileList), QStringList{"me.txt"});

    // at the top a folder's path gets no doubled slash, and going up from it leads back to the top
    picker.ui->path->setText("/");
    const QString topFolder = QDir("/").entryList(QDir::AllDirs | QDir::NoDotAndDotDot).first();
    clickItem(picker.ui->dirList, topFolder);
    QCOMPARE(picker.ui->path->text(), "/" + topFolder);
    QTest::mouseClick(picker.ui->parentDir, Qt::LeftButton);
    QCOMPARE(picker.ui->path->text(), QStringLiteral("/"));
    QTest::mouseClick(picker.ui->parentDir, Qt::LeftButton);
    QCOMPARE(picker.curPath, QStringLiteral("/"));
    QCOMPARE(picker.ui->dirList->findItems(topFolder, Qt::MatchExactly).size(), 1);
}

void TestFilePicker::typedPath()
{
    QTemporaryDir tree;
    const QString me = tree.path() + "/Users/me";
    makeFile(me + "/Sub/inner.txt", 1600000000);
    makeFile(me + "/me.txt", 1600000000);

    filePicker picker;
    picker.InitDlg(me, "", "", "Load Database File", false, false, false, false, false, 0,
                   nullptr);
    picker.ui->path->end(false);
    QTest::keyClicks(picker.ui->path, "/Su");
    QCOMPARE(picker.curPath, me + "/Su");
    QCOMPARE(lines(picker.ui->dirList), QStringList{"Sub"});
    QCOMPARE(lines(picker.ui->fileList), QStringList{"me.txt"});

    QTest::keyClick(picker.ui->path, Qt::Key_B);
    QCOMPARE(picker.curPath, me + "/Sub");
    QCOMPARE(lines(picker.ui->dirList), QStringList());
    QCOMPARE(lines(picker.ui->fileList), QStringList{"inner.txt"});
}

void TestFilePicker::okWithEmptyName()
{
    QTemporaryDir tree;
    makeTree(tree.path());
    callbackCalls = 0;
    ModalAnswerer answerer;
    bool openAfterEmptyOk = false;
    answerer.onDialog([&](QDialog* dialog) {
        auto* picker = qobject_cast<filePicker*>(dialog);
        if (picker) {
            picker->ui->buttonBox->button(QDialogButtonBox::Ok)->click();
            openAfterEmptyOk = picker->isVisible();
            picker->ui->fileName->setText("alpha.txt");
            picker->ui->buttonBox->button(QDialogButtonBox::Ok)->click();
        }
        if (dialog->isVisible())
            dialog->reject();
    });

    filePicker picker;
    picker.InitDlg(tree.path(), "", ".txt", "Load Database File", false, false, false, false,
                   false, 0, countCallback);
    QCOMPARE(picker.exec(), 1);
    QVERIFY(openAfterEmptyOk);
    QCOMPARE(answerer.dialogsSeen, 1);
    QCOMPARE(callbackCalls, 1);
    QCOMPARE(picker.fullName, tree.path() + "/alpha.txt");
}

void TestFilePicker::doubleClickChooses()
{
    QTemporaryDir tree;
    makeTree(tree.path());
    ModalAnswerer answerer;
    answerer.onDialog([&](QDialog* dialog) {
        if (auto* picker = qobject_cast<filePicker*>(dialog))
            clickItem(picker->ui->fileList, "Zeta.txt", true);
        if (dialog->isVisible())
            dialog->reject();
    });

    filePicker picker;
    picker.InitDlg(tree.path() + "/", "b.txt", ".txt", "Load Database File", false, false, false,
                   false, false, 0, nullptr);
    QCOMPARE(picker.exec(), 1);
    QCOMPARE(picker.curFile, QStringLiteral("Zeta.txt"));
    QCOMPARE(picker.fullName, tree.path() + "/Zeta.txt");
}

void TestFilePicker::choosing_data()
{
    QTest::addColumn<bool>("save");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<bool>("enforce");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("agree");
    QTest::addColumn<QStringList>("questions");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("fullName");

    const QStringList none;
    QTest::newRow("load mode, existing file, both boxes ticked")
        << false << true << true << "b.txt" << false << none << 1 << "/b.txt";
    QTest::newRow("load mode adds no extension")
        << false << true << true << "notes" << false << none << 1 << "/notes";
    QTest::newRow("save mode enforcing") << true << false << true << "notes" << false << none << 1
                                         << "/notes.txt";
    QTest::newRow("save mode enforcing, extension there")
        << true << false << true << "notes.txt" << false << none << 1 << "/notes.txt";
    QTest::newRow("save mode enforcing, case differs")
        << true << false << true << "notes.TXT" << false << none << 1 << "/notes.TXT.txt";
    QTest::newRow("save mode not enforcing")
        << true << false << false << "notes" << false << none << 1 << "/notes";
    QTest::newRow("save mode confirming, new file")
        << true << true << false << "new.txt" << false << none << 1 << "/new.txt";
    QTest::newRow("save mode not confirming, existing file")
        << true << false << false << "b.txt" << false << none << 1 << "/b.txt";
    QTest::newRow("save mode confirming, existing file, Save")
        << true << true << false << "b.txt" << true << QStringList{"Overwrite \"b.txt\"?"} << 1
        << "/b.txt";
    QTest::newRow("save mode confirming, existing file, Cancel")
        << true << true << false << "b.txt" << false << QStringList{"Overwrite \"b.txt\"?"} << 0
        << "/b.txt";
    QTest::newRow("question names the typed name")
        << true << true << true << "b" << true << QStringList{"Overwrite \"b\"?"} << 1 << "/b.txt";
}

void TestFilePicker::choosing()
{
    QFETCH(bool, save);
    QFETCH(bool, confirm);
    QFETCH(bool, enforce);
    QFETCH(QString, typed);
    QFETCH(bool, agree);
    QFETCH(QStringList, questions);
    QFETCH(int, result);
    QFETCH(QString, fullName);

    QTemporaryDir tree;
    makeTree(tree.path());
    callbackCalls = 0;
    ModalAnswerer answerer;
    QStringList asked;
    bool openAfterDeclining = false;
    answerer.onDialog([&](QDialog* dialog) {
        if (auto* question = qobject_cast<yesno*>(dialog)) {
            asked.append(question->ui->fileName->text());
            const auto button = agree ? QDialogButtonBox::Save : QDialogButtonBox::Cancel;
            question->ui->buttonBox->button(button)->click();
            return;
        }
        auto* picker = qobject_cast<filePicker*>(dialog);
        if (!picker) {
            dialog->reject();
            return;
        }
        picker->ui->fileName->setText(typed);
        // pressed from the dialog's own loop, so that the question gets answered too
        QTimer::singleShot(0, picker, [&, picker] {
            picker->ui->buttonBox->button(QDialogButtonBox::Ok)->click();
            if (picker->isVisible()) {
                openAfterDeclining = true;
                picker->reject();
            }
        });
    });

    filePicker picker;
    picker.InitDlg(tree.path(), "", ".txt", "Save File", save, confirm, enforce, false, false, 0,
                   countCallback);
    QCOMPARE(picker.exec(), result);
    QCOMPARE(asked, questions);
    QCOMPARE(openAfterDeclining, result == 0);
    QCOMPARE(callbackCalls, result);
    QCOMPARE(picker.fullName, tree.path() + fullName);
    QCOMPARE(picker.curFile, typed);
}

LEDRA_TEST_MAIN(TestFilePicker)
#include "tst_filepicker.moc"
