// SPDX-License-Identifier: GPL-3.0-or-later
#include "radiolink/core/datagram.h"

namespace {
const quint16 fallbackPort = 58084;
}

QByteArray datagramBytes(const QString& text)
{
    QByteArray bytes = text.toLatin1();
    bytes.append('\0');
    return bytes;
}

quint16 datagramPort(const QString& portText)
{
    bool ok = false;
    const int port = portText.toInt(&ok, 10);
    // a number outside the port range would otherwise wrap to some unrelated port
    if (!ok || port < 1 || port > 65535)
        return fallbackPort;
    return quint16(port);
}

QStringList tuneDatagrams(const QString& khz, const QString& modeCode)
{
    QStringList texts;
    if (!modeCode.isEmpty())
        texts.append(QStringLiteral("mode:") + modeCode);
    texts.append(QStringLiteral("ofreq:") + khz + QStringLiteral("000"));
    return texts;
}
