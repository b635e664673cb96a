// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Pure helpers of tuning a rig through Hamlib: the window's texts and Hamlib's mode names.

// Hamlib's name of a schedule row's Mode code ("0" AM ... "9" RTTYR); empty for an unknown code.
QString hamlibModeName(const QString& modeCode);

// A frequency in Hz as kHz text without trailing zeros: 9420000 gives "9420", 7500 gives "7.5".
QString khzText(double hz);

// "Tuned to 9420 kHz AM", or "Tuned to 9420 kHz" when no mode was set.
QString tunedMessage(const QString& khz, const QString& modeName);
