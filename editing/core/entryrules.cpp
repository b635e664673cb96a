// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/core/entryrules.h"

#include "schedule/core/frequencyreadings.h"

#include <algorithm>

namespace {

QString frequencyProblem(const QString& frequency)
{
    return wholeKhz(frequency) != noFrequency ? QString() : QStringLiteral("Problem with Frequency\n Cannot Add Item");
}

// A ";" would split the stored line into extra fields, a line break into two lines.
QString labelProblem(const QString& label)
{
    if (label.isEmpty())
        return QStringLiteral("Problem with Label\n Cannot Add Item");
    if (label.contains(QLatin1Char(';')))
        return QStringLiteral("Problem with Label\n It must not contain \";\"\n Cannot Add Item");
    if (label.contains(QLatin1Char('\n')) || label.contains(QLatin1Char('\r')))
        return QStringLiteral("Problem with Label\n It must not contain a line break\n Cannot Add Item");
    return QString();
}

EntryCheck checkTime(const QString& time)
{
    if (time.isEmpty())
        return {};
    QStringList parts = time.split(QLatin1Char('-'), Qt::KeepEmptyParts);
    if (parts.size() == 1 && (parts.first() == QLatin1String("24") || parts.first() == QLatin1String("24h")))
        parts = QStringList{QStringLiteral("0000"), QStringLiteral("2359")};
    if (parts.size() != 2)
        return {QStringLiteral("length=") + QString::number(parts.size())
                    + QStringLiteral("Time must be in two number\nformat like: 0000-2359\n or 24 or 24h\n Cannot Add Item"),
                QString()};
    if (!isFourDigits(parts.at(0)))
        return {QStringLiteral("Left part of range is not\n a four-digit number\n Cannot Add Item"), QString()};
    if (!isFourDigits(parts.at(1)))
        return {QStringLiteral("Right part of range is not\n a four-digit number\n Cannot Add Item"), QString()};
    return {QString(), parts.at(0) + QLatin1Char('-') + parts.at(1)};
}

} // namespace

EntryCheck checkEntry(const QString& frequency, const QString& label, const QString& time)
{
    QString problem = frequencyProblem(frequency);
    if (problem.isEmpty())
        problem = labelProblem(label);
    if (!problem.isEmpty())
        return {problem, QString()};
    return checkTime(time);
}

bool isFourDigits(const QString& text)
{
    return text.size() == 4
        && std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

QString txSiteText(bool foreignChosen, const QString& foreignCode, const QString& siteCode)
{
    if (siteCode.isEmpty())
        return QString();
    if (!foreignChosen)
        return siteCode;
    return QLatin1Char('/') + foreignCode + QLatin1Char('-') + siteCode;
}

int frequencyTargetRow(const QList<qint64>& frequencies, qint64 frequency)
{
    const int last = int(frequencies.size()) - 1;
    int lower = -1;
    for (int row = 0; row <= last; ++row) {
        const qint64 rowFrequency = frequencies.at(row);
        if (rowFrequency == noFrequency)
            continue;
        if (rowFrequency == frequency)
            return std::min(row + 4, last);
        if (rowFrequency > frequency)
            return lower < 0 ? 0 : std::min(lower + 3, last);
        lower = row;
    }
    return -1;
}
