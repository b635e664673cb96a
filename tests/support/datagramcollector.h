// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QUdpSocket>

// One datagram as it arrived.
struct ReceivedDatagram
{
    QByteArray bytes;
    QHostAddress destination;
};

// Listens on one UDP port and keeps every datagram that arrives there.
class DatagramCollector : public QObject
{
    Q_OBJECT

public:
    explicit DatagramCollector(quint16 port);

    // True only where no network interface but loopback exists, so no datagram can leave, and
    // the test command has not said that it could make no namespaces.
    static bool insidePrivateNetwork();

    // Waits until count datagrams in all have arrived, or a second has passed without one.
    QList<ReceivedDatagram> waitFor(int count);
    // Gives late datagrams a moment to arrive, then returns everything received.
    QList<ReceivedDatagram> settle();
    QList<QByteArray> bytes() const;

private:
    void readPending();

    QUdpSocket socket;
    QList<ReceivedDatagram> received;
};

// Skips a test that would send datagrams where they could reach a real network.
#define LEDRA_REQUIRE_PRIVATE_NETWORK()                                                       \
    do {                                                                                      \
        if (!DatagramCollector::insidePrivateNetwork())                                       \
            QSKIP("sends broadcast datagrams: run inside the test command's private network"); \
    } while (false)
