// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "geo/core/listenerlocation.h"
#include "guide/guidewindow.h"
#include "log/core/heard.h"
#include "log/logentrydialog.h"
#include "log/logwindow.h"
#include "radiolink/core/rigtuning.h"
#include "radiolink/riglink.h"
#include "schedule/scheduletable.h"
#include "ui_mainwindow.h"

#include <QPointer>

namespace {

// A schedule row's nine fields as a season record: frequency, time, days, country, station,
// language, target, site; the row's mode code is left to the caller.
SeasonRecord recordOfRow(const QStringList& fields)
{
    QStringList season = fields.mid(0, 8);
    while (season.size() < 8)
        season.append(QString());
    season << QString() << QString() << QString();
    const SeasonFile file = parseSeasonFile("kHz:\n" + season.join(QLatin1Char(';')).toUtf8() + '\n');
    return file.records.value(0);
}

} // namespace

void MainWindow::setUpLog()
{
    auto* actionLog = new QAction(tr("Reception log..."), this);
    actionLog->setObjectName(QStringLiteral("actionLog"));
    ui->menuGuide->addAction(actionLog);
    connect(actionLog, &QAction::triggered, this, [this] {
        LogWindow* window = receptionLogWindow();
        window->show();
        window->raise();
        window->activateWindow();
    });
    auto* actionHeard = new QAction(tr("Heard it..."), this);
    actionHeard->setObjectName(QStringLiteral("actionHeardIt"));
    ui->menuEdit->addAction(actionHeard);
    connect(actionHeard, &QAction::triggered, this, &MainWindow::heardSelectedRow);
}

LogWindow* MainWindow::receptionLogWindow()
{
    if (!logWindow)
        logWindow = new LogWindow(this);
    return logWindow;
}

// the dialog opens at once; when the Hamlib link is set, the receiver's frequency comes into it
// as the rig answers
void MainWindow::enterHeard(const Reception& known)
{
    QPointer<LogEntryDialog> dialog = receptionLogWindow()->enterHeard(known);
    if (!rigLink->hamlibActive())
        return;
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(rigLink, &RigLink::frequencyRead, this, [dialog, connection](double hz) {
        if (dialog)
            dialog->setReceiverKhz(hz / 1000);
        disconnect(*connection);
    });
    rigLink->readFrequency();
}

void MainWindow::heardSelectedRow()
{
    const int row = selectedRowCount() == 1 ? theSelectedRow() : ui->thetable->currentRow();
    if (row < 0)
        return;
    const QStringList fields = scheduleTable->rowFields(row);
    Reception known = receptionOf(recordOfRow(fields), QDateTime::currentDateTimeUtc(), storedLocationText());
    const QString mode = hamlibModeName(fields.value(8));
    if (!mode.isEmpty())
        known.mode = mode;
    enterHeard(known);
}

// the guide's Heard it opens the entry dialog, and its marks follow the log
void MainWindow::connectGuideToLog()
{
    LogWindow* log = receptionLogWindow();
    connect(guideWindow, &GuideWindow::heardRequested, this, [this](const QString& line) {
        const SeasonFile file = parseSeasonFile("kHz:\n" + line.toUtf8() + '\n');
        if (!file.records.isEmpty())
            enterHeard(receptionOf(file.records.first(), QDateTime::currentDateTimeUtc(), storedLocationText()));
    });
    connect(log, &LogWindow::logChanged, guideWindow, [this, log] { guideWindow->showHeard(log->receptions()); });
    guideWindow->showHeard(log->receptions());
}
