// SPDX-License-Identifier: GPL-3.0-or-later
#include "radiolink/rigworker.h"

void RigWorker::useRig(const ReceiverSettings& newSettings)
{
    if (newSettings == settings && rig)
        return;
    closeRig();
    settings = newSettings;
    rig = makeRigConnection(settings);
}

void RigWorker::tuneQueued()
{
    ++tunesWaiting;
}

void RigWorker::tune(double hz, const QString& modeName, const QDeadlineTimer& deadline)
{
    --tunesWaiting;
    const CallLimit limit{deadline, {}};
    bool reopened = false;
    TuneReading reading;
    reading.askedHz = hz;
    reading.askedMode = modeName;
    if (!modeName.isEmpty()) {
        const RigResult set = call([&] { return rig->setMode(modeName, limit); }, limit, &reopened);
        if (set.kind == RigResult::Refused) {
            reading.modeError = refusedModeText(modeName);
        } else if (!set.done()) {
            reading.frequencyError = set.error;
            return report(reading);
        }
    }
    RigResult result = call([&] { return rig->setFrequency(hz, limit); }, limit, &reopened);
    if (result.done())
        result = call([&] { return rig->readFrequency(&reading.readHz, limit); }, limit, &reopened);
    if (!result.done()) {
        reading.frequencyError = result.kind == RigResult::Refused ? refusedFrequencyText(hz) : result.error;
        return report(reading);
    }
    if (!modeName.isEmpty()) {
        result = call([&] { return rig->readMode(&reading.readMode, limit); }, limit, &reopened);
        if (!result.done()) {
            reading.readMode.clear();
            if (reading.modeError.isEmpty())
                reading.modeError = result.error;
        }
    }
    report(reading);
}

void RigWorker::readFrequency()
{
    if (tunesWaiting > 0) {
        emit readDropped();
        return;
    }
    const CallLimit limit{QDeadlineTimer(rigCallLimitMs), [this] { return tunesWaiting > 0; }};
    bool reopened = false;
    double hz = 0;
    const RigResult result = call([&] { return rig->readFrequency(&hz, limit); }, limit, &reopened);
    if (result.kind == RigResult::Abandoned)
        emit readDropped();
    else if (result.done())
        emit frequencyRead(hz);
    else
        emit frequencyReadFailed(result.error);
}

void RigWorker::readReceiver()
{
    if (tunesWaiting > 0)
        return;
    const CallLimit limit{QDeadlineTimer(rigCallLimitMs), [this] { return tunesWaiting > 0; }};
    bool reopened = false;
    double hz = 0;
    if (!call([&] { return rig->readFrequency(&hz, limit); }, limit, &reopened).done())
        return;
    QString mode;
    if (!call([&] { return rig->readMode(&mode, limit); }, limit, &reopened).done())
        mode.clear();
    emit receiverRead(hz, mode);
}

void RigWorker::test(const ReceiverSettings& testSettings)
{
    // only one rig is open at a time: the test may well use the same port
    closeRig();
    const std::unique_ptr<RigConnection> testRig = makeRigConnection(testSettings);
    const CallLimit limit{QDeadlineTimer(rigCallLimitMs), {}};
    double hz = 0;
    QString mode;
    RigResult result = testRig->open(limit);
    if (result.done())
        result = testRig->readFrequency(&hz, limit);
    if (result.done())
        result = testRig->readMode(&mode, limit);
    testRig->close();
    emit tested(result.done() ? QStringLiteral("Rig on %1 kHz %2").arg(khzText(hz), mode) : result.error);
}

void RigWorker::closeRig()
{
    if (rig)
        rig->close();
}

RigResult RigWorker::call(const std::function<RigResult()>& step, const CallLimit& limit, bool* reopened)
{
    RigResult result = ensureOpen(limit);
    if (result.done())
        result = step();
    if (result.kind == RigResult::Broken && !*reopened) {
        *reopened = true;
        rig->close();
        result = ensureOpen(limit);
        if (result.done())
            result = step();
    }
    if (!result.done() && result.kind != RigResult::Refused)
        rig->close();
    return result;
}

RigResult RigWorker::ensureOpen(const CallLimit& limit)
{
    if (!rig)
        rig = makeRigConnection(settings);
    return rig->isOpen() ? RigResult() : rig->open(limit);
}

void RigWorker::report(const TuneReading& reading)
{
    const TuneReport outcome = tuneReport(reading);
    if (outcome.failure.isEmpty())
        emit tuned(outcome.status);
    else
        emit tuneFailed(outcome.failure);
}
