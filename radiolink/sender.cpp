// SPDX-License-Identifier: GPL-3.0-or-later
#include "sender.h"

#include "mainwindow.h"

#include <QHostAddress>
#include <QUdpSocket>

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

Sender::Sender(QWidget* parent)
    : QDialog(parent)
    , socket(new QUdpSocket(this))
{
}

void Sender::broadcastDatagram(QString text)
{
    const QByteArray bytes = datagramBytes(text);
    // Qt turns on the broadcast option of every UDP socket it creates, so no bind or option is needed
    socket->writeDatagram(bytes.constData(), bytes.size(), QHostAddress(QHostAddress::Broadcast),
                          datagramPort(tmw->rxPort));
    socket->flush();
}
