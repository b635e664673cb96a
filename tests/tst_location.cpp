// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/locationdialog.h"
#include "guide/guidemodel.h"
#include "tests/support/testenv.h"
#include "tests/support/testwindow.h"
#include "ui_locationdialog.h"
#include "ui_mainwindow.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTableView>

using ledraTest::GuideTestWindow;

namespace {

// km and bearings from JO62qm by Vincenty's formulae; Nauen's path is lit at noon and dark at
// 23:00 on Monday 2025-06-16 (the Astronomical Almanac's sun)
const QByteArray seasonFile = "kHz:75;\n"
                              "9610;0000-2400;;ROU;Galbeni;E;Eu;g;;;\n"
                              "6005;0000-2400;;D;Nauen;G;Eu;n;;;\n"
                              "7300;0000-2400;;AFG;Kabul;E;As;k;;;\n"
                              "9420;0000-2400;;D;Nowhere;G;Eu;;;;\n";
const QString hint = "Set your location under Settings > My location... to see distances";

QSettings guideStore()
{
    return QSettings("Morvath", "Ledra-guide");
}

// the given columns of the guide's rows as shown, joined by "|"
QStringList shown(GuideTestWindow& t, const QList<int>& columns)
{
    QStringList rows;
    for (int row = 0; row < t.table()->model()->rowCount(); ++row) {
        QStringList cells;
        for (int column : columns)
            cells.append(t.table()->model()->index(row, column).data().toString());
        rows.append(cells.join('|'));
    }
    return rows;
}

QString words(GuideTestWindow& t)
{
    return t.child<QLabel>("guideDistance")->text();
}

// Opens Settings > My location..., types the text and presses OK when it can.
void typeLocation(GuideTestWindow& t, const QString& typed, QString& shown, bool& accepted)
{
    t.answerer.onDialog([&](QDialog* dialog) {
        auto* location = qobject_cast<LocationDialog*>(dialog);
        location->ui->locationText->setText(typed);
        shown = location->ui->locationShown->text();
        QPushButton* ok = location->ui->buttonBox->button(QDialogButtonBox::Ok);
        accepted = ok->isEnabled();
        if (accepted)
            ok->click();
        else
            dialog->reject();
    });
    t.window.ui->actionLocation->trigger();
}

} // namespace

class TestLocation : public QObject
{
    Q_OBJECT
private slots:
    // the location each guide opens with, unless a test stores another
    void init()
    {
        guideStore().setValue("location", "JO62qm");
    }

    void dialog_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("stored");
        QTest::newRow("degrees, kept as typed") << " -33.9,18.4" << "33.900° S, 18.400° E" << " -33.9,18.4";
        QTest::newRow("refused, the last one stays") << "JO62qz"
                                                     << "A locator's fifth and sixth characters are letters from A to X"
                                                     << "JO62qm";
        QTest::newRow("none") << "" << "No location: the guide shows no distances" << "";
    }
    void dialog()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, stored);
        GuideTestWindow t(seasonFile);
        QString label;
        bool accepted = false;
        typeLocation(t, typed, label, accepted);
        QCOMPARE(label, shown);
        QCOMPARE(guideStore().value("location").toString(), stored);
        QVERIFY(!QSettings().contains("location"));
        // the open guide heard of it
        QCOMPARE(words(t) == hint, stored.isEmpty());
        QCOMPARE(t.answerer.shown(), QStringList());
    }

    void columnsSortAsNumbers()
    {
        GuideTestWindow t(seasonFile);
        const QList<int> columns{StationColumn, KmColumn, BearingColumn, PathColumn};
        QCOMPARE(shown(t, columns), QStringList({"Galbeni|1,153|119°|day", "Nauen|35|294°|day", "Kabul|4,801|92°|day",
                                                 "Nowhere|||"}));
        t.table()->sortByColumn(KmColumn, Qt::AscendingOrder);
        QCOMPARE(shown(t, {StationColumn}), QStringList({"Nauen", "Galbeni", "Kabul", "Nowhere"}));
        t.table()->sortByColumn(BearingColumn, Qt::AscendingOrder);
        QCOMPARE(shown(t, {StationColumn}), QStringList({"Kabul", "Galbeni", "Nauen", "Nowhere"}));
        QCOMPARE(words(t), QString());
    }

    void withoutLocation()
    {
        guideStore().remove("location");
        GuideTestWindow t(seasonFile);
        QCOMPARE(shown(t, {KmColumn, BearingColumn, PathColumn}), QStringList(4, "||"));
        QCOMPARE(words(t), hint);
        QVERIFY(!t.child<QSpinBox>("guideWithin")->isEnabled());
    }

    void withinCombinesWithTheFilters_data()
    {
        QTest::addColumn<int>("within");
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("count");
        QTest::newRow("off") << 0 << "" << "4 of 4 broadcasts";
        QTest::newRow("its limit included") << 1153 << "" << "2 of 4 broadcasts";
        QTest::newRow("nearer") << 1152 << "" << "1 of 4 broadcasts";
        QTest::newRow("and a language") << 5000 << "E" << "2 of 4 broadcasts";
    }
    void withinCombinesWithTheFilters()
    {
        QFETCH(int, within);
        QFETCH(QString, language);
        QFETCH(QString, count);
        GuideTestWindow t(seasonFile);
        t.child<QSpinBox>("guideWithin")->setValue(within);
        QComboBox* languages = t.child<QComboBox>("guideLanguage");
        languages->setCurrentIndex(languages->findData(language));
        QCOMPARE(t.count(), count);
    }

    void pathFollowsTheMinute()
    {
        GuideTestWindow t(seasonFile);
        t.table()->setCurrentIndex(t.table()->model()->index(1, 0));
        QCOMPARE(words(t), "35 km, bearing 294°, path in daylight");
        t.guide->showMoment(QDateTime(QDate(2025, 6, 16), QTime(23, 0), Qt::UTC));
        QCOMPARE(t.table()->model()->index(1, PathColumn).data().toString(), "night");
        QCOMPARE(words(t), "35 km, bearing 294°, path in darkness");
        t.table()->setCurrentIndex(t.table()->model()->index(3, 0));
        QCOMPARE(words(t), QString());
    }
};

LEDRA_TEST_MAIN(TestLocation)
#include "tst_location.moc"
