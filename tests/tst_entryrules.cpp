// SPDX-License-Identifier: GPL-3.0-or-later
// Add's checks, the Tx Site cell and the frequency box's target row, without a window.
#include "editing/core/entryrules.h"
#include "schedule/core/frequencyreadings.h"

#include <QTest>

namespace {
const QString timeFault = "Time must be in two number\nformat like: 0000-2359\n or 24 or 24h\n Cannot Add Item";
const QString leftFault = "Left part of range is not\n a four-digit number\n Cannot Add Item";
const QString rightFault = "Right part of range is not\n a four-digit number\n Cannot Add Item";
} // namespace

class TestEntryRules : public QObject
{
    Q_OBJECT
private slots:
    void checkEntry_data()
    {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("outcome"); // the problem, or the stored time range
        QTest::newRow("frequency first") << "" << "" << "x" << "Problem with Frequency\n Cannot Add Item";
        QTest::newRow("empty label before time") << "9650" << "" << "x" << "Problem with Label\n Cannot Add Item";
        QTest::newRow("semicolon") << "9650" << "BBC;WS" << "" << "Problem with Label\n It must not contain \";\"\n Cannot Add Item";
        QTest::newRow("line break") << "9650" << "BBC\rWS" << "" << "Problem with Label\n It must not contain a line break\n Cannot Add Item";
        QTest::newRow("empty time") << "9650" << "BBC" << "" << "";
        QTest::newRow("24") << "9650" << "BBC" << "24" << "0000-2359";
        QTest::newRow("24h") << "-5" << "BBC" << "24h" << "0000-2359";
        QTest::newRow("24H") << "9650" << "BBC" << "24H" << "length=1" + timeFault;
        QTest::newRow("three parts") << "9650" << "BBC" << "0000-2359-0100" << "length=3" + timeFault;
        QTest::newRow("dash") << "9650" << "BBC" << "-" << leftFault;
        QTest::newRow("short end") << "9650" << "BBC" << "0000-235" << rightFault;
        QTest::newRow("digits other than 0-9") << "9650" << "BBC" << "٠٠٠٠-2359" << leftFault;
        QTest::newRow("any four digits") << "9650" << "BBC" << "9999-0000" << "9999-0000";
    }
    void checkEntry()
    {
        QFETCH(QString, frequency);
        QFETCH(QString, label);
        QFETCH(QString, time);
        const EntryCheck check = ::checkEntry(frequency, label, time);
        QTEST(check.problem.isEmpty() ? check.time : check.problem, "outcome");
    }

    void txSite_data()
    {
        QTest::addColumn<bool>("foreignChosen");
        QTest::addColumn<QString>("foreign");
        QTest::addColumn<QString>("site");
        QTest::addColumn<QString>("cell");
        QTest::newRow("site, no foreign") << false << "" << "k" << "k";
        QTest::newRow("site and foreign") << true << "AFG" << "k" << "/AFG-k";
        QTest::newRow("foreign, no site") << true << "AFG" << "" << "";
    }
    void txSite()
    {
        QFETCH(bool, foreignChosen);
        QFETCH(QString, foreign);
        QFETCH(QString, site);
        QTEST(txSiteText(foreignChosen, foreign, site), "cell");
    }

    // rows 0 to 99 hold 1000, 1010, ... with row 3 holding no frequency
    void frequencyTarget_data()
    {
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<qint64>("frequency");
        QTest::addColumn<int>("row");
        QTest::newRow("exact match: four rows past") << 100 << 1100LL << 14;
        QTest::newRow("between: three past the lower") << 100 << 1105LL << 13;
        QTest::newRow("below all") << 100 << 500LL << 0;
        QTest::newRow("above all") << 100 << 5000LL << -1;
        QTest::newRow("near the end") << 12 << 1100LL << 11;
        QTest::newRow("past the cell without one") << 100 << 1025LL << 5;
        QTest::newRow("empty table") << 0 << 1000LL << -1;
    }
    void frequencyTarget()
    {
        QFETCH(int, rowCount);
        QFETCH(qint64, frequency);
        QList<qint64> frequencies;
        for (int index = 0; index < rowCount; ++index)
            frequencies.append(index == 3 ? noFrequency : 1000 + 10 * index);
        QTEST(frequencyTargetRow(frequencies, frequency), "row");
    }
};

QTEST_APPLESS_MAIN(TestEntryRules)
#include "tst_entryrules.moc"
