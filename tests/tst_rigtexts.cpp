// SPDX-License-Identifier: GPL-3.0-or-later
#include "radiolink/core/rigctl.h"
#include "radiolink/core/rigtuning.h"

#include <QTest>

Q_DECLARE_METATYPE(TuneReading)

class TestRigTexts : public QObject
{
    Q_OBJECT
private slots:
    void tuneReport_data()
    {
        QTest::addColumn<TuneReading>("reading"); // asked Hz and mode, frequency error, read Hz, mode error, read mode
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("failure");
        QTest::newRow("both took") << TuneReading{9420000, "AM", "", 9420000, "", "AM"} << "Tuned to 9420 kHz AM" << "";
        QTest::newRow("no mode asked") << TuneReading{6070000, "", "", 6070000, "", "LSB"} << "Tuned to 6070 kHz" << "";
        QTest::newRow("mode refused, read back")
            << TuneReading{9420000, "SAM", "", 9420000, "The receiver refused the mode SAM", "USB"}
            << "Tuned to 9420 kHz; the receiver stayed in USB (it did not take SAM)" << "";
        QTest::newRow("mode refused, not read back")
            << TuneReading{9420000, "RTTY", "", 9420000, "The receiver refused the mode RTTY", ""}
            << "Tuned to 9420 kHz. The receiver refused the mode RTTY" << "";
        QTest::newRow("frequency failed")
            << TuneReading{9420000, "AM", "localhost:7356 did not answer within 3 s", 0, "", ""}
            << "" << "localhost:7356 did not answer within 3 s";
        QTest::newRow("frequency read back differs") << TuneReading{9420000, "AM", "", 10000000, "", "AM"}
                                                     << "" << "The receiver stayed on 10000 kHz (it did not take 9420 kHz)";
        QTest::newRow("a rounding hertz is not a difference") << TuneReading{9420500, "", "", 9420500.4, "", ""}
                                                              << "Tuned to 9420.5 kHz" << "";
    }
    void tuneReport()
    {
        QFETCH(TuneReading, reading);
        const TuneReport report = ::tuneReport(reading);
        QTEST(report.status, "status");
        QTEST(report.failure, "failure");
    }

    void modeCodes_data()
    {
        QTest::addColumn<QString>("rigMode");
        QTest::addColumn<QString>("code");
        QTest::newRow("Hamlib's name") << "USB" << "3";
        QTest::newRow("the last code") << "RTTYR" << "9";
        QTest::newRow("gqrx's synchronous AM") << "AM_SYNC" << "1";
        QTest::newRow("gqrx's stereo FM") << "WFM_ST" << "7";
        QTest::newRow("no code of its own") << "PKTUSB" << "";
        QTest::newRow("nothing told") << "" << "";
    }
    void modeCodes()
    {
        QFETCH(QString, rigMode);
        QTEST(modeCodeOfRigMode(rigMode), "code");
    }

    void commandLines_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QByteArray>("expected");
        QTest::newRow("mode with its normal passband") << setModeCommand("AM").line << QByteArray("M AM 0\n");
        QTest::newRow("frequency in whole hertz") << setFrequencyCommand(9420500).line << QByteArray("F 9420500\n");
        QTest::newRow("rounded to the nearest hertz")
            << setFrequencyCommand(7499999.6).line << QByteArray("F 7500000\n");
    }
    void commandLines()
    {
        QFETCH(QByteArray, line);
        QTEST(line, "expected");
    }

    void answers_data()
    {
        QTest::addColumn<QByteArray>("received");
        QTest::addColumn<int>("valueLines");
        QTest::addColumn<bool>("complete");
        QTest::addColumn<int>("report");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("refused") << QByteArray("RPRT 1\n") << 0 << true << 1 << QStringList();
        QTest::newRow("report still arriving") << QByteArray("RPRT") << 0 << false << 0 << QStringList();
        QTest::newRow("frequency") << QByteArray("9420000\n") << 1 << true << 0 << QStringList{"9420000"};
        QTest::newRow("query failed") << QByteArray("RPRT -11\n") << 1 << true << -11 << QStringList();
        QTest::newRow("mode, first line only") << QByteArray("AM\n") << 2 << false << 0 << QStringList{"AM"};
        QTest::newRow("mode and passband")
            << QByteArray("AM\n10000\n") << 2 << true << 0 << QStringList{"AM", "10000"};
        QTest::newRow("carriage returns") << QByteArray("USB\r\n2700\r\n") << 2 << true << 0 << QStringList{"USB", "2700"};
        QTest::newRow("unreadable report") << QByteArray("RPRT x\n") << 0 << true << -1 << QStringList();
    }
    void answers()
    {
        QFETCH(QByteArray, received);
        QFETCH(int, valueLines);
        const RigctlAnswer answer = readRigctlAnswer(received, valueLines);
        QTEST(answer.complete, "complete");
        QTEST(answer.report, "report");
        QTEST(answer.values, "values");
    }

    void addresses_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::newRow("host and port") << "localhost:7356" << "localhost" << 7356;
        QTest::newRow("blank: rigctld's own") << " " << "localhost" << 4532;
        QTest::newRow("host alone") << "192.168.1.5" << "192.168.1.5" << 4532;
        QTest::newRow("IPv6 in brackets") << "[::1]:4533" << "::1" << 4533;
        QTest::newRow("IPv6 alone") << "::1" << "::1" << 4532;
        QTest::newRow("port no number") << "localhost:gqrx" << "localhost" << 0;
        QTest::newRow("port too large") << "localhost:70000" << "localhost" << 0;
        QTest::newRow("no host") << ":7356" << "" << 0;
    }
    void addresses()
    {
        QFETCH(QString, text);
        const RigctlAddress address = parseRigctlAddress(text);
        QTEST(address.host, "host");
        QTEST(int(address.port), "port");
    }
};

QTEST_APPLESS_MAIN(TestRigTexts)
#include "tst_rigtexts.moc"
