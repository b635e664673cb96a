// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recordings/core/recorder.h"

#include <QDateTime>
#include <QLockFile>
#include <QObject>
#include <QTimer>

// Runs the stored plan: four times a second it reads the plan and starts the recording that is
// due (also late, when the program started during the broadcast), checks the one under way every
// few seconds and ends it at its time. Each take is written to the store as it starts and ends,
// so the window and ledra-sked see the same plan. The recorders' calls wait: in the window it
// lives on a thread of its own.
class RecordingTimer : public QObject
{
    Q_OBJECT

public:
    explicit RecordingTimer(RecorderFactory factory, QObject* parent = nullptr);
    ~RecordingTimer() override;

public slots:
    // Runs the plan unless another program does (the window, or ledra-sked --recorder: one at
    // a time, by a lock file beside the plan; false then). First marks the takes an earlier run
    // left unfinished as cut short, and ends what gqrx still records of them.
    bool begin();
    // ends the recording under way cleanly, as cut short, and stops the checks
    void finish();

signals:
    void recordingStarted(const Take& take);
    void recordingEnded(const Take& take);
    // the plan could not be read or written
    void planProblem(const QString& problem);

private:
    void check();
    // stops what a killed run left recording, where the device goes on by itself
    void finishLeftOver(Take* take);
    void startRecording(const RecordingEntry& entry, const Occurrence& occurrence);
    void endRecording(const QString& fault, bool cutShort);
    void keepTake();
    void dropFinished();

    RecorderFactory factory;
    std::unique_ptr<QLockFile> lock;
    QTimer ticks;
    std::unique_ptr<Recorder> recorder;
    Take take;
    QDateTime lastCheck;
};
