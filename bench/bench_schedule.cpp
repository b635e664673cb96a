// Prints how long start-up, loading, sorting and saving take for large schedules: the real
// season schedules in the shared data folder when present, else generated ones.
#include "mainwindow.h"
#include "scheduleformat.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

struct Sample
{
    QString name;
    QByteArray bytes;
};

QByteArray generatedSchedule(int rows)
{
    QByteArray bytes;
    QRandomGenerator random(1);
    for (int row = 0; row < rows; ++row) {
        bytes += QByteArray::number(random.bounded(150, 26100)) + ";0000-2359;;USA;Station "
                 + QByteArray::number(row) + ";E;NAm;k;3;\n";
    }
    return bytes;
}

QList<Sample> samples()
{
    QList<Sample> list;
    const QDir data(QStringLiteral(LEDRA_SAMPLE_DATA));
    for (const QString& name : data.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name)) {
        QFile file(data.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            list.append({name, file.readAll()});
    }
    if (list.isEmpty()) {
        list.append({QStringLiteral("generated 10000 rows"), generatedSchedule(10000)});
        list.append({QStringLiteral("generated 20000 rows"), generatedSchedule(20000)});
    }
    return list;
}

// Answers every message box with its default button, so a run never waits for a person.
void answerBoxesAutomatically()
{
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    });
    timer->start(5);
}

double milliseconds(QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e6;
}

void measure(const Sample& sample, const QString& documents)
{
    QFile::remove(documents + QStringLiteral("/orvane-swbc-sked.bak"));
    QFile::remove(documents + QStringLiteral("/extra-swbc-sked.bak"));
    QFile file(documents + QStringLiteral("/orvane-swbc-sked.txt"));
    if (!file.open(QIODevice::WriteOnly) || file.write(sample.bytes) != sample.bytes.size())
        return;
    file.close();

    QElapsedTimer timer;
    timer.start();
    const QStringList lines = scheduleLines(decodeScheduleText(sample.bytes));
    QList<QStringList> rows;
    for (const QString& line : lines)
        rows.append(splitScheduleLine(line));
    const double parse = milliseconds(timer);
    timer.restart();
    sortRows(rows);
    const double sortList = milliseconds(timer);

    timer.restart();
    MainWindow window;
    const double startup = milliseconds(timer);
    timer.restart();
    window.on_sortnow_clicked();
    const double sortTable = milliseconds(timer);
    timer.restart();
    window.on_savedata_clicked();
    const double save = milliseconds(timer);

    std::printf("%-22s %7d rows  parse %7.1f ms  sort rows %6.1f ms  start-up with load %8.1f ms  "
                "Sort button %7.1f ms  Save %7.1f ms\n",
                qPrintable(sample.name), window.ui->thetable->rowCount(), parse, sortList, startup,
                sortTable, save);
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/.config")));
    QApplication app(argc, argv);
    QDir(home.path()).mkdir(QStringLiteral("Documents"));
    answerBoxesAutomatically();
    for (const Sample& sample : samples())
        measure(sample, home.path() + QStringLiteral("/Documents"));
    return 0;
}
