// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/datagramcollector.h"

#include <QElapsedTimer>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QTest>

DatagramCollector::DatagramCollector(quint16 port)
{
    socket.bind(QHostAddress::AnyIPv4, port, QUdpSocket::ShareAddress | QUdpSocket::ReuseAddressHint);
    connect(&socket, &QUdpSocket::readyRead, this, &DatagramCollector::readPending);
}

bool DatagramCollector::insidePrivateNetwork()
{
    // set by the test command where it cannot make the namespaces
    if (qEnvironmentVariableIsSet("LEDRA_TEST_WITHOUT_NAMESPACES"))
        return false;
    const QList<QNetworkInterface> interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& interface : interfaces) {
        if (!interface.flags().testFlag(QNetworkInterface::IsLoopBack))
            return false;
    }
    return true;
}

QList<ReceivedDatagram> DatagramCollector::waitFor(int count)
{
    QElapsedTimer quiet;
    quiet.start();
    int seen = received.size();
    while (received.size() < count && quiet.elapsed() < 1000) {
        QTest::qWait(10);
        if (received.size() != seen) {
            seen = received.size();
            quiet.restart();
        }
    }
    return received;
}

QList<ReceivedDatagram> DatagramCollector::settle()
{
    QTest::qWait(100);
    readPending();
    return received;
}

QList<QByteArray> DatagramCollector::bytes() const
{
    QList<QByteArray> list;
    for (const ReceivedDatagram& datagram : received)
        list.append(datagram.bytes);
    return list;
}

void DatagramCollector::readPending()
{
    while (socket.hasPendingDatagrams()) {
        const QNetworkDatagram datagram = socket.receiveDatagram();
        received.append({datagram.data(), datagram.destinationAddress()});
    }
}
