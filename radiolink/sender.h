// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

class QUdpSocket;

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
