// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringView>
#include <QtGlobal>

#include <limits>

// How each part of the program reads a frequency text. The rules differ on purpose, so they are
// kept side by side here, each named after its rule.

// A frequency that a schedule cell or an edit box does not hold.
const qint64 noFrequency = std::numeric_limits<qint64>::min();

// A whole number of kHz in base 10 (an int, sign allowed), or noFrequency: the number a table
// cell holds, what Add accepts and what the frequency box scrolls to.
qint64 wholeKhz(QStringView text);

// The place of a row in frequency order (Sort, Save, the cell comparison): its whole kHz, with
// a row that holds no frequency counting as 0.
qint64 orderKey(qint64 khz);

// True for a frequency that Save writes: a whole number above 0, the only kind a receiver tunes.
bool isSavedFrequency(qint64 khz);

// The frequency in Hz that a receiver is tuned to: a decimal number of kHz above 0 (blanks
// around it allowed, "7.5" is 7500 Hz); 0 when the text is no such number.
double tuningHz(QStringView khz);
