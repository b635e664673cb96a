// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordings/core/flacwriter.h"

#include <QFile>

#include <sndfile.h>

FlacWriter::~FlacWriter()
{
    close();
}

QString FlacWriter::open(const QString& path, int rate, int channels)
{
    close();
    SF_INFO info{};
    info.samplerate = rate;
    info.channels = channels;
    info.format = SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    this->channels = channels;
    return file ? QString() : QString::fromLocal8Bit(sf_strerror(nullptr));
}

QString FlacWriter::write(const qint16* samples, qint64 frames)
{
    if (!file)
        return QStringLiteral("the file is closed");
    if (sf_writef_short(file, samples, frames) == frames)
        return QString();
    const QString reason = QString::fromLocal8Bit(sf_strerror(file));
    close();
    return reason;
}

void FlacWriter::close()
{
    if (file)
        sf_close(file);
    file = nullptr;
}
