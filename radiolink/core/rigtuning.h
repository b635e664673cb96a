// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Pure helpers of tuning a rig: the window's texts and Hamlib's mode names.

// Hamlib's name of a schedule row's Mode code ("0" AM ... "9" RTTYR); empty for an unknown code.
QString hamlibModeName(const QString& modeCode);
// The Mode code of a mode as a receiver names it ("USB" gives "3", gqrx's "AM_SYNC" "1"); empty
// when no code matches.
QString modeCodeOfRigMode(const QString& rigModeName);

// The value with the decimals, then without trailing zeros: (9.42, 6) gives "9.42".
QString decimalText(double value, int decimals);
// A frequency in Hz as kHz text without trailing zeros: 9420000 gives "9420", 7500 gives "7.5".
QString khzText(double hz);

// "The receiver refused the mode RTTY", "... the frequency 9420 kHz"
QString refusedModeText(const QString& modeName);
QString refusedFrequencyText(double hz);
// "localhost:7356 did not answer within 3 s", where is a host:port or a device
QString noAnswerText(const QString& where, int seconds);

// What a tune asked of the receiver and what the receiver reported afterwards.
struct TuneReading
{
    double askedHz = 0;
    QString askedMode;      // empty: the mode was left as it was
    QString frequencyError; // setting or reading back the frequency failed: why
    double readHz = 0;
    QString modeError;      // the mode was refused, or could not be read back: why
    QString readMode;       // empty when it could not be read
};

// Exactly one of the two is set: the status bar's text, or the failure for the "Receiver" box.
struct TuneReport
{
    QString status;
    QString failure;
};

// "Tuned to 9420 kHz AM" only when the receiver reports both; when the frequency took and the
// mode did not, a status that says so; when the frequency did not take, a failure.
TuneReport tuneReport(const TuneReading& reading);
