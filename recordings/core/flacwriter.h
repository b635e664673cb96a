// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct sf_private_tag;

// A FLAC file written as the samples come (16-bit, interleaved), through libsndfile. FLAC is a
// stream of frames, so a file whose writer was killed is readable up to its last frame; a
// failed write (a full disk) leaves the file closed cleanly where it failed.
class FlacWriter
{
public:
    FlacWriter() = default;
    FlacWriter(const FlacWriter&) = delete;
    FlacWriter& operator=(const FlacWriter&) = delete;
    ~FlacWriter();

    // empty when the file is open, else why not
    QString open(const QString& path, int rate, int channels);
    // empty when every frame was written, else why not (and the file is closed)
    QString write(const qint16* samples, qint64 frames);
    void close();
    bool isOpen() const { return file != nullptr; }

private:
    sf_private_tag* file = nullptr;
    int channels = 0;
};
