// SPDX-License-Identifier: GPL-3.0-or-later
// The receiver program's datagrams, byte for byte, without a socket.
#include "radiolink/core/datagram.h"

#include <QTest>

class TestDatagram : public QObject
{
    Q_OBJECT
private slots:
    void tuneBytes_data()
    {
        QTest::addColumn<QString>("khz");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QList<QByteArray>>("datagrams");
        QTest::newRow("mode, then frequency") << "1110" << "3" << QList<QByteArray>{{"mode:3\0", 7}, {"ofreq:1110000\0", 14}};
        QTest::newRow("no mode") << "01110" << "" << QList<QByteArray>{{"ofreq:01110000\0", 15}};
        QTest::newRow("text as it stands") << "7.5" << "12" << QList<QByteArray>{{"mode:12\0", 8}, {"ofreq:7.5000\0", 13}};
        QTest::newRow("latin-1 byte") << "\u00e9" << "" << QList<QByteArray>{{"ofreq:\xe9" "000\0", 11}};
    }
    void tuneBytes()
    {
        QFETCH(QString, khz);
        QFETCH(QString, mode);
        QList<QByteArray> bytes;
        for (const QString& text : tuneDatagrams(khz, mode))
            bytes.append(datagramBytes(text));
        QTEST(bytes, "datagrams");
    }

    void port_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("port");
        QTest::newRow("highest") << "65535" << 65535;
        QTest::newRow("past the range") << "65536" << 58084;
        QTest::newRow("zero") << "0" << 58084;
        QTest::newRow("text") << "abc" << 58084;
    }
    void port()
    {
        QFETCH(QString, text);
        QTEST(int(datagramPort(text)), "port");
    }
};

QTEST_APPLESS_MAIN(TestDatagram)
#include "tst_datagram.moc"
