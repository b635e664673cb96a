// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "guide/guidewindow.h"
#include "radiolink/core/rigtuning.h"
#include "recordings/recorddialog.h"
#include "recordings/recordingservice.h"
#include "recordings/recordingswindow.h"
#include "season/core/seasonrecord.h"
#include "ui_mainwindow.h"

#include <QMessageBox>
#include <QStatusBar>

void MainWindow::setUpRecordings()
{
    auto* recordings = ui->menuGuide->addAction(QStringLiteral("Recordings..."));
    recordings->setObjectName(QStringLiteral("actionRecordings"));
    connect(recordings, &QAction::triggered, this, &MainWindow::showRecordings);
    auto* record = ui->menuEdit->addAction(QStringLiteral("Record..."));
    record->setObjectName(QStringLiteral("actionRecord"));
    connect(record, &QAction::triggered, this, &MainWindow::recordSelectedRow);

    recordingService = new RecordingService(this);
    connect(recordingService, &RecordingService::recordingStarted, this, [this](const Take& take) {
        statusBar()->showMessage(QStringLiteral("Recording %1 kHz %2").arg(khzText(take.khz * 1000), take.station));
        if (recordingsWindow)
            recordingsWindow->refresh();
    });
    connect(recordingService, &RecordingService::recordingEnded, this, [this](const Take& take) {
        statusBar()->showMessage(QStringLiteral("Recording of %1 kHz %2: %3")
                                     .arg(khzText(take.khz * 1000), take.station, takeStateName(take.state)));
        if (recordingsWindow)
            recordingsWindow->refresh();
    });
}

void MainWindow::showRecordings()
{
    if (!recordingsWindow)
        recordingsWindow = new RecordingsWindow(this);
    recordingsWindow->refresh();
    recordingsWindow->show();
    recordingsWindow->raise();
    recordingsWindow->activateWindow();
}

void MainWindow::recordSelectedRow()
{
    if (selectedRowCount() != 1) {
        QMessageBox::information(this, QStringLiteral("Notice"), QStringLiteral("You must select one row to Record"));
        return;
    }
    const int row = theSelectedRow();
    BroadcastToRecord broadcast;
    broadcast.khz = getTableItem(row, 0).toDouble();
    broadcast.station = getTableItem(row, 4);
    broadcast.mode = hamlibModeName(getTableItem(row, 8));
    if (!parseTimeRange(getTableItem(row, 1), broadcast.times)) {
        QMessageBox::information(this, QStringLiteral("Notice"), QStringLiteral("The row has no time to Record"));
        return;
    }
    broadcast.times.days = parseDays(getTableItem(row, 2));
    RecordDialog(broadcast, this).exec();
    if (recordingsWindow)
        recordingsWindow->refresh();
}

void MainWindow::recordBroadcast(const SeasonRecord& record)
{
    BroadcastToRecord broadcast;
    broadcast.khz = record.khz;
    broadcast.station = record.field(StationField).toString();
    broadcast.mode = record.times.days.mode.isEmpty() ? QStringLiteral("AM") : hamlibModeName(record.times.days.mode);
    broadcast.times = record.times;
    broadcast.startDate = record.startDate;
    broadcast.stopDate = record.stopDate;
    RecordDialog(broadcast, guideWindow ? static_cast<QWidget*>(guideWindow) : this).exec();
    if (recordingsWindow)
        recordingsWindow->refresh();
}

bool MainWindow::mayQuitWithRecordings()
{
    const int planned = recordingService->plannedSoon();
    if (planned == 0)
        return true;
    const QString text = planned == 1 ? QStringLiteral("1 recording is planned tonight; quit anyway?")
                                      : QStringLiteral("%1 recordings are planned tonight; quit anyway?").arg(planned);
    return QMessageBox::question(this, QStringLiteral("Recordings"), text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No)
           == QMessageBox::Yes;
}
