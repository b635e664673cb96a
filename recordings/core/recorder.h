// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recordings/core/recordingplan.h"

#include <QDateTime>
#include <QString>

#include <functional>
#include <memory>

// One recording device as the timer drives it: gqrx through its remote control, or the sound
// card. The calls may wait a few seconds for the receiver; the timer makes them off the window's
// thread.
class Recorder
{
public:
    virtual ~Recorder() = default;

    // The file's extension, "wav" or "flac".
    virtual QString extension() const = 0;
    // Tunes the receiver and starts recording towards path, from the moment from on (what comes
    // before it is left out). An empty text when it records; else why it cannot. *note tells what
    // went wrong without stopping it ("recorded untuned: ...").
    virtual QString start(const RecordingEntry& entry, const QString& path, const QDateTime& from, QString* note) = 0;
    // When the first sample was taken; invalid before.
    virtual QDateTime began() const = 0;
    // Asked every few seconds while recording: empty while all is well, else why it stopped.
    virtual QString check() = 0;
    // Ends the recording, leaving it at *file (empty when there is none). Empty text when it
    // ended well, else why not.
    virtual QString stop(QString* file) = 0;
    // Ends what a take left under way by a program that ended during it, as far as the device
    // keeps it, leaving it at *file. Empty text when done, else why not.
    virtual QString finishLeftOver(const Take& take, QString* file)
    {
        *file = take.file;
        return QString();
    }
};

// How long before the planned start a recorder is started: a sound server may deliver the first
// samples of a new stream only a second or two after it was opened.
int leadSeconds(RecorderKind kind);

using RecorderFactory = std::function<std::unique_ptr<Recorder>(const RecordingEntry& entry)>;

// gqrx's remote control at the entry's address, writing where its settings say; or the sound
// card through PulseAudio
std::unique_ptr<Recorder> standardRecorder(const RecordingEntry& entry);
