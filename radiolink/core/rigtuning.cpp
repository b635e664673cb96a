// SPDX-License-Identifier: GPL-3.0-or-later
#include "rigtuning.h"

#include <QStringList>

QString hamlibModeName(const QString& modeCode)
{
    // in the order of the Mode drop-down's codes 0 to 9
    static const QStringList names{
        QStringLiteral("AM"),  QStringLiteral("SAM"), QStringLiteral("FM"),   QStringLiteral("USB"),
        QStringLiteral("LSB"), QStringLiteral("CW"),  QStringLiteral("CWR"),  QStringLiteral("WFM"),
        QStringLiteral("RTTY"), QStringLiteral("RTTYR")};
    bool ok = false;
    const int code = modeCode.toInt(&ok);
    if (!ok || modeCode.size() != 1 || code < 0 || code >= names.size())
        return QString();
    return names.at(code);
}

QString khzText(double hz)
{
    QString text = QString::number(hz / 1000, 'f', 3);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

QString tunedMessage(const QString& khz, const QString& modeName)
{
    QString text = QStringLiteral("Tuned to %1 kHz").arg(khz);
    if (!modeName.isEmpty())
        text += QLatin1Char(' ') + modeName;
    return text;
}
