// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QString>

class QUdpSocket;

// The bytes of one datagram: the text as 8-bit characters and a closing zero byte.
QByteArray datagramBytes(const QString& text);

// The port a datagram goes to: the receive-port text when it is a port number, else 58084.
quint16 datagramPort(const QString& portText);

// Sends the receiver program's datagrams as broadcasts; a dialog only by descent, never shown.
class Sender : public QDialog
{
    Q_OBJECT

public:
    explicit Sender(QWidget* parent = nullptr);

    void broadcastDatagram(QString text);

private:
    QUdpSocket* socket;
};
