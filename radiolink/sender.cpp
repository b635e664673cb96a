// SPDX-License-Identifier: GPL-3.0-or-later
#include "radiolink/sender.h"

#include "app/mainwindow.h"
#include "radiolink/core/datagram.h"

#include <QHostAddress>
#include <QUdpSocket>

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
