#include "scheduleformat.h"

int frequencyKey(const QString& frequency)
{
    bool ok = false;
    const int key = frequency.toInt(&ok, 10);
    return ok ? key : 0;
}

bool qslLessThan(const QStringList& first, const QStringList& second)
{
    return frequencyKey(first.value(0)) < frequencyKey(second.value(0));
}
