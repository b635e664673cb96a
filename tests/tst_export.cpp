// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/testenv.h"
#include "tests/support/testwindow.h"
#include "ui_mainwindow.h"

#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>

using ledraTest::fields;

namespace {

const QByteArray kiwiHeader = "Freq kHz;\"Mode\";\"Ident\";\"Notes\";\"Extension\";\"Type\";PB low;PB high;Offset;"
                              "\"DOW\";Begin;End;Sig bw\n";
const QByteArray gqrxTags = "# Tag name          ;  color\n"
                            "Mine                ; #ff0000\n";
const QByteArray gqrxBookmarks = "\n"
                            "# Frequency ; Name                     ; Modulation          ;  Bandwidth; Tags\n"
                            "     9650000; KBS World                ; AM                  ;      10000; Mine\n";
const QByteArray gqrxFile = gqrxTags + gqrxBookmarks;

QString gqrxPath()
{
    return ledraTest::homeFolder() + "/.config/gqrx/bookmarks.csv";
}

QString documents(const QString& name)
{
    return ledraTest::documentsFolder() + '/' + name;
}

// Answers the export dialog: notes the file it proposes for each program in turn, then picks
// the program and the file given (the proposed one when empty) and presses OK, or Cancel when
// no program is given.
struct ExportAnswer
{
    ExportAnswer(ModalAnswerer& answerer, const QString& program, const QString& path = QString())
    {
        answerer.onDialog([this, program, path](QDialog* dialog) {
            auto* format = dialog->findChild<QComboBox*>("exportFormat");
            auto* file = dialog->findChild<QLineEdit*>("exportFile");
            for (int index = 0; index < format->count(); ++index) {
                format->setCurrentIndex(index);
                proposed.append(format->currentText() + ": " + file->text());
            }
            if (program.isEmpty()) {
                dialog->reject();
                return;
            }
            format->setCurrentIndex(format->findData(program));
            if (!path.isEmpty())
                file->setText(path);
            dialog->accept();
        });
    }
    QStringList proposed;
};

// on the air on Monday 2025-06-16 at 12:00: the first two records
const QByteArray seasonFile = "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;"
                              "Remarks:135;P:35;Start:60;Stop:60;\n"
                              "9610;1200-1300;Mo-Fr;ROU;R\xc3\xa1" "dio Romania;E,F;ME;g;1;;\n"
                              "6089.5;1100-1300;USB;D;Deutsche Welle;G;Eu;/OMA-a;;;\n"
                              "9420;2300-0100;SaSu;GRC;ERT;Gr;Eu;a;;;\n";

} // namespace

class TestExport : public QObject
{
    Q_OBJECT
private slots:
    void exportSchedule_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("written");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("KiwiSDR to the file proposed")
            << "kiwi" << documents("kiwisdr-dx-labels.csv")
            << kiwiHeader + "9650;\"AM\";\"KBS World\";\"\";\"\";\"T0\";-4900;4900;0;\"MTWTF__\";1200;1300;0\n"
                            "98000;\"AM\";\"FM station\";\"\";\"\";\"T0\";-4900;4900;0;\"MTWTFSS\";0000;2400;0\n"
            << QStringList{"Notice: Exported to \"" + documents("kiwisdr-dx-labels.csv")
                           + "\": 2 bookmarks\nWritten as AM, a mode KiwiSDR lacks: 1"};
        QTest::newRow("gqrx merged into its own file")
            << "gqrx" << gqrxPath()
            << gqrxTags + "Ledra               ; #c0ff00\n" + gqrxBookmarks
                   + "    98000000; FM station               ; WFM (mono)          ;     160000; Ledra\n"
            << QStringList{"Notice: Added to gqrx's bookmarks \"" + gqrxPath()
                           + "\": 1\nSkipped, already there: 1\nWritten as AM, a mode gqrx lacks: 0\n"
                             "gqrx reads the file when it starts: restart it to see them."};
        QTest::newRow("cancelled") << "" << documents("kiwisdr-dx-labels.csv") << QByteArray() << QStringList();
    }
    void exportSchedule()
    {
        QFETCH(QString, program);
        QFETCH(QString, path);
        QFETCH(QByteArray, written);
        QFETCH(QStringList, shown);
        // Go would tune none of the middle three, so they make no bookmark
        ledraTest::TestWindow t({fields("9650;1200-1300;Mo-Fr;KOR;KBS World;E;Eu;;0;"), fields(";;;;;;;;;"),
                                 fields("abc;;;USA;Letters;E;NAm;;0;"), fields("-5;;;USA;Below zero;E;NAm;;0;"),
                                 fields("98000;;;USA;FM station;E;NAm;;7;")});
        QFile::remove(gqrxPath());
        QFile::remove(gqrxPath() + ".bak");
        ledraTest::writeFile(gqrxPath(), gqrxFile);
        ExportAnswer answer(t.answerer, program);
        t.window.ui->actionExportSchedule->trigger();
        QCOMPARE(answer.proposed, (QStringList{"gqrx: " + gqrxPath(), "SDR++: " + documents("sdrpp-bookmarks.json"),
                                              "KiwiSDR: " + documents("kiwisdr-dx-labels.csv"),
                                              "OpenWebRX: " + documents("openwebrx-bookmarks.json")}));
        QCOMPARE(t.answerer.shown(), shown);
        QCOMPARE(ledraTest::readFile(path), written);
        if (program != "gqrx")
            QCOMPARE(ledraTest::readFile(gqrxPath()), gqrxFile);
        QCOMPARE(ledraTest::readFile(gqrxPath() + ".bak"), program == "gqrx" ? gqrxFile : QByteArray());
        QCOMPARE(t.window.statusBar()->currentMessage(), "3 rows left out: no valid frequency");
        QVERIFY(!t.window.isWindowModified());
    }

    void emptyScheduleExportsNothing()
    {
        ledraTest::TestWindow t;
        ExportAnswer answer(t.answerer, "kiwi");
        t.window.ui->actionExportSchedule->trigger();
        QCOMPARE(answer.proposed, QStringList());
        QCOMPARE(t.answerer.shown(), QStringList{"Notice: There is nothing to export"});
        QCOMPARE(t.window.statusBar()->currentMessage(), "");
    }

    void refusedFileSaysWhy()
    {
        ledraTest::TestWindow t({fields("9650;1200-1300;Mo-Fr;KOR;KBS World;E;Eu;;0;")});
        ExportAnswer answer(t.answerer, "sdrpp", documents("missing/sdrpp.json"));
        t.window.ui->actionExportSchedule->trigger();
        QCOMPARE(t.answerer.shown().size(), 1);
        QVERIFY2(t.answerer.shown().first().startsWith("error: Could not export to \"" + documents("missing/sdrpp.json")
                                                       + "\": "),
                 qPrintable(t.answerer.shown().first()));
    }

    void guideExportsSelectedOrShown_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QByteArray>("written");
        const QByteArray romania = "9610;\"AM\";\"Rádio Romania\";\"\";\"\";\"T0\";-4900;4900;0;\"MTWTF__\";1200;1300;0\n";
        const QByteArray welle = "6089.5;\"USB\";\"Deutsche Welle\";\"\";\"\";\"T0\";300;2700;0;\"MTWTFSS\";1100;1300;0\n";
        const QByteArray ert = "9420;\"AM\";\"ERT\";\"\";\"\";\"T0\";-4900;4900;0;\"_____SS\";2300;0100;0\n";
        QTest::newRow("all shown, in their order") << QList<int>() << kiwiHeader + welle + ert + romania;
        QTest::newRow("the selected ones") << QList<int>{2, 0} << kiwiHeader + welle + romania;
    }
    void guideExportsSelectedOrShown()
    {
        QFETCH(QList<int>, selected);
        QFETCH(QByteArray, written);
        ledraTest::GuideTestWindow t(seasonFile);
        t.table()->sortByColumn(0, Qt::AscendingOrder);
        ledraTest::selectRows(t.table(), selected);
        ExportAnswer answer(t.answerer, "kiwi");
        t.child<QPushButton>("guideExport")->click();
        QCOMPARE(ledraTest::readFile(documents("kiwisdr-dx-labels.csv")), written);
        QCOMPARE(t.answerer.shown().size(), 1);
    }
};

LEDRA_TEST_MAIN(TestExport)
#include "tst_export.moc"
