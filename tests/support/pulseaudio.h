// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace ledraTest {

// A private PulseAudio with one null sink ("null", its monitor "null.monitor", passed on as the
// source "tone"), in a folder of its own; this process and the programs it starts reach it
// through PULSE_SERVER. A tone played into the sink can be recorded from the monitor.
class PrivatePulse
{
public:
    PrivatePulse();
    ~PrivatePulse();

    // pulseaudio and pacat are installed
    static bool installed();
    // an empty text once the server listens, else why not
    QString start();
    // plays interleaved 16-bit stereo samples at 48 kHz into the sink, with a short latency
    void play(const QByteArray& samples);

private:
    QProcessEnvironment environment() const;

    QTemporaryDir folder;
    QProcess server;
    QProcess player;
};

} // namespace ledraTest
