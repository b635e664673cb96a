// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>

// Processor time, not the time on the clock: the machine is shared, and waiting for another
// program's turn is no part of an action's cost.
double processMilliseconds();
// the work of the calling thread alone, whatever the others do
double threadMilliseconds();

double median(QList<double> values);
double slowestOf(const QList<double>& values);
