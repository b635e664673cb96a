// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordings/core/pulserecorder.h"

#include "recordings/core/soundtuning.h"

#include <QFile>

#include <pulse/error.h>
#include <pulse/simple.h>

#include <algorithm>
#include <vector>

namespace {

const int sampleRate = 48000;
const int channelCount = 2;
// a tenth of a second a read
const int readFrames = sampleRate / 10;

} // namespace

PulseRecorder::~PulseRecorder()
{
    endReading();
}

QString PulseRecorder::extension() const
{
    return QStringLiteral("flac");
}

QString PulseRecorder::start(const RecordingEntry& entry, const QString& path, const QDateTime& from, QString* note)
{
    this->path = path;
    this->from = from;
    *note = tuneForSound(entry);
    const pa_sample_spec sampleFormat{PA_SAMPLE_S16LE, sampleRate, channelCount};
    const QByteArray device = entry.device.toUtf8();
    // the server's own fragments last seconds: a read would wait for each
    pa_buffer_attr buffering;
    buffering.maxlength = uint32_t(-1);
    buffering.tlength = uint32_t(-1);
    buffering.prebuf = uint32_t(-1);
    buffering.minreq = uint32_t(-1);
    buffering.fragsize = uint32_t(readFrames * channelCount * sizeof(qint16));
    int error = 0;
    pa_simple* stream = pa_simple_new(nullptr, "Ledra", PA_STREAM_RECORD, device.isEmpty() ? nullptr : device.constData(),
                                      "timer recording", &sampleFormat, nullptr, &buffering, &error);
    if (!stream)
        return QStringLiteral("the sound card cannot be read: ") + QString::fromUtf8(pa_strerror(error));
    const QString problem = writer.open(path, sampleRate, channelCount);
    if (!problem.isEmpty()) {
        pa_simple_free(stream);
        return QStringLiteral("%1 cannot be written: %2").arg(path, problem);
    }
    stopping = false;
    reader = std::thread([this, stream] { readSamples(stream); });
    return QString();
}

QDateTime PulseRecorder::began() const
{
    // known once the first samples after the start have come
    for (int wait = 0; wait < 20 * (leadSeconds(RecorderKind::Sound) + 1); ++wait) {
        {
            const QMutexLocker lock(&mutex);
            if (firstSample.isValid() || !fault.isEmpty())
                return firstSample;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    const QMutexLocker lock(&mutex);
    return firstSample;
}

QString PulseRecorder::check()
{
    const QMutexLocker lock(&mutex);
    return fault;
}

QString PulseRecorder::stop(QString* file)
{
    endReading();
    *file = QFile::exists(path) ? path : QString();
    return check();
}

void PulseRecorder::readSamples(pa_simple* stream)
{
    std::vector<qint16> samples(size_t(readFrames) * channelCount);
    while (!stopping) {
        int error = 0;
        if (pa_simple_read(stream, samples.data(), samples.size() * sizeof(qint16), &error) < 0) {
            const QMutexLocker lock(&mutex);
            fault = QStringLiteral("the sound card stopped: ") + QString::fromUtf8(pa_strerror(error));
            break;
        }
        const pa_usec_t latency = pa_simple_get_latency(stream, &error);
        const QDateTime blockStart =
            QDateTime::currentDateTimeUtc().addMSecs(-(readFrames * 1000 / sampleRate) - qint64(latency / 1000));
        const qint64 early = std::clamp<qint64>(blockStart.msecsTo(from) * sampleRate / 1000, 0, readFrames);
        if (early == readFrames)
            continue;
        {
            const QMutexLocker lock(&mutex);
            if (!firstSample.isValid())
                firstSample = blockStart.addMSecs(early * 1000 / sampleRate);
        }
        const QString problem = writer.write(samples.data() + early * channelCount, readFrames - early);
        if (!problem.isEmpty()) {
            const QMutexLocker lock(&mutex);
            fault = QStringLiteral("the recording ended early: ") + problem;
            break;
        }
    }
    pa_simple_free(stream);
    writer.close();
}

void PulseRecorder::endReading()
{
    stopping = true;
    if (reader.joinable())
        reader.join();
}
