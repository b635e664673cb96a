// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

// The row order of Sort and Save, given each row's whole kHz (noFrequency for a row without
// one): rising orderKey, rows of equal key in their present order.
QList<int> frequencyOrder(const QList<qint64>& frequencies);
