// SPDX-License-Identifier: GPL-3.0-or-later
// Follow receiver: the guide narrowed to what is on the air near the rig's frequency.
#include "guidewindow.h"

#include "mainwindow.h"
#include "riglink.h"
#include "rigtuning.h"
#include "ui_guidewindow.h"

#include <QHeaderView>
#include <QTimer>

bool GuideWindow::following() const
{
    return ui->guideFollow->isChecked();
}

void GuideWindow::showFollow(bool hamlib)
{
    if (!hamlib)
        ui->guideFollow->setChecked(false);
    ui->guideFollow->setVisible(hamlib);
}

void GuideWindow::follow(bool on)
{
    receiverKhz = -1;
    ui->guideReceiver->setText(tr("Receiver: reading..."));
    ui->guideReceiver->setVisible(on);
    // the rows come nearest first meanwhile; a header click still chooses the order for later
    ui->guideTable->horizontalHeader()->setSortIndicatorShown(!on);
    if (on) {
        mainWindow->rigLink->readFrequency();
        followTimer->start();
    } else {
        followTimer->stop();
        applyFilter();
    }
}

void GuideWindow::showReceiverFrequency(double hz)
{
    if (!following())
        return;
    ui->guideReceiver->setText(tr("Receiver: %1 kHz").arg(khzText(hz)));
    // the same frequency read again changes nothing, so a resting knob costs no refilter
    if (hz / 1000 != receiverKhz) {
        receiverKhz = hz / 1000;
        applyFilter();
    }
}

void GuideWindow::showReceiverFailure(const QString& error)
{
    if (!following())
        return;
    ui->guideReceiver->setText(tr("Receiver: %1").arg(error));
}
