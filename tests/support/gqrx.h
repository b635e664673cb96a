// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

namespace ledraTest {

// Debian's gqrx (gqrx-sdr) run headless for a test, with a home folder of its own, a private
// PulseAudio with a null sink, a generated I/Q file as its radio, and its remote control (the
// rigctl line protocol) on a free port. It runs on Qt's VNC platform so that stop() can quit it
// with Ctrl+Q: gqrx has no handler for SIGTERM and writes nothing back when killed.
class Gqrx
{
public:
    Gqrx();
    ~Gqrx();

    // gqrx and pulseaudio are installed
    static bool installed();

    // gqrx's HOME; its settings (default.conf) and bookmarks.csv live in configFolder(), which
    // exists from construction on, so that a test can place files there before start()
    QString home() const;
    QString configFolder() const;

    // writes default.conf, starts the audio server when it is not running and then gqrx, and
    // waits until the remote control answers; an empty text, else why gqrx could not start
    QString start();
    // quits gqrx as its user does, so that it saves what it saves at a quit (killed
    // after 10 s if it does not end); a later start() uses the same port
    void stop();
    // presses each chord's keys (X keysyms) on gqrx's screen and releases them in reverse, one
    // chord after the other; false when the screen could not be reached
    bool pressKeys(const QList<QList<quint32>>& chords);
    // SIGSTOP and SIGCONT: a hung gqrx whose port still accepts connections
    void freeze();
    void thaw();

    // one rigctl command on a connection of its own (which drops gqrx's other client): the
    // answer's lines, e.g. {"AM", "10000"} for "m"
    QStringList ask(const QString& command) const;
    // what gqrx printed so far, for failure messages
    QString output();

    quint16 port = 0;

private:
    QString startAudio();
    QString waitUntilAnswering();
    void signal(int number);
    QProcessEnvironment environment() const;

    QTemporaryDir folder;
    QProcess audio;
    QProcess gqrx;
    quint16 screenPort = 0;
    QString printed;
};

} // namespace ledraTest

// skips the test by name with the reason when gqrx cannot run on this machine
#define LEDRA_START_GQRX(gqrx)                                                                  \
    do {                                                                                        \
        if (!ledraTest::Gqrx::installed())                                                      \
            QSKIP("gqrx or pulseaudio is not installed (Debian packages gqrx-sdr, pulseaudio)"); \
        const QString gqrxFailure = (gqrx).start();                                             \
        if (!gqrxFailure.isEmpty())                                                             \
            QSKIP(qPrintable(QStringLiteral("gqrx could not start: ") + gqrxFailure));          \
    } while (false)
