// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recordings/core/flacwriter.h"
#include "recordings/core/recorder.h"

#include <QObject>

#include <memory>

class QAudioSource;
class QIODevice;

// The window's sound-card recorder: Qt Multimedia's QAudioSource on the chosen input (by its
// id; empty: the system's default), 48 kHz stereo, written as FLAC. The rig is tuned first
// (tuneForSound). Its samples arrive through the event loop of the thread it lives on.
class AudioSourceRecorder : public QObject, public Recorder
{
    Q_OBJECT

public:
    AudioSourceRecorder();
    ~AudioSourceRecorder() override;

    QString extension() const override;
    QString start(const RecordingEntry& entry, const QString& path, const QDateTime& from, QString* note) override;
    QDateTime began() const override;
    QString check() override;
    QString stop(QString* file) override;

private:
    void takeSamples();

    std::unique_ptr<QAudioSource> source;
    QIODevice* samples = nullptr;
    FlacWriter writer;
    QString path;
    QDateTime from;
    QDateTime firstSample;
    QString fault;
    QByteArray pending; // a part of a frame
};
