// SPDX-License-Identifier: GPL-3.0-or-later
#include "bookmarks/core/gqrxbookmarks.h"
#include "bookmarks/core/sdrbookmarks.h"

#include <QJsonDocument>
#include <QTest>

namespace {

// a schedule row with these fields; the others empty
Broadcast broadcast(const QString& khz, const QString& name, const QString& mode = QString(),
                    const QString& time = "0000-2400", const QString& days = QString())
{
    return *broadcastFromFields({khz, time, days, "KOR", name, "E", "Eu", "", mode});
}

const QByteArray kiwiHeader = "Freq kHz;\"Mode\";\"Ident\";\"Notes\";\"Extension\";\"Type\";PB low;PB high;Offset;"
                              "\"DOW\";Begin;End;Sig bw\n";
const QByteArray gqrxStart = "# Tag name          ;  color\n"
                             "Ledra               ; #c0ff00\n"
                             "\n"
                             "# Frequency ; Name                     ; Modulation          ;  Bandwidth; Tags\n";

// a file as gqrx writes it back, with a comment and a line of four fields (which gqrx ignores)
const QByteArray gqrxOwnTags = "# Tag name          ;  color\n"
                               "Mine                ; #ff0000\n"
                               "Untagged            ; #c0c0c0\n";
const QByteArray gqrxOwnBookmarks = "\n"
                               "# Frequency ; Name                     ; Modulation          ;  Bandwidth; Tags\n"
                               "     6000000; Four fields ; AM ; 10000\n"
                               "     9660000; Ünïcode \"q\"              ; AM                  ;      10000; Mine\n"
                               "# heard at night\n"
                               "  9670000  ;  spaced   ;   USB ;   2400  ;  Mine , Other  \n";
const QByteArray gqrxOwnFile = gqrxOwnTags + gqrxOwnBookmarks;
const QByteArray ledraTagLine = "Ledra               ; #c0ff00\n";
// the file above once the tag is added
const QByteArray gqrxOwnTagged = gqrxOwnTags + ledraTagLine + gqrxOwnBookmarks;
const QByteArray kbsLine = "     9650000; KBS World                ; AM                  ;      10000; Ledra\n";
const QByteArray fourLine = "     6000000; Four fields              ; AM                  ;      10000; Ledra\n";

// JSON written with ' for ", for reading
QByteArray json(const char* text)
{
    return QByteArray(text).replace('\'', '"');
}

void checkJson(const BookmarkExport& result, const QByteArray& expected)
{
    QJsonParseError error;
    const QJsonDocument wanted = QJsonDocument::fromJson(expected, &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    const QJsonDocument written = QJsonDocument::fromJson(result.bytes, &error);
    QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
    QCOMPARE(written, wanted);
}

} // namespace

class TestSdrBookmarks : public QObject
{
    Q_OBJECT
private slots:
    void kiwi_data()
    {
        QTest::addColumn<Broadcast>("from");
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("asAm");
        QTest::newRow("AM, weekdays") << broadcast("9650", "KBS World", "0", "1200-1300", "Mo-Fr")
                                      << QByteArray("9650;\"AM\";\"KBS World\";\"\";\"\";\"T0\";-4900;4900;0;\"MTWTF__\";1200;1300;0") << 0;
        QTest::newRow("USB across midnight at the weekend") << broadcast("5000", "Ute", "3", "2300-0100", "SaSu")
                                                            << QByteArray("5000;\"USB\";\"Ute\";\"\";\"\";\"T0\";300;2700;0;\"_____SS\";2300;0100;0") << 0;
        QTest::newRow("LSB, digit days") << broadcast("7150", "Net", "4", "0600-0615", "135")
                                         << QByteArray("7150;\"LSB\";\"Net\";\"\";\"\";\"T0\";-2700;-300;0;\"M_W_F__\";0600;0615;0") << 0;
        QTest::newRow("CW reverse as CW") << broadcast("7039.5", "Beacon", "6")
                                          << QByteArray("7039.5;\"CW\";\"Beacon\";\"\";\"\";\"T0\";300;700;0;\"MTWTFSS\";0000;2400;0") << 0;
        QTest::newRow("SAM, a date only") << broadcast("6070", "CFRX", "1", "0000-2400", "12Apr")
                                          << QByteArray("6070;\"SAM\";\"CFRX\";\"\";\"\";\"T0\";-4900;4900;0;\"MTWTFSS\";0000;2400;0") << 0;
        QTest::newRow("WFM lacking, as AM; no time") << broadcast("98000", "FM station", "7", "")
                                            << QByteArray("98000;\"AM\";\"FM station\";\"\";\"\";\"T0\";-4900;4900;0;\"MTWTFSS\";0000;2400;0") << 1;
        QTest::newRow("quotes and semicolon") << broadcast("9400", "Radio \"Free\"; Europe")
                                              << QByteArray("9400;\"AM\";\"Radio \"\"Free\"\"; Europe\";\"\";\"\";\"T0\";-4900;4900;0;\"MTWTFSS\";0000;2400;0") << 0;
        QTest::newRow("FM, non-ASCII, irregular days") << broadcast("9420", "Φωνή Ñandú", "2", "2330-2400", "irr")
                                                   << QByteArray("9420;\"NBFM\";\"Φωνή Ñandú\";\"\";\"\";\"T0\";-6000;6000;0;\"MTWTFSS\";2330;2400;0") << 0;
    }
    void kiwi()
    {
        QFETCH(Broadcast, from);
        QFETCH(QByteArray, line);
        QFETCH(int, asAm);
        const BookmarkExport result = kiwiLabels({from, from});
        QCOMPARE(result.bytes, kiwiHeader + line + '\n' + line + '\n');
        QCOMPARE(result.asAm, 2 * asAm);
        QCOMPARE(result.written, 2);
    }

    // every Mode code, and names repeated or to be quoted; a repeat gets a number where the
    // program keys its bookmarks by name (a name given in the list keeps it), not in OpenWebRX's list
    void jsonExports_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QList<Broadcast>>("from");
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<int>("asAm");
        const QList<Broadcast> modes{broadcast("9650", "A", "0"), broadcast("6070", "B", "1"), broadcast("29600", "C", "2"),
                                     broadcast("5000", "D", "3"), broadcast("7150", "E", "4"), broadcast("7039.5", "F", "5"),
                                     broadcast("7039.5", "G", "6"), broadcast("98000", "H", "7"),
                                     broadcast("10100.8", "I", "8"), broadcast("10100.8", "J", "")};
        const QList<Broadcast> names{broadcast("9650", "BBC"), broadcast("9410", "BBC", "3"), broadcast("6195", "BBC (2)"),
                                     broadcast("9650", "BBC"), broadcast("9400", "Radio \"Free\"; Europe"),
                                     broadcast("9420", "Φωνή\tÑandú"), broadcast("9430", " ")};
        QTest::newRow("SDR++ modes") << "sdrpp" << modes
                                     << json("{'bookmarks': {"
                                             "'A': {'frequency': 9650000, 'bandwidth': 10000, 'mode': 2},"
                                             "'B': {'frequency': 6070000, 'bandwidth': 10000, 'mode': 2},"
                                             "'C': {'frequency': 29600000, 'bandwidth': 12500, 'mode': 0},"
                                             "'D': {'frequency': 5000000, 'bandwidth': 2800, 'mode': 4},"
                                             "'E': {'frequency': 7150000, 'bandwidth': 2800, 'mode': 6},"
                                             "'F': {'frequency': 7039500, 'bandwidth': 200, 'mode': 5},"
                                             "'G': {'frequency': 7039500, 'bandwidth': 200, 'mode': 5},"
                                             "'H': {'frequency': 98000000, 'bandwidth': 150000, 'mode': 1},"
                                             "'I': {'frequency': 10100800, 'bandwidth': 10000, 'mode': 2},"
                                             "'J': {'frequency': 10100800, 'bandwidth': 10000, 'mode': 2}}}")
                                     << 2;
        QTest::newRow("SDR++ names") << "sdrpp" << names
                                     << json("{'bookmarks': {"
                                             "'BBC': {'frequency': 9650000, 'bandwidth': 10000, 'mode': 2},"
                                             "'BBC (3)': {'frequency': 9410000, 'bandwidth': 2800, 'mode': 4},"
                                             "'BBC (2)': {'frequency': 6195000, 'bandwidth': 10000, 'mode': 2},"
                                             "'BBC (4)': {'frequency': 9650000, 'bandwidth': 10000, 'mode': 2},"
                                             "'Radio \\'Free\\'; Europe': {'frequency': 9400000, 'bandwidth': 10000, 'mode': 2},"
                                             "'Φωνή Ñandú': {'frequency': 9420000, 'bandwidth': 10000, 'mode': 2},"
                                             "'9430 kHz': {'frequency': 9430000, 'bandwidth': 10000, 'mode': 2}}}")
                                     << 0;
        QTest::newRow("OpenWebRX modes") << "openwebrx" << modes
                                         << json("[{'name': 'A', 'frequency': 9650000, 'modulation': 'am'},"
                                                 "{'name': 'B', 'frequency': 6070000, 'modulation': 'sam'},"
                                                 "{'name': 'C', 'frequency': 29600000, 'modulation': 'nfm'},"
                                                 "{'name': 'D', 'frequency': 5000000, 'modulation': 'usb'},"
                                                 "{'name': 'E', 'frequency': 7150000, 'modulation': 'lsb'},"
                                                 "{'name': 'F', 'frequency': 7039500, 'modulation': 'cw'},"
                                                 "{'name': 'G', 'frequency': 7039500, 'modulation': 'cw'},"
                                                 "{'name': 'H', 'frequency': 98000000, 'modulation': 'wfm'},"
                                                 "{'name': 'I', 'frequency': 10100800, 'modulation': 'am'},"
                                                 "{'name': 'J', 'frequency': 10100800, 'modulation': 'am'}]")
                                         << 1;
        QTest::newRow("OpenWebRX keeps repeated names")
            << "openwebrx" << QList<Broadcast>{broadcast("9650", "BBC"), broadcast("9650", "BBC")}
            << json("[{'name': 'BBC', 'frequency': 9650000, 'modulation': 'am'},"
                    "{'name': 'BBC', 'frequency': 9650000, 'modulation': 'am'}]")
            << 0;
    }
    void jsonExports()
    {
        QFETCH(QString, program);
        QFETCH(QList<Broadcast>, from);
        QFETCH(QByteArray, json);
        const BookmarkExport result = program == "sdrpp" ? sdrppBookmarks(from) : openWebRxBookmarks(from);
        checkJson(result, json);
        QTEST(result.asAm, "asAm");
    }

    void merge_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QList<Broadcast>>("from");
        QTest::addColumn<QByteArray>("merged");
        QTest::addColumn<int>("skipped");
        QTest::addColumn<int>("asAm");
        const QList<Broadcast> kbs{broadcast("9650", "KBS World")};
        QTest::newRow("gqrx's own file") << gqrxOwnFile
                                         << QList<Broadcast>{broadcast("9660", "Ünïcode \"q\""), broadcast("9670", "spaced"),
                                                             broadcast("9650", "KBS World"), broadcast("6000", "Four fields")}
                                         << gqrxOwnTagged + kbsLine + fourLine
                                         << 2 << 0;
        QTest::newRow("tagged already, CR LF, no last line end")
            << QByteArray("Ledra;#c0ff00\r\n\r\n9650000;KBS World;USB;2700;Ledra") << QList<Broadcast>{broadcast("9650", "KBS World"), broadcast("6000", "Four fields")}
            << "Ledra;#c0ff00\r\n\r\n9650000;KBS World;USB;2700;Ledra\r\n" + fourLine.chopped(1) + "\r\n" << 1 << 0;
        QTest::newRow("tags alone") << QByteArray("# tags\nMine; #ff0000\n") << kbs
                                    << "# tags\nMine; #ff0000\nLedra               ; #c0ff00\n\n" + kbsLine << 0 << 0;
        QTest::newRow("nothing new") << gqrxOwnFile << QList<Broadcast>{broadcast("9670", "spaced")} << gqrxOwnFile << 1 << 0;
        QTest::newRow("empty: a whole file") << QByteArray("\n")
                                             << QList<Broadcast>{broadcast("9650", "KBS World"), broadcast("6070", "CFRX", "1"),
                                                                 broadcast("10100.8", "DWD", "8"),
                                                                 broadcast("9400", "Radio \"Free\"; Europe", "7")}
                                             << gqrxStart + kbsLine
                                                    + "     6070000; CFRX                     ; AM-Sync             ;      10000; Ledra\n"
                                                      "    10100800; DWD                      ; AM                  ;      10000; Ledra\n"
                                                      "     9400000; Radio \"Free\", Europe     ; WFM (mono)          ;     160000; Ledra\n"
                                             << 0 << 1;
    }
    void merge()
    {
        QFETCH(QByteArray, file);
        QFETCH(QList<Broadcast>, from);
        QFETCH(int, skipped);
        const BookmarkExport result = mergeGqrxBookmarks(file, from);
        QTEST(result.bytes, "merged");
        QCOMPARE(result.skipped, skipped);
        QCOMPARE(result.written, from.size() - skipped);
        QTEST(result.asAm, "asAm");
    }
};

QTEST_APPLESS_MAIN(TestSdrBookmarks)
#include "tst_sdrbookmarks.moc"
