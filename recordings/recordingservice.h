// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recordings/core/recordingplan.h"

#include <QObject>
#include <QThread>

class RecordingTimer;

// The window's timer: the stored plan run on a thread of its own while the program runs, so
// that the receiver's answers never hold up a window. Ending it ends a recording under way
// cleanly. While ledra-sked --recorder runs the plan, it leaves the plan to it; the Recordings
// window shows what either does.
class RecordingService : public QObject
{
    Q_OBJECT

public:
    explicit RecordingService(QObject* parent = nullptr);
    ~RecordingService() override;

    // recordings under way or starting within a day
    int plannedSoon() const;

signals:
    void recordingStarted(const Take& take);
    void recordingEnded(const Take& take);

private:
    QThread thread;
    RecordingTimer* timer;
};
