// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "guide/guidewindow.h"
#include "schedule/onairdelegate.h"
#include "schedule/scheduletable.h"
#include "ui_mainwindow.h"

#include <QTimer>

void MainWindow::setUpGuide()
{
    connect(ui->actionSeasonSchedule, &QAction::triggered, this, &MainWindow::showGuide);
    ui->thetable->setItemDelegate(new OnAirDelegate(ui->thetable));
    // the bold rows follow the clock: a repaint each minute decides them anew
    auto* minute = new QTimer(this);
    connect(minute, &QTimer::timeout, ui->thetable->viewport(), qOverload<>(&QWidget::update));
    minute->start(60 * 1000);
}

void MainWindow::showGuide()
{
    if (!guideWindow) {
        guideWindow = new GuideWindow(scheduleTable->view()->model(), rigLink, this);
        connect(guideWindow, &GuideWindow::tuneRequested, this, &MainWindow::tuneReceiver);
        connect(guideWindow, &GuideWindow::recordRequested, this, &MainWindow::recordBroadcast);
        connect(guideWindow, &GuideWindow::rowsToAdd, this, [this](const QList<QStringList>& rows) {
            scheduleTable->appendRowsUndoable(rows, tr("Add to schedule"));
            setWindowModified(true);
        });
        connect(guideWindow, &GuideWindow::inactiveLinesChanged, this, [this](const QSet<QString>& lines) {
            auto* delegate = static_cast<OnAirDelegate*>(ui->thetable->itemDelegate());
            delegate->setInactiveLines(lines);
            ui->thetable->viewport()->update();
        });
        connectGuideToLog();
    }
    guideWindow->show();
    guideWindow->raise();
    guideWindow->activateWindow();
}
