// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordings/audiosourcerecorder.h"

#include "recordings/core/soundtuning.h"

#include <QAudioDevice>
#include <QAudioSource>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>

#include <algorithm>

namespace {

const int sampleRate = 48000;
const int channelCount = 2;
const int frameBytes = channelCount * int(sizeof(qint16));

QAudioDevice inputNamed(const QString& id)
{
    for (const QAudioDevice& input : QMediaDevices::audioInputs()) {
        if (QString::fromUtf8(input.id()) == id)
            return input;
    }
    return QMediaDevices::defaultAudioInput();
}

} // namespace

AudioSourceRecorder::AudioSourceRecorder() = default;

AudioSourceRecorder::~AudioSourceRecorder()
{
    if (source)
        source->stop();
}

QString AudioSourceRecorder::extension() const
{
    return QStringLiteral("flac");
}

QString AudioSourceRecorder::start(const RecordingEntry& entry, const QString& path, const QDateTime& from, QString* note)
{
    this->path = path;
    this->from = from;
    *note = tuneForSound(entry);
    const QAudioDevice input = inputNamed(entry.device);
    if (input.isNull())
        return QStringLiteral("there is no sound input");
    QAudioFormat format;
    format.setSampleRate(sampleRate);
    format.setChannelCount(channelCount);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!input.isFormatSupported(format))
        return QStringLiteral("%1 does not record 16-bit stereo at 48 kHz").arg(input.description());
    const QString problem = writer.open(path, sampleRate, channelCount);
    if (!problem.isEmpty())
        return QStringLiteral("%1 cannot be written: %2").arg(path, problem);
    source = std::make_unique<QAudioSource>(input, format);
    source->setBufferSize(sampleRate / 10 * frameBytes);
    samples = source->start();
    if (!samples || source->error() != QAudio::NoError) {
        writer.close();
        return QStringLiteral("%1 cannot be read").arg(input.description());
    }
    connect(samples, &QIODevice::readyRead, this, &AudioSourceRecorder::takeSamples);
    return QString();
}

// the samples come through this thread's event loop, so it turns while waiting for the first
QDateTime AudioSourceRecorder::began() const
{
    const QDeadlineTimer deadline((leadSeconds(RecorderKind::Sound) + 1) * 1000);
    while (!firstSample.isValid() && fault.isEmpty() && !deadline.hasExpired())
        QEventLoop().processEvents(QEventLoop::WaitForMoreEvents, 50);
    return firstSample;
}

QString AudioSourceRecorder::check()
{
    if (fault.isEmpty() && source && source->error() != QAudio::NoError && source->error() != QAudio::UnderrunError)
        fault = QStringLiteral("the sound card stopped");
    return fault;
}

QString AudioSourceRecorder::stop(QString* file)
{
    if (source) {
        takeSamples();
        source->stop();
    }
    writer.close();
    *file = QFile::exists(path) ? path : QString();
    return fault;
}

void AudioSourceRecorder::takeSamples()
{
    if (!writer.isOpen())
        return;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    QByteArray bytes = pending + samples->readAll();
    const qint64 frames = bytes.size() / frameBytes;
    pending = bytes.right(bytes.size() - frames * frameBytes);
    if (frames == 0)
        return;
    const QDateTime blockStart = now.addMSecs(-frames * 1000 / sampleRate);
    const qint64 early = std::clamp<qint64>(blockStart.msecsTo(from) * sampleRate / 1000, 0, frames);
    if (early == frames)
        return;
    if (!firstSample.isValid())
        firstSample = blockStart.addMSecs(early * 1000 / sampleRate);
    const auto* data = reinterpret_cast<const qint16*>(bytes.constData()) + early * channelCount;
    const QString problem = writer.write(data, frames - early);
    if (!problem.isEmpty()) {
        fault = QStringLiteral("the recording ended early: ") + problem;
        source->stop();
    }
}
