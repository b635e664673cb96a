// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "editing/core/entryrules.h"
#include "schedule/core/frequencyreadings.h"
#include "schedule/scheduletable.h"
#include "ui_mainwindow.h"

#include <QItemSelectionModel>

void MainWindow::on_leFreq_textChanged(QString text)
{
    const qint64 frequency = wholeKhz(text);
    if (frequency == noFrequency) {
        if (!text.isEmpty())
            ui->leFreq->setText(QString());
        return;
    }

    const int target = frequencyTargetRow(scheduleTable->frequencies(), frequency);
    if (target >= 0)
        ui->thetable->setCurrentCell(target, 0, QItemSelectionModel::Deselect);
}
