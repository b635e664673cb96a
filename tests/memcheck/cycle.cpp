// SPDX-License-Identifier: GPL-3.0-or-later
// One session as a user has it, for memcheck.sh: start on a first run, add an entry, delete
// one, sort, save and quit. Exits with 1 when the saved schedule is not the expected one.
#include "app/mainwindow.h"
#include "tests/support/modalanswerer.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

namespace {

QByteArray savedFrequencies(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    QByteArrayList frequencies;
    for (const QByteArray& line : file.readAll().split('\n'))
        frequencies.append(line.left(line.indexOf(';')));
    return frequencies.join(' ');
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/.config")));
    QApplication app(argc, argv);
    ModalAnswerer answerer;
    {
        MainWindow window; // makes the Documents folder and writes the four sample entries
        window.show();
        Ui_MainWindow* ui = window.ui;
        ui->leFreq->setText(QStringLiteral("9580"));
        ui->leTime->setText(QStringLiteral("1000-1100"));
        ui->leLabel->setText(QStringLiteral("Radio Australia"));
        ui->additem->click();
        ui->thetable->selectRow(0);
        ui->deleteitem->click();
        ui->sortnow->click();
        ui->savedata->click();
        window.close();
    }
    const QByteArray saved = savedFrequencies(home.path() + QStringLiteral("/Documents/orvane-swbc-sked.txt"));
    if (saved != "1040 9580 14230 14233 " || answerer.boxes.size() != 2) {
        std::fprintf(stderr, "saved \"%s\" after %d boxes\n", saved.constData(), int(answerer.boxes.size()));
        return 1;
    }
    return 0;
}
