// SPDX-License-Identifier: GPL-3.0-or-later
// Prints what a reception log of a thousand entries costs: opening it and reading every entry,
// opening the log window on it, a keystroke in the window's text filter and a date range, one
// entry added (a transaction of its own), and the ADIF export. Each figure is the median of
// several runs, on a log in a fresh temporary home.
#include "log/core/logfiles.h"
#include "log/core/receptionlog.h"
#include "log/logwindow.h"
#include "log/receptionmodel.h"
#include "ui_logwindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTableView>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

const int entries = 1000;

QList<Reception> generatedLog()
{
    const QStringList stations = {"Radio Romania Int.", "BBC World Service", "Radio Ö1", "Voice of Turkey",
                                  "Radio Habana Cuba", "China Radio Int.", "Radio Nacional de España"};
    QList<Reception> log;
    for (int i = 0; i < entries; ++i) {
        Reception r;
        r.start = QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC).addSecs(qint64(i) * 7 * 3600);
        r.khz = 5900 + (i * 37) % 12000;
        r.mode = "AM";
        r.station = stations.at(i % stations.size());
        r.language = i % 3 ? "E" : "F,E";
        r.target = "Eu";
        r.country = "ROU";
        r.site = "Galbeni 46N45-26E41";
        r.listener = "JO62qm";
        r.km = 1153;
        r.bearing = 119;
        r.path = "night";
        r.sinpo = "34433";
        r.receiver = "Icom IC-R75";
        r.antenna = "Wire, 20 m";
        r.notes = QString("Interval signal, then news; fading at the top of the hour (%1)").arg(i);
        log.append(r);
    }
    return log;
}

double medianMs(int runs, const std::function<void()>& work)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

void print(const char* what, double ms)
{
    std::printf("%-58s %8.2f ms\n", what, ms);
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path() + "/data"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/config"));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    {
        ReceptionLog log;
        log.import(generatedLog());
    }
    std::printf("A reception log of %d entries (%s)\n", entries, qPrintable(ReceptionLog::defaultPath()));
    print("open the log and read every entry", medianMs(21, [] {
              ReceptionLog log;
              if (log.receptions().size() != entries)
                  std::abort();
          }));
    print("open the log window on it", medianMs(11, [] { LogWindow window; }));
    LogWindow window;
    window.ui->logTable->resize(900, 400);
    int keystroke = 0;
    print("a keystroke in the text filter", medianMs(21, [&] {
              window.ui->logFilter->setText(keystroke++ % 2 ? QStringLiteral("radio") : QStringLiteral("radi"));
          }));
    window.ui->logFilter->clear();
    window.ui->logDatesGiven->setChecked(true);
    int day = 0;
    print("a date range of a month, moved a day", medianMs(21, [&] {
              window.ui->logFrom->setDate(QDate(2026, 3, 1).addDays(++day));
              window.ui->logTo->setDate(QDate(2026, 4, 1).addDays(day));
          }));
    ReceptionLog log;
    Reception one = generatedLog().first();
    int minute = 0;
    print("add one entry (a transaction, WAL)", medianMs(21, [&] {
              one.start = QDateTime(QDate(2030, 1, 1), QTime(0, 0), Qt::UTC).addSecs(60 * ++minute);
              log.add(one);
          }));
    const QList<Reception> all = log.receptions();
    print("write the ADIF export", medianMs(11, [&] { writeAdif(all); }));
    return 0;
}
