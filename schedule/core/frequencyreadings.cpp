// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/core/frequencyreadings.h"

#include <QString>

#include <cmath>

qint64 wholeKhz(QStringView text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : noFrequency;
}

qint64 orderKey(qint64 khz)
{
    return khz == noFrequency ? 0 : khz;
}

bool isSavedFrequency(qint64 khz)
{
    return khz > 0;
}

double tuningHz(QStringView khz)
{
    bool ok = false;
    const double value = khz.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || value <= 0)
        return 0;
    return value * 1000;
}
