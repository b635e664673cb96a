// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/testwindow.h"

#include "radiolink/riglink.h"
#include "schedule/tableitem.h"
#include "tests/support/testenv.h"
#include "ui_mainwindow.h"

#include <QItemSelectionModel>
#include <QLabel>
#include <QTableWidget>

namespace ledraTest {

QStringList fields(const QString& line)
{
    QStringList parts = line.split(QLatin1Char(';'));
    if (line.endsWith(QLatin1Char(';')))
        parts.removeLast();
    return parts;
}

FreshHome::FreshHome()
{
    resetHome();
    writeFile(documentsFolder() + QStringLiteral("/orvane-swbc-sked.txt"), QByteArray());
}

TestWindow::TestWindow(const QList<QStringList>& rows)
{
    setRows(rows);
    window.setWindowModified(false);
    answerer.boxes.clear();
}

void TestWindow::setRows(const QList<QStringList>& rows)
{
    QTableWidget* table = window.ui->thetable;
    table->setRowCount(0);
    table->setRowCount(int(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows.at(row).size() && column < 9; ++column)
            table->setItem(row, column, new TableItem(rows.at(row).at(column)));
    }
    table->clearSelection();
}

QList<QStringList> TestWindow::rows(int columns)
{
    QList<QStringList> all;
    for (int row = 0; row < window.ui->thetable->rowCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < columns; ++column)
            texts.append(window.getTableItem(row, column));
        all.append(texts);
    }
    return all;
}

void TestWindow::selectRows(const QList<int>& rows)
{
    ledraTest::selectRows(window.ui->thetable, rows);
}

RigLink* TestWindow::rigLink()
{
    return window.findChild<RigLink*>();
}

void selectRows(QAbstractItemView* table, const QList<int>& rows)
{
    table->clearSelection();
    for (int row : rows) {
        table->selectionModel()->select(table->model()->index(row, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

QString seasonPath()
{
    return homeFolder() + QStringLiteral("/season.csv");
}

GuideTestWindow::GuideTestWindow(const QByteArray& seasonFile, const QList<QStringList>& rows)
    : TestWindow(rows)
{
    if (!seasonFile.isEmpty())
        writeFile(seasonPath(), seasonFile);
    window.ui->actionSeasonSchedule->trigger();
    guide = window.findChild<GuideWindow*>(QStringLiteral("guideWindow"));
    if (!seasonFile.isEmpty() && guide->openFile(seasonPath()))
        guide->showMoment(QDateTime(QDate(2025, 6, 16), QTime(12, 0), Qt::UTC));
}

QTableView* GuideTestWindow::table()
{
    return child<QTableView>("guideTable");
}

QString GuideTestWindow::count()
{
    return child<QLabel>("guideCount")->text();
}

} // namespace ledraTest
