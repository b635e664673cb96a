// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/core/reception.h"

#include <cmath>

bool Reception::sameBroadcastHeard(const Reception& other) const
{
    return start == other.start && std::abs(khz - other.khz) < 0.0005 && station == other.station;
}

SignalReport readSignalReport(QStringView text)
{
    QString digits;
    for (const QChar c : text) {
        if (!c.isSpace())
            digits.append(c);
    }
    if (digits.isEmpty())
        return {};
    bool allInRange = true;
    for (const QChar c : digits)
        allInRange = allInRange && c >= QLatin1Char('1') && c <= QLatin1Char('5');
    if (allInRange && (digits.size() == 5 || digits.size() == 3))
        return {digits, QString()};
    return {QString(), QStringLiteral("\"%1\" is no SINPO code: five digits from 1 to 5 (34433), or three for SIO (343)")
                           .arg(text.trimmed())};
}

QString logMomentText(const QDateTime& utc)
{
    return utc.isValid() ? utc.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm")) : QString();
}

QDateTime logMomentFrom(QStringView text)
{
    const QString trimmed = text.trimmed().toString();
    if (trimmed.size() != 16 || (trimmed.at(10) != QLatin1Char(' ') && trimmed.at(10) != QLatin1Char('T')))
        return {};
    const QDate date = QDate::fromString(trimmed.left(10), QStringLiteral("yyyy-MM-dd"));
    const QTime time = QTime::fromString(trimmed.mid(11), QStringLiteral("HH:mm"));
    if (!date.isValid() || !time.isValid())
        return {};
    return QDateTime(date, time, Qt::UTC);
}
