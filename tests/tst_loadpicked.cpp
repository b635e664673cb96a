#include "datagramcollector.h"
#include "filepicker.h"
#include "mainwindow.h"
#include "modalanswerer.h"
#include "testenv.h"
#include "ui_filepicker.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>

#include <functional>

namespace {

QString flags(std::initializer_list<bool> values)
{
    QString text;
    for (bool value : values)
        text += value ? QLatin1Char('1') : QLatin1Char('0');
    return text;
}

// What the picker showed when it opened: title, folder, file name, filter, the four boxes
// (confirm, enforce, reverse folders, reverse files) and the sort button (-1 for none).
QStringList startOf(filePicker* picker)
{
    const Ui_filePicker* ui = picker->ui;
    const QList<bool> sortButtons{ui->byName->isChecked(), ui->byNameI->isChecked(),
                                  ui->byDate->isChecked()};
    return {ui->dialogTitle->text(),
            ui->path->text(),
            ui->fileName->text(),
            ui->filter->text(),
            flags({ui->confirmOverwrite->isChecked(), ui->enforceExtensions->isChecked(),
                   ui->reverseFolders->isChecked(), ui->reverseFiles->isChecked()}),
            QString::number(sortButtons.indexOf(true))};
}

// Has the next picker that opens recorded and then driven by drive, which must close it.
void answerPicker(ModalAnswerer& answerer, QList<QStringList>& starts,
                  std::function<void(filePicker*)> drive)
{
    answerer.onDialog([&starts, drive](QDialog* dialog) {
        if (auto* picker = qobject_cast<filePicker*>(dialog)) {
            starts.append(startOf(picker));
            drive(picker);
        }
        if (dialog->isVisible())
            dialog->reject();
    });
}

void press(filePicker* picker, QDialogButtonBox::StandardButton button)
{
    picker->ui->buttonBox->button(button)->click();
}

QStringList tableLines(MainWindow& window)
{
    QStringList lines;
    for (int row = 0; row < window.ui->thetable->rowCount(); ++row) {
        QStringList fields;
        for (int column = 0; column < 9; ++column)
            fields.append(window.getTableItem(row, column));
        lines.append(fields.join(';'));
    }
    return lines;
}

// The remembered picker state: folder, file name, filter, the four options, sort mode, full path.
QStringList membersOf(const MainWindow& w)
{
    return {w.pickerPath,
            w.pickerFile,
            w.pickerFilter,
            flags({w.pickerConfirmOverwrite == 1, w.pickerEnforceExtensions == 1,
                   w.pickerReverseFolders == 1, w.pickerReverseFiles == 1}),
            QString::number(w.pickerSortMode),
            w.pickerFullPath};
}

const QByteArray pelkinLines = "9999;0000-2359;;USA;Pelkin only;E;NAm;;\n";
const QByteArray pickedLines = "9580;1000-1100;;AUS;Radio Australia;E;Pac;;0;\n"
                               "6000;0100-0200;;CUB;Radio Havana;S;CAm;;3;\n";

} // namespace

class TestLoadPicked : public QObject
{
    Q_OBJECT
private slots:
    void cancelChangesNothing();
    void pelkinFileRefused();
    void goodFileLoadedThenSaved();
};

void TestLoadPicked::cancelChangesNothing()
{
    ledraTest::resetHome();
    QTemporaryDir picked;
    ledraTest::writeFile(picked.path() + "/mine.sked", pickedLines);
    ModalAnswerer answerer;
    MainWindow window;
    window.pickerPath = picked.path();
    window.pickerFile = "mine.sked";
    window.pickerFilter = ".sked";
    window.pickerConfirmOverwrite = 1;
    window.pickerReverseFolders = 0;
    window.pickerReverseFiles = 1;
    window.pickerSortMode = 1;
    const QStringList before = membersOf(window);
    const QStringList table = tableLines(window);
    const int boxesBefore = answerer.boxes.size();

    QList<QStringList> starts;
    answerPicker(answerer, starts, [](filePicker* picker) {
        picker->ui->byDate->click();
        picker->ui->reverseFiles->click();
        picker->ui->enforceExtensions->click();
        picker->ui->filter->setText(".txt");
        picker->ui->fileName->setText("other.txt");
        picker->ui->parentDir->click();
        press(picker, QDialogButtonBox::Cancel);
    });
    window.ui->loadnow->click();
    QCOMPARE(window.loadDbFile(&window), false);

    const QStringList expected{"Load Database File", picked.path(), "mine.sked", ".sked", "1001", "1"};
    QCOMPARE(starts, (QList<QStringList>{expected, expected}));
    QCOMPARE(membersOf(window), before);
    QCOMPARE(tableLines(window), table);
    QCOMPARE(answerer.boxes.size(), boxesBefore);
}

void TestLoadPicked::pelkinFileRefused()
{
    ledraTest::resetHome();
    QTemporaryDir picked;
    ledraTest::writeFile(picked.path() + "/extra-swbc-sked.txt", pelkinLines);
    ModalAnswerer answerer;
    MainWindow window;
    const QStringList table = tableLines(window);
    const int boxesBefore = answerer.boxes.size();

    QList<QStringList> starts;
    answerPicker(answerer, starts, [&picked](filePicker* picker) {
        picker->ui->path->setText(picked.path());
        picker->ui->byName->click();
        picker->ui->reverseFiles->click();
        picker->ui->confirmOverwrite->click();
        picker->ui->filter->setText("sked.txt");
        picker->ui->fileName->setText("extra-swbc-sked.txt");
        press(picker, QDialogButtonBox::Ok);
    });
    QCOMPARE(window.loadDbFile(&window), true);

    // a first run starts in the Documents folder with folders Z to A and the newest file first
    QCOMPARE(starts, (QList<QStringList>{{"Load Database File", ledraTest::documentsFolder(),
                                          "extra-swbc-sked.txt", ".txt", "0011", "2"}}));
    QCOMPARE(answerer.shown().mid(boxesBefore),
             QStringList{"error: Can't load Pelkin format file"});
    QCOMPARE(tableLines(window), table);
    QCOMPARE(membersOf(window),
             (QStringList{picked.path(), "extra-swbc-sked.txt", "sked.txt", "1010", "0",
                          picked.path() + "/extra-swbc-sked.txt"}));

    answerPicker(answerer, starts,
                 [](filePicker* picker) { press(picker, QDialogButtonBox::Cancel); });
    window.loadDbFile(&window);
    QCOMPARE(starts.size(), 2);
    QCOMPARE(starts.last(), (QStringList{"Load Database File", picked.path(),
                                         "extra-swbc-sked.txt", "sked.txt", "1010", "0"}));
}

void TestLoadPicked::goodFileLoadedThenSaved()
{
    LEDRA_REQUIRE_PRIVATE_NETWORK();
    ledraTest::resetHome();
    QTemporaryDir picked;
    const QString pickedFile = picked.path() + "/picked.txt";
    ledraTest::writeFile(pickedFile, pickedLines);
    ModalAnswerer answerer;
    MainWindow window;
    DatagramCollector collector(58084);
    const int boxesBefore = answerer.boxes.size();

    QList<QStringList> starts;
    answerPicker(answerer, starts, [&picked](filePicker* picker) {
        picker->ui->path->setText(picked.path());
        QListWidget* files = picker->ui->fileList;
        const QList<QListWidgetItem*> found = files->findItems("picked.txt", Qt::MatchExactly);
        if (found.size() == 1)
            QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                              files->visualItemRect(found.first()).center());
        press(picker, QDialogButtonBox::Ok);
    });
    window.ui->loadnow->click();

    QCOMPARE(starts.size(), 1);
    QCOMPARE(window.pickerFullPath, pickedFile);
    QCOMPARE(tableLines(window),
             (QStringList{"9580;1000-1100;;AUS;Radio Australia;E;Pac;;0",
                          "6000;0100-0200;;CUB;Radio Havana;S;CAm;;3"}));

    window.ui->savedata->click();
    QCOMPARE(answerer.boxes.size(), boxesBefore);
    const QString documents = ledraTest::documentsFolder();
    QCOMPARE(ledraTest::readFile(documents + "/orvane-swbc-sked.txt"),
             QByteArray("6000;0100-0200;;CUB;Radio Havana;S;CAm;;3;\n"
                        "9580;1000-1100;;AUS;Radio Australia;E;Pac;;0;\n"));
    QCOMPARE(ledraTest::readFile(documents + "/extra-swbc-sked.txt"),
             QByteArray("6000;0100-0200;;CUB;Radio Havana;S;CAm;;\n"
                        "9580;1000-1100;;AUS;Radio Australia;E;Pac;;\n"));
    QCOMPARE(ledraTest::readFile(pickedFile), pickedLines);
    QCOMPARE(QDir(picked.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"picked.txt"});
    QCOMPARE(collector.waitFor(1).size(), 1);
    QCOMPARE(collector.bytes().first(), QByteArray("pingpelkin:0\0", 13));
}

LEDRA_TEST_MAIN(TestLoadPicked)
#include "tst_loadpicked.moc"
