// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordings/recordingservice.h"

#include "recordings/audiosourcerecorder.h"
#include "recordings/core/recordingstore.h"
#include "recordings/core/recordingtimer.h"

#include <algorithm>

namespace {

std::unique_ptr<Recorder> windowRecorder(const RecordingEntry& entry)
{
    if (entry.recorder == RecorderKind::Sound)
        return std::make_unique<AudioSourceRecorder>();
    return standardRecorder(entry);
}

} // namespace

RecordingService::RecordingService(QObject* parent)
    : QObject(parent)
    , timer(new RecordingTimer(windowRecorder))
{
    timer->moveToThread(&thread);
    connect(&thread, &QThread::finished, timer, &QObject::deleteLater);
    connect(timer, &RecordingTimer::recordingStarted, this, &RecordingService::recordingStarted);
    connect(timer, &RecordingTimer::recordingEnded, this, &RecordingService::recordingEnded);
    thread.start();
    QMetaObject::invokeMethod(timer, [this] { timer->begin(); }, Qt::QueuedConnection);
}

RecordingService::~RecordingService()
{
    QMetaObject::invokeMethod(timer, &RecordingTimer::finish, Qt::BlockingQueuedConnection);
    thread.quit();
    thread.wait();
}

int RecordingService::plannedSoon() const
{
    QString problem;
    const RecordingPlan plan = readPlan(&problem);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const auto underWay = std::count_if(plan.takes.cbegin(), plan.takes.cend(),
                                        [](const Take& take) { return take.state == TakeState::Recording; });
    return int(underWay + dueEvents(plan, now, now.addDays(1)).starting.size());
}
