// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>

// How an SDR program names a schedule mode, and its normal passband for it.
struct ProgramMode
{
    const char* name = nullptr;   // nullptr where the program lacks the mode
    int number = 0;               // for programs that number their modes
    int low = 0;                  // passband edges in Hz from the tuned frequency
    int high = 0;
    int bandwidth() const { return high - low; }
};

// A program's modes for the schedule's Mode codes "0" (AM) ... "9" (RTTYR).
using ProgramModes = std::array<ProgramMode, 10>;

// The program's mode for a Mode code. No code (or an unknown one) means AM; a mode the
// program lacks is written as AM and counted in asAm.
inline const ProgramMode& programMode(const ProgramModes& modes, const QString& modeCode, int& asAm)
{
    const int code = modeCode.size() == 1 ? modeCode.at(0).digitValue() : -1;
    if (code < 0)
        return modes[0];
    if (!modes[size_t(code)].name) {
        ++asAm;
        return modes[0];
    }
    return modes[size_t(code)];
}
