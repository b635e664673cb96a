// SPDX-License-Identifier: GPL-3.0-or-later
#include "radiolink/core/rigtuning.h"

#include <QHash>
#include <QStringList>

#include <cmath>

namespace {

// in the order of the Mode drop-down's codes 0 to 9
const QStringList& modeNames()
{
    static const QStringList names{
        QStringLiteral("AM"),  QStringLiteral("SAM"), QStringLiteral("FM"),   QStringLiteral("USB"),
        QStringLiteral("LSB"), QStringLiteral("CW"),  QStringLiteral("CWR"),  QStringLiteral("WFM"),
        QStringLiteral("RTTY"), QStringLiteral("RTTYR")};
    return names;
}

} // namespace

QString hamlibModeName(const QString& modeCode)
{
    const QStringList& names = modeNames();
    bool ok = false;
    const int code = modeCode.toInt(&ok);
    if (!ok || modeCode.size() != 1 || code < 0 || code >= names.size())
        return QString();
    return names.at(code);
}

QString modeCodeOfRigMode(const QString& rigModeName)
{
    // gqrx's names of synchronous AM and stereo FM, and Hamlib's of synchronous AM
    static const QHash<QString, QString> otherNames{{QStringLiteral("AM_SYNC"), QStringLiteral("1")},
                                                    {QStringLiteral("AMS"), QStringLiteral("1")},
                                                    {QStringLiteral("WFM_ST"), QStringLiteral("7")},
                                                    {QStringLiteral("WFM_ST_OIRT"), QStringLiteral("7")}};
    const QString name = rigModeName.trimmed().toUpper();
    const int code = modeNames().indexOf(name);
    return code >= 0 ? QString::number(code) : otherNames.value(name);
}

QString decimalText(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    while (text.contains(QLatin1Char('.')) && text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

QString khzText(double hz)
{
    return decimalText(hz / 1000, 3);
}

QString refusedModeText(const QString& modeName)
{
    return QStringLiteral("The receiver refused the mode %1").arg(modeName);
}

QString refusedFrequencyText(double hz)
{
    return QStringLiteral("The receiver refused the frequency %1 kHz").arg(khzText(hz));
}

QString noAnswerText(const QString& where, int seconds)
{
    return QStringLiteral("%1 did not answer within %2 s").arg(where).arg(seconds);
}

TuneReport tuneReport(const TuneReading& reading)
{
    if (!reading.frequencyError.isEmpty())
        return {QString(), reading.frequencyError};
    // rigs keep whole hertz at best
    if (std::abs(reading.readHz - reading.askedHz) >= 0.5) {
        return {QString(), QStringLiteral("The receiver stayed on %1 kHz (it did not take %2 kHz)")
                               .arg(khzText(reading.readHz), khzText(reading.askedHz))};
    }
    const QString tuned = QStringLiteral("Tuned to %1 kHz").arg(khzText(reading.readHz));
    if (reading.askedMode.isEmpty())
        return {tuned, QString()};
    if (reading.readMode == reading.askedMode)
        return {tuned + QLatin1Char(' ') + reading.readMode, QString()};
    if (!reading.readMode.isEmpty()) {
        return {tuned + QStringLiteral("; the receiver stayed in %1 (it did not take %2)")
                            .arg(reading.readMode, reading.askedMode),
                QString()};
    }
    return {tuned + QStringLiteral(". ") + reading.modeError, QString()};
}
