// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recordings/core/flacwriter.h"
#include "recordings/core/recorder.h"

#include <QMutex>

#include <atomic>
#include <thread>

// Records the sound card through the PulseAudio simple API (PipeWire serves it too) as FLAC,
// 48 kHz stereo, the samples read on a thread of its own. At the start the rig is tuned as the
// receiver link tunes it (tuneForSound); when that fails it records untuned and says so.
class PulseRecorder : public Recorder
{
public:
    PulseRecorder() = default;
    ~PulseRecorder() override;

    QString extension() const override;
    QString start(const RecordingEntry& entry, const QString& path, const QDateTime& from, QString* note) override;
    QDateTime began() const override;
    QString check() override;
    QString stop(QString* file) override;

private:
    void readSamples(struct pa_simple* stream);
    void endReading();

    QString path;
    QDateTime from;
    FlacWriter writer;
    std::thread reader;
    std::atomic<bool> stopping{false};
    mutable QMutex mutex; // guards what the reader tells
    QDateTime firstSample;
    QString fault;
};
