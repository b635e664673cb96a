// SPDX-License-Identifier: GPL-3.0-or-later
// Times the main window's actions on schedules of every size against what plain Qt needs for
// the same work in the same process, and prints one table. bench/README.md shows how to run it.
#include "app/mainwindow.h"
#include "bench/benchclock.h"
#include "bench/benchschedules.h"
#include "schedule/core/scheduleformat.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QNetworkInterface>
#include <QProcess>
#include <QSaveFile>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

struct Result
{
    QString operation;
    QString schedule;
    double ledra;
    double floor;
};

QString documents()
{
    return QDir::homePath() + QStringLiteral("/Documents");
}

QString orvanePath()
{
    return documents() + QStringLiteral("/orvane-swbc-sked.txt");
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

// Lets the window finish what it put off: layouts, then painting.
void settle()
{
    for (int pass = 0; pass < 3; ++pass) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

double timed(const std::function<void()>& work)
{
    const double start = processMilliseconds();
    work();
    settle();
    return processMilliseconds() - start;
}

// The same runs of an action and of its floor, interleaved so both meet the same load of the machine.
QPair<double, double> medians(int runs, const std::function<void()>& prepare,
                              const std::function<void()>& action, const std::function<void()>& floor)
{
    QList<double> ledra, bare;
    for (int run = 0; run < runs; ++run) {
        prepare();
        settle();
        ledra.append(timed(action));
        bare.append(timed(floor));
    }
    return {median(ledra), median(bare)};
}

// A plain table window, filled the way a program without any care for speed fills it.
struct BareTable
{
    BareTable()
    {
        window.setCentralWidget(table);
        table->setColumnCount(orvaneColumns);
        window.resize(1000, 700);
        window.show();
    }
    void fill(const QList<QStringList>& rows)
    {
        table->setRowCount(0);
        table->setRowCount(int(rows.size()));
        for (int row = 0; row < rows.size(); ++row) {
            for (int column = 0; column < rows.at(row).size(); ++column)
                table->setItem(row, column, new QTableWidgetItem(rows.at(row).at(column)));
        }
    }
    QMainWindow window;
    QTableWidget* table = new QTableWidget;
};

bool plainLessThan(const QStringList& first, const QStringList& second)
{
    return first.at(0).toInt() < second.at(0).toInt();
}

// The floor of Save: parse the file's text, sort it once, write both files.
void plainSave(const QByteArray& bytes)
{
    QList<QStringList> rows = splitRows(bytes);
    std::stable_sort(rows.begin(), rows.end(), plainLessThan);
    for (int columns : {orvaneColumns, pelkinColumns}) {
        QString text;
        for (const QStringList& row : rows)
            text += row.mid(0, columns).join(QLatin1Char(';')) + QStringLiteral(";\n");
        QSaveFile file(documents() + QStringLiteral("/plain-%1.txt").arg(columns));
        if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
            qFatal("cannot write the plain files");
    }
}

// The floor of a keystroke: an early-stopping scan of the frequency column.
void plainScan(QTableWidget* table, int frequency)
{
    for (int row = 0; row < table->rowCount(); ++row) {
        const QTableWidgetItem* item = table->item(row, 0);
        if (item && item->text().toInt() >= frequency)
            return;
    }
}

long residentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// Run in a process of its own: loads the schedule file into the window or the bare table and
// prints the resident memory.
int printResidentMemory(bool bare)
{
    const QList<QStringList> rows = bare ? splitRows([] {
        QFile file(orvanePath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }()) : QList<QStringList>();
    if (bare) {
        BareTable table;
        table.fill(rows);
        settle();
        std::printf("%ld\n", residentKilobytes());
    } else {
        MainWindow window;
        window.show();
        settle();
        std::printf("%ld\n", residentKilobytes());
    }
    return 0;
}

double residentMegabytes(const char* mode)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(mode)});
    child.waitForFinished(-1);
    return child.readAllStandardOutput().trimmed().toDouble() / 1024;
}

void measureStartUp(QList<Result>& results)
{
    writeBytes(orvanePath(), generatedSchedule(10));
    QList<QPair<QString, QStringList>> boxes;
    {
        MainWindow window;
        for (QComboBox* box : {window.ui->cbFrom, window.ui->cbLang, window.ui->cbTo, window.ui->cbTx,
                               window.ui->cbFor, window.ui->cbMode}) {
            QStringList texts;
            for (int index = 0; index < box->count(); ++index)
                texts.append(box->itemText(index) + QLatin1Char('\t') + box->itemData(index).toString());
            boxes.append({box->objectName(), texts});
        }
    }
    const auto ledra = [] {
        MainWindow window;
        window.show();
        settle();
    };
    const auto bare = [&boxes] {
        QMainWindow window;
        auto* central = new QWidget;
        auto* layout = new QHBoxLayout(central);
        for (const auto& box : boxes) {
            auto* combo = new QComboBox;
            for (const QString& item : box.second)
                combo->addItem(item.section(QLatin1Char('\t'), 0, 0), item.section(QLatin1Char('\t'), 1));
            layout->addWidget(combo);
        }
        window.setCentralWidget(central);
        window.show();
        settle();
    };
    const auto [window, floor] = medians(15, [] {}, ledra, bare);
    results.append({QStringLiteral("start-up, 10 lines (floor: QMainWindow, six filled combo boxes)"),
                    QStringLiteral("generated 10"), window, floor});
}

void measure(const Schedule& schedule, QList<Result>& results)
{
    writeBytes(orvanePath(), schedule.bytes);
    const QList<QStringList> rows = splitRows(schedule.bytes);
    const int size = int(rows.size());
    const int runs = size > 50000 ? 3 : 5;
    // an edit costs about a millisecond, so many of them give a steadier median
    const int editRuns = 15;
    const QString name = QStringLiteral("%1 (%2 rows)").arg(schedule.name).arg(size);
    const auto add = [&results, &name](const QString& operation, QPair<double, double> times) {
        results.append({operation, name, times.first, times.second});
    };

    MainWindow* window = nullptr;
    std::unique_ptr<BareTable> fresh;
    add(QStringLiteral("start-up load (floor: a bare table window, split and filled)"),
        medians(runs, [&window, &fresh] { delete window; window = nullptr; fresh.reset(); },
                [&window] { window = new MainWindow; window->show(); },
                [&fresh, &schedule] {
                    fresh = std::make_unique<BareTable>();
                    fresh->fill(splitRows(schedule.bytes));
                }));
    fresh.reset();
    BareTable bare;
    Ui_MainWindow* ui = window->ui;
    const auto reload = [window] { window->getdbfile(QString()); };

    QList<QStringList> sorted = rows;
    std::stable_sort(sorted.begin(), sorted.end(), plainLessThan);
    add(QStringLiteral("Sort button (floor: bare fill)"),
        medians(runs, reload, [ui] { ui->sortnow->click(); }, [&bare, &sorted] { bare.fill(sorted); }));

    for (int sortOnSave : {0, 1}) {
        window->sortOnSave = sortOnSave;
        add(QStringLiteral("Save, Sort-on-save %1 (floor: parse, sort, write both)").arg(sortOnSave ? "on" : "off"),
            medians(runs, reload, [ui] { ui->savedata->click(); }, [&schedule] { plainSave(schedule.bytes); }));
    }
    window->sortOnSave = 0;

    // the worst keystroke of typing three frequencies into the box over the sorted table
    ui->sortnow->click();
    bare.fill(sorted);
    QList<double> keystrokes, scans;
    for (const QString frequency : {"9650", "15770", "25900"}) {
        ui->leFreq->clear();
        for (int length = 1; length <= frequency.size(); ++length) {
            QList<double> ledra, floor;
            for (int run = 0; run < editRuns; ++run) {
                ui->leFreq->setText(frequency.left(length - 1));
                settle();
                ledra.append(timed([ui, &frequency, length] { ui->leFreq->insert(frequency.mid(length - 1, 1)); }));
                floor.append(timed([&bare, &frequency, length] { plainScan(bare.table, frequency.left(length).toInt()); }));
            }
            keystrokes.append(median(ledra));
            scans.append(median(floor));
        }
    }
    add(QStringLiteral("frequency keystroke, worst of 14 (floor: early-stopping scan)"),
        {*std::max_element(keystrokes.cbegin(), keystrokes.cend()), *std::max_element(scans.cbegin(), scans.cend())});

    const QStringList entry{"9650", "0600-0700", QString(), "S", "Sveriges Radio Ålesund", "SWE", "EAf", "k", "1"};
    add(QStringLiteral("Add one entry (floor: insertRow and 9 setItem)"),
        medians(editRuns, [ui] {
            ui->leFreq->setText(QStringLiteral("9650"));
            ui->leTime->setText(QStringLiteral("0600-0700"));
            ui->leLabel->setText(QStringLiteral("Sveriges Radio Ålesund"));
        }, [ui] { ui->additem->click(); }, [&bare, &entry] {
            const int row = bare.table->rowCount();
            bare.table->insertRow(row);
            for (int column = 0; column < orvaneColumns; ++column)
                bare.table->setItem(row, column, new QTableWidgetItem(entry.at(column)));
            bare.table->scrollToBottom();
        }));
    add(QStringLiteral("Del one row (floor: removeRow)"),
        medians(editRuns, [ui, size] { ui->thetable->selectRow(size / 2); },
                [ui] { ui->deleteitem->click(); }, [&bare, size] { bare.table->removeRow(size / 2); }));
    // what the removal costs a QTableWidget of this size before anything is painted
    bare.window.hide();
    add(QStringLiteral("Del one row (floor: removeRow, nothing painted)"),
        medians(editRuns, [ui, size] { ui->thetable->selectRow(size / 2); },
                [ui] { ui->deleteitem->click(); }, [&bare, size] { bare.table->removeRow(size / 2); }));
    delete window;

    add(QStringLiteral("resident memory after load, MB (floor: bare fill)"),
        {residentMegabytes("--resident-window"), residentMegabytes("--resident-bare")});
}

QString figure(double value)
{
    return QString::number(value, 'f', value < 10 ? 2 : 1);
}

void printTable(const QList<Result>& results)
{
    std::printf("| action | schedule | Ledra ms | floor ms | ratio |\n|---|---|---|---|---|\n");
    for (const Result& result : results) {
        std::printf("| %s | %s | %s | %s | %.2f |\n", qPrintable(result.operation), qPrintable(result.schedule),
                    qPrintable(figure(result.ledra)), qPrintable(figure(result.floor)), result.ledra / result.floor);
    }
    std::printf("\n| action | at 100,000 rows / at 10,000 rows |\n|---|---|\n");
    for (const Result& large : results) {
        for (const Result& medium : results) {
            if (large.operation == medium.operation && large.schedule.startsWith(QLatin1String("generated 100000"))
                && medium.schedule.startsWith(QLatin1String("generated 10000 ")))
                std::printf("| %s | %.1f |\n", qPrintable(large.operation), large.ledra / medium.ledra);
        }
    }
}

// Save announces itself with a broadcast: the bench runs where only loopback exists.
bool onlyLoopback()
{
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    return std::all_of(interfaces.cbegin(), interfaces.cend(), [](const QNetworkInterface& interface) {
        return interface.flags().testFlag(QNetworkInterface::IsLoopBack);
    });
}

// Answers any message box, so that a run never waits for a person.
void closeMessageBoxes()
{
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    timer->start(100);
}

} // namespace

int main(int argc, char* argv[])
{
    const QByteArray mode = argc > 1 ? QByteArray(argv[1]) : QByteArray();
    std::unique_ptr<QTemporaryDir> home;
    if (mode.isEmpty()) {
        home = std::make_unique<QTemporaryDir>();
        qputenv("HOME", QFile::encodeName(home->path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home->path() + QStringLiteral("/.config")));
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QDir(home->path()).mkdir(QStringLiteral("Documents"));
    }
    // the window's own warnings would bury the table
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    QApplication app(argc, argv);
    if (!mode.isEmpty())
        return printResidentMemory(mode == "--resident-bare");
    if (!onlyLoopback()) {
        std::fprintf(stderr, "ledra_bench: run it without a network, as bench/README.md shows\n");
        return 1;
    }
    closeMessageBoxes();
    QList<Result> results;
    measureStartUp(results);
    for (const Schedule& schedule : schedules())
        measure(schedule, results);
    printTable(results);
    return 0;
}
