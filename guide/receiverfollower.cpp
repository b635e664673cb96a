// SPDX-License-Identifier: GPL-3.0-or-later
#include "guide/receiverfollower.h"

#include "radiolink/core/rigtuning.h"
#include "radiolink/riglink.h"

#include <QTimer>

ReceiverFollower::ReceiverFollower(RigLink* rig, QObject* parent)
    : QObject(parent)
    , rig(rig)
    , timer(new QTimer(this))
{
    timer->setInterval(1000);
    connect(timer, &QTimer::timeout, rig, &RigLink::readFrequency);
    connect(rig, &RigLink::frequencyRead, this, &ReceiverFollower::showFrequency);
    connect(rig, &RigLink::frequencyReadFailed, this, &ReceiverFollower::showFailure);
    connect(rig, &RigLink::linkChanged, this, [this](bool hamlib) {
        if (!hamlib)
            setActive(false);
        emit availableChanged(hamlib);
    });
}

bool ReceiverFollower::available() const
{
    return rig->hamlibActive();
}

void ReceiverFollower::setActive(bool active)
{
    if (active == on)
        return;
    on = active;
    lastKhz = -1;
    if (on) {
        emit statusChanged(tr("Receiver: reading..."));
        rig->readFrequency();
    }
    setPaused(paused);
}

void ReceiverFollower::setPaused(bool pause)
{
    paused = pause;
    if (on && !paused)
        timer->start();
    else
        timer->stop();
}

void ReceiverFollower::showFrequency(double hz)
{
    if (!on)
        return;
    emit statusChanged(tr("Receiver: %1 kHz").arg(khzText(hz)));
    // the same frequency read again changes nothing, so a resting knob costs no refilter
    if (hz / 1000 != lastKhz) {
        lastKhz = hz / 1000;
        emit khzChanged(lastKhz);
    }
}

void ReceiverFollower::showFailure(const QString& error)
{
    if (on)
        emit statusChanged(tr("Receiver: %1").arg(error));
}
