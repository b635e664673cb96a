// SPDX-License-Identifier: GPL-3.0-or-later
#include "bookmarks/core/gqrxbookmarks.h"
#include "tests/support/datagramcollector.h"
#include "tests/support/gqrx.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTest>

#include <algorithm>

namespace {

Broadcast broadcast(const QString& khz, const QString& name, const QString& mode = QString())
{
    return *broadcastFromFields({khz, "0000-2400", "", "KOR", name, "E", "Eu", "", mode});
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// the file with its tag lines sorted, as gqrx writes them in no fixed order
QByteArray tagsSorted(const QByteArray& file)
{
    QList<QByteArray> lines = file.split('\n');
    const qsizetype tagsEnd = lines.indexOf(QByteArray());
    if (tagsEnd > 1)
        std::sort(lines.begin() + 1, lines.begin() + tagsEnd);
    return lines.join('\n');
}

// a listener's file: a tag and a bookmark of their own, and comments
const QByteArray listenersFile = "# Tag name          ;  color\n"
                                 "Mine                ; #ff0000\n"
                                 "\n"
                                 "# Frequency ; Name                     ; Modulation          ;  Bandwidth; Tags\n"
                                 "# heard at night\n"
                                 "     9650000; KBS World                ; AM                  ;      10000; Mine\n";

// what gqrx writes back: the tags in use, every bookmark by frequency, the one added in gqrx
// (tags sorted)
const QByteArray wroteBack = "# Tag name          ;  color\n"
                             "Ledra               ; #c0ff00\n"
                             "Mine                ; #ff0000\n"
                             "Untagged            ; #c0c0c0\n"
                             "\n"
                             "# Frequency ; Name                     ; Modulation          ;  Bandwidth; Tags\n"
                             "     5000000; Ute                      ; USB                 ;       2700; Ledra\n"
                             "     6070000; CFRX                     ; AM-Sync             ;      10000; Ledra\n"
                             "     6089500; Deutsche Welle, Kigali relay (Rwanda); AM                  ;      10000; Ledra\n"
                             "     7039500; Beacon                   ; CW-U                ;        500; Ledra\n"
                             "     7040000; Beacon                   ; CW-L                ;        500; Ledra\n"
                             "     7150000; Net                      ; LSB                 ;       2700; Ledra\n"
                             "     9400000; Radio \"Free\", Europe     ; AM                  ;      10000; Ledra\n"
                             "     9420000; Φωνή Ñandú               ; AM                  ;      10000; Ledra\n"
                             "     9650000; KBS World                ; AM                  ;      10000; Mine\n"
                             "    10000000; 73                       ; USB                 ;       2700; Untagged\n"
                             "    10100800; DWD                      ; AM                  ;      10000; Ledra\n"
                             "    29600000; Repeater                 ; Narrow FM           ;      10000; Ledra\n"
                             "    98000000; FM station               ; WFM (mono)          ;     160000; Ledra\n";

// Adds the bookmark "73" in gqrx (Ctrl+Shift+B, its name, Enter) and waits until gqrx has
// written its file anew. Keys that reach gqrx before its dialog is open go to its main window,
// so the name is made of keys that are no shortcut there, and a late dialog is closed (Escape)
// before the next try.
bool addBookmarkInGqrx(ledraTest::Gqrx& gqrx, const QString& path)
{
    const quint32 control = 0xffe3;
    const quint32 shift = 0xffe1;
    const quint32 enter = 0xff0d;
    const quint32 escape = 0xff1b;
    const QByteArray before = fileBytes(path);
    for (int dialogWait = 1000; dialogWait <= 4000; dialogWait *= 2) {
        if (!gqrx.pressKeys({{control, shift, 'B'}}))
            return false;
        QTest::qWait(dialogWait);
        if (!gqrx.pressKeys({{'7'}, {'3'}, {enter}}))
            return false;
        const QDeadlineTimer deadline(5000);
        while (fileBytes(path) == before && !deadline.hasExpired())
            QTest::qWait(100);
        if (fileBytes(path) != before)
            return true;
        gqrx.pressKeys({{escape}});
    }
    return false;
}

} // namespace

class TestGqrxBookmarks : public QObject
{
    Q_OBJECT
private slots:
    // gqrx writes its bookmarks file only when its list changes: a bookmark added in gqrx makes
    // it write back every bookmark it read, in its own layout
    void gqrxReadsEveryBookmark()
    {
        LEDRA_REQUIRE_PRIVATE_NETWORK();
        ledraTest::Gqrx gqrx;
        const QString path = gqrx.configFolder() + "/bookmarks.csv";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(listenersFile) == listenersFile.size());
        file.close();
        BookmarkExport merged;
        QCOMPARE(mergeIntoGqrxFile(path,
                                   {broadcast("9650", "KBS World"), broadcast("6070", "CFRX", "1"),
                                    broadcast("29600", "Repeater", "2"), broadcast("5000", "Ute", "3"),
                                    broadcast("7150", "Net", "4"), broadcast("7039.5", "Beacon", "5"),
                                    broadcast("7040", "Beacon", "6"), broadcast("98000", "FM station", "7"),
                                    broadcast("10100.8", "DWD", "8"), broadcast("9400", "Radio \"Free\"; Europe"),
                                    broadcast("9420", "Φωνή Ñandú"), broadcast("9420", "Φωνή Ñandú"),
                                    broadcast("6089.5", "Deutsche Welle, Kigali relay (Rwanda)")},
                                   merged),
                 QString());
        QCOMPARE(merged.skipped, 2);

        LEDRA_START_GQRX(gqrx);
        QVERIFY2(addBookmarkInGqrx(gqrx, path), "gqrx did not write its bookmarks back");
        gqrx.stop();

        QVERIFY2(!gqrx.output().contains("Ignoring Line"), qPrintable(gqrx.output()));
        QCOMPARE(tagsSorted(fileBytes(path)), wroteBack);
    }
};

QTEST_GUILESS_MAIN(TestGqrxBookmarks)
#include "tst_gqrxbookmarks.moc"
