// SPDX-License-Identifier: GPL-3.0-or-later
#include "radiolink/riglink.h"

#include "radiolink/rigmodels.h"
#include "radiolink/rigworker.h"

RigLink::RigLink(QObject* parent)
    : QObject(parent)
    , current(ReceiverSettings::read())
    , worker(new RigWorker)
{
    // loaded here, before the rig thread runs, so that the two threads never load at once
    loadHamlibBackends();
    worker->useRig(current);
    worker->moveToThread(&rigThread);
    // the rig's socket belongs to the rig thread and is closed there, as the thread ends
    connect(&rigThread, &QThread::finished, worker, &QObject::deleteLater);
    connect(worker, &RigWorker::tuned, this, &RigLink::tuned);
    connect(worker, &RigWorker::tuneFailed, this, &RigLink::tuneFailed);
    connect(worker, &RigWorker::tested, this, &RigLink::tested);
    connect(worker, &RigWorker::frequencyRead, this, [this](double hz) {
        readPending = false;
        emit frequencyRead(hz);
    });
    connect(worker, &RigWorker::frequencyReadFailed, this, [this](const QString& error) {
        readPending = false;
        emit frequencyReadFailed(error);
    });
    connect(worker, &RigWorker::receiverRead, this, &RigLink::receiverRead);
    connect(worker, &RigWorker::readDropped, this, [this] { readPending = false; });
    rigThread.setObjectName(QStringLiteral("rig"));
    rigThread.start();
}

RigLink::~RigLink()
{
    // a call under way gives up within three seconds; calls still queued are dropped
    rigThread.quit();
    rigThread.wait();
}

const ReceiverSettings& RigLink::settings() const
{
    return current;
}

void RigLink::setSettings(const ReceiverSettings& settings)
{
    const bool linkChangedNow = settings.hamlib != current.hamlib;
    current = settings;
    QMetaObject::invokeMethod(worker, [worker = worker, settings] { worker->useRig(settings); });
    if (linkChangedNow)
        emit linkChanged(current.hamlib);
}

bool RigLink::hamlibActive() const
{
    return current.hamlib;
}

void RigLink::tune(double hz, const QString& modeName)
{
    // the three seconds count from the click, also while a read is still under way
    const QDeadlineTimer deadline(rigCallLimitMs);
    worker->tuneQueued();
    QMetaObject::invokeMethod(worker, [worker = worker, hz, modeName, deadline] {
        worker->tune(hz, modeName, deadline);
    });
}

void RigLink::test(const ReceiverSettings& settings)
{
    QMetaObject::invokeMethod(worker, [worker = worker, settings] { worker->test(settings); });
}

void RigLink::readFrequency()
{
    if (readPending)
        return;
    readPending = true;
    QMetaObject::invokeMethod(worker, [worker = worker] { worker->readFrequency(); });
}

void RigLink::readReceiver()
{
    QMetaObject::invokeMethod(worker, [worker = worker] { worker->readReceiver(); });
}
