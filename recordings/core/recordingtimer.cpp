// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordings/core/recordingtimer.h"

#include "recordings/core/gqrxrecorder.h"
#include "recordings/core/pulserecorder.h"
#include "recordings/core/recordingstore.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

int leadSeconds(RecorderKind kind)
{
    return kind == RecorderKind::Sound ? 3 : 0;
}

std::unique_ptr<Recorder> standardRecorder(const RecordingEntry& entry)
{
    if (entry.recorder == RecorderKind::Sound)
        return std::make_unique<PulseRecorder>();
    return std::make_unique<GqrxRecorder>(entry.device, gqrxRecordingFolder());
}

namespace {
const int tickMs = 250;
const int checkSeconds = 5;
// a start later than this after the planned one is told in the take
const int lateSeconds = 10;
} // namespace

RecordingTimer::RecordingTimer(RecorderFactory factory, QObject* parent)
    : QObject(parent)
    , factory(std::move(factory))
    , ticks(this)
{
    ticks.setInterval(tickMs);
    connect(&ticks, &QTimer::timeout, this, &RecordingTimer::check);
}

RecordingTimer::~RecordingTimer()
{
    finish();
}

bool RecordingTimer::begin()
{
    QDir().mkpath(QFileInfo(planPath()).absolutePath());
    lock = std::make_unique<QLockFile>(planPath() + QStringLiteral(".lock"));
    // the lock of a program that was killed is taken over, however recent
    lock->setStaleLockTime(0);
    if (!lock->tryLock()) {
        lock.reset();
        return false;
    }
    QString problem;
    RecordingPlan plan = readPlan(&problem);
    QList<bool> unfinished;
    for (const Take& take : plan.takes)
        unfinished.append(take.state == TakeState::Recording);
    if (problem.isEmpty() && markUnfinishedTakes(&plan)) {
        for (int index = 0; index < plan.takes.size(); ++index) {
            if (unfinished.at(index))
                finishLeftOver(&plan.takes[index]);
        }
        problem = writePlan(plan);
    }
    if (!problem.isEmpty())
        emit planProblem(problem);
    dropFinished();
    ticks.start();
    return true;
}

void RecordingTimer::finishLeftOver(Take* take)
{
    RecordingEntry entry;
    entry.recorder = take->recorder;
    entry.device = take->device;
    const std::unique_ptr<Recorder> leftOver = factory(entry);
    if (!leftOver)
        return;
    const QString problem = leftOver->finishLeftOver(*take, &take->file);
    if (!problem.isEmpty())
        take->reason += QStringLiteral("; ") + problem;
}

void RecordingTimer::finish()
{
    ticks.stop();
    if (recorder)
        endRecording(QString(), true);
    lock.reset();
}

void RecordingTimer::check()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (recorder) {
        if (now >= take.stop) {
            endRecording(QString(), false);
        } else if (lastCheck.secsTo(now) >= checkSeconds) {
            lastCheck = now;
            const QString fault = recorder->check();
            if (!fault.isEmpty())
                endRecording(fault, false);
        }
        return;
    }
    QString problem;
    const RecordingPlan plan = readPlan(&problem);
    if (!problem.isEmpty())
        return;
    for (const RecordingEntry& entry : plan.entries) {
        const QDateTime soon = now.addSecs(leadSeconds(entry.recorder));
        for (const Occurrence& occurrence : occurrences(entry, soon, soon.addMSecs(1))) {
            if (!plan.hasTake(entry.id, occurrence.airStart)) {
                startRecording(entry, occurrence);
                return;
            }
        }
    }
}

void RecordingTimer::startRecording(const RecordingEntry& entry, const Occurrence& occurrence)
{
    take = Take();
    take.entryId = entry.id;
    take.station = entry.station;
    take.khz = entry.khz;
    take.recorder = entry.recorder;
    take.device = entry.device;
    take.airStart = occurrence.airStart;
    take.start = occurrence.start;
    take.stop = occurrence.stop;
    recorder = factory(entry);
    const QString path = freeRecordingPath(
        recordingFileName(occurrence, entry.khz, entry.station, recorder->extension()));
    QString note;
    // a recorder may turn this thread's event loop while it starts: no check meanwhile
    ticks.stop();
    const QString problem = recorder->start(entry, path, std::max(occurrence.start, QDateTime::currentDateTimeUtc()), &note);
    if (problem.isEmpty())
        take.began = recorder->began();
    ticks.start();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (!problem.isEmpty()) {
        recorder.reset();
        take.state = TakeState::Failed;
        take.reason = problem;
        take.ended = now;
        keepTake();
        emit recordingEnded(take);
        return;
    }
    take.file = path;
    take.state = TakeState::Recording;
    const qint64 late = take.start.secsTo(take.began);
    QStringList notes;
    if (!note.isEmpty())
        notes.append(note);
    if (late > lateSeconds)
        notes.append(QStringLiteral("began %1 s late").arg(late));
    take.reason = notes.join(QStringLiteral("; "));
    lastCheck = now;
    keepTake();
    emit recordingStarted(take);
}

void RecordingTimer::endRecording(const QString& fault, bool cutShort)
{
    QString file;
    const QString problem = recorder->stop(&file);
    recorder.reset();
    take.ended = QDateTime::currentDateTimeUtc();
    take.file = file;
    QStringList reasons;
    if (!take.reason.isEmpty())
        reasons.append(take.reason);
    if (!fault.isEmpty())
        reasons.append(fault);
    if (!problem.isEmpty() && problem != fault)
        reasons.append(problem);
    if (!fault.isEmpty() || !problem.isEmpty() || file.isEmpty())
        take.state = TakeState::Failed;
    else if (cutShort)
        take.state = TakeState::CutShort;
    else
        take.state = TakeState::Done;
    if (cutShort)
        reasons.append(QStringLiteral("stopped at %1 UTC before its end").arg(take.ended.toString(QStringLiteral("HH:mm:ss"))));
    take.reason = reasons.join(QStringLiteral("; "));
    keepTake();
    dropFinished();
    emit recordingEnded(take);
}

void RecordingTimer::keepTake()
{
    const QString problem = storeTake(take);
    if (!problem.isEmpty())
        emit planProblem(problem);
}

void RecordingTimer::dropFinished()
{
    QString problem;
    RecordingPlan plan = readPlan(&problem);
    const int before = int(plan.entries.size());
    dropFinishedEntries(&plan, QDateTime::currentDateTimeUtc());
    if (problem.isEmpty() && plan.entries.size() != before)
        problem = writePlan(plan);
    if (!problem.isEmpty())
        emit planProblem(problem);
}
