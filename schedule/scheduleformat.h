#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The frequency of a schedule line's first field as a number; 0 when it is not a whole number.
int frequencyKey(const QString& frequency);

// True when the first row's frequency is below the second's.
bool qslLessThan(const QStringList& first, const QStringList& second);
