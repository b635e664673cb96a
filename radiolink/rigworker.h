// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "radiolink/core/rigtuning.h"
#include "radiolink/rigconnection.h"

#include <QDeadlineTimer>
#include <QObject>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>

// Owns the one open rig and does all of its I/O on the thread it lives on. After a failed call
// the rig is closed, and the next call opens it again.
class RigWorker : public QObject
{
    Q_OBJECT

public:
    // the rig to open at the next call; a different rig closes the open one
    void useRig(const ReceiverSettings& settings);
    // called on the window's thread as a tune is queued, so that reads make way for it
    void tuneQueued();
    // sets the mode first, when there is one, so that the frequency lands exactly, then reads
    // both back; reports by the deadline
    void tune(double hz, const QString& modeName, const QDeadlineTimer& deadline);
    void readFrequency();
    // the frequency, then the mode (empty when the rig would not tell it); nothing when a tune
    // came first
    void readReceiver();
    // opens the given rig on its own, reads its frequency and mode, and closes it again
    void test(const ReceiverSettings& settings);

signals:
    void tuned(const QString& status);
    void tuneFailed(const QString& error);
    void frequencyRead(double hz);
    void frequencyReadFailed(const QString& error);
    void receiverRead(double hz, const QString& modeName);
    // a read given up for a tune: no answer comes
    void readDropped();
    void tested(const QString& result);

private:
    // one call on the open rig, opening it first; a link broken under the call is reopened and
    // the call made again, once per tune or read
    RigResult call(const std::function<RigResult()>& step, const CallLimit& limit, bool* reopened);
    RigResult ensureOpen(const CallLimit& limit);
    void closeRig();
    void report(const TuneReading& reading);

    std::unique_ptr<RigConnection> rig;
    ReceiverSettings settings;
    std::atomic<int> tunesWaiting{0};
};
