// SPDX-License-Identifier: GPL-3.0-or-later
#include "radiolink/core/rigctl.h"

#include <QList>

#include <cmath>

namespace {
const quint16 defaultRigctlPort = 4532;
}

RigctlCommand setModeCommand(const QString& modeName)
{
    // a negative width would be taken as one, and 0 Hz passes nothing
    return {"M " + modeName.toLatin1() + " 0\n", 0};
}

RigctlCommand setFrequencyCommand(double hz)
{
    return {"F " + QByteArray::number(qint64(std::llround(hz))) + '\n', 0};
}

RigctlCommand frequencyQuery()
{
    return {"f\n", 1};
}

RigctlCommand modeQuery()
{
    return {"m\n", 2};
}

RigctlAnswer readRigctlAnswer(const QByteArray& received, int valueLines)
{
    RigctlAnswer answer;
    QList<QByteArray> lines = received.split('\n');
    lines.removeLast(); // what follows the last newline is a line still arriving
    for (const QByteArray& raw : lines) {
        const QString line = QString::fromLatin1(raw).trimmed();
        if (line.startsWith(QLatin1String("RPRT "))) {
            bool number = false;
            answer.report = line.mid(5).toInt(&number);
            if (!number)
                answer.report = -1;
            answer.complete = true;
            return answer;
        }
        answer.values.append(line);
        if (answer.values.size() == valueLines) {
            answer.complete = true;
            return answer;
        }
    }
    return answer;
}

double rigctlFrequency(const QString& value)
{
    bool ok = false;
    const double hz = value.toDouble(&ok);
    return ok && std::isfinite(hz) && hz >= 0 ? hz : -1;
}

RigctlAddress parseRigctlAddress(const QString& text)
{
    const QString address = text.trimmed();
    if (address.isEmpty())
        return {QStringLiteral("localhost"), defaultRigctlPort};
    QString host = address;
    QString port;
    if (address.startsWith(QLatin1Char('['))) {
        const int close = address.indexOf(QLatin1Char(']'));
        if (close < 0)
            return {};
        host = address.mid(1, close - 1);
        const QString rest = address.mid(close + 1);
        if (!rest.isEmpty() && !rest.startsWith(QLatin1Char(':')))
            return {};
        port = rest.mid(1);
    } else if (address.count(QLatin1Char(':')) == 1) {
        host = address.section(QLatin1Char(':'), 0, 0);
        port = address.section(QLatin1Char(':'), 1);
    }
    if (host.isEmpty())
        return {};
    if (port.isNull())
        return {host, defaultRigctlPort};
    bool ok = false;
    const uint number = port.toUInt(&ok);
    return {host, quint16(ok && number <= 65535 ? number : 0)};
}

QString connectionFailureText(const QString& address, QAbstractSocket::SocketError error, const QString& detail)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return QStringLiteral("Nothing is listening at %1 (connection refused)").arg(address);
    case QAbstractSocket::HostNotFoundError:
        return QStringLiteral("No host is known by the name in %1").arg(address);
    case QAbstractSocket::RemoteHostClosedError:
        return QStringLiteral("%1 closed the connection").arg(address);
    case QAbstractSocket::NetworkError:
        return QStringLiteral("%1 cannot be reached (%2)").arg(address, detail);
    default:
        return QStringLiteral("Could not talk to %1 (%2)").arg(address, detail);
    }
}
