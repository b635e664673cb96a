// SPDX-License-Identifier: GPL-3.0-or-later
#include "guide/guidemodel.h"
#include "guide/guidewindow.h"
#include "log/core/logstats.h"
#include "log/core/reminders.h"
#include "ui_guidewindow.h"

#include <QBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace {

// puts the widget right after another one in whichever box layout holds that one
void placeAfter(QWidget* window, QWidget* beside, QWidget* widget)
{
    for (QBoxLayout* box : window->findChildren<QBoxLayout*>()) {
        const int at = box->indexOf(beside);
        if (at >= 0) {
            box->insertWidget(at + 1, widget);
            return;
        }
    }
}

} // namespace

void GuideWindow::setUpHeard()
{
    heardButton = new QPushButton(tr("Heard it"), this);
    heardButton->setObjectName(QStringLiteral("guideHeard"));
    heardButton->setToolTip(tr("Log the selected broadcast as heard now"));
    placeAfter(this, ui->guideTune, heardButton);
    starButton = new QPushButton(tr("★ Favourite"), this);
    starButton->setObjectName(QStringLiteral("guideStar"));
    starButton->setCheckable(true);
    starButton->setToolTip(tr("Star the selected broadcast's station on its frequency: Remind me (in the reception log) "
                              "then tells before it comes on the air"));
    placeAfter(this, heardButton, starButton);
    heardLine = new QLabel(this);
    heardLine->setObjectName(QStringLiteral("guideHeardLine"));
    placeAfter(this, ui->guideDistance, heardLine);
    connect(heardButton, &QPushButton::clicked, this, [this] {
        const QModelIndexList rows = ui->guideTable->selectionModel()->selectedRows();
        if (rows.size() != 1) {
            QMessageBox::information(nullptr, QStringLiteral("Notice"),
                                     QStringLiteral("You must select one broadcast for Heard it"));
            return;
        }
        emit heardRequested(model->record(filtered->sourceRow(rows.first().row())).line().toString());
    });
    connect(starButton, &QPushButton::clicked, this, [this](bool starred) {
        const QModelIndexList rows = ui->guideTable->selectionModel()->selectedRows();
        if (rows.size() != 1) {
            showHeardLine();
            return;
        }
        const SeasonRecord& record = model->record(filtered->sourceRow(rows.first().row()));
        emit favouriteToggled({record.field(StationField).toString(), record.khz}, starred);
    });
    connect(filtered, &QAbstractItemModel::modelReset, this, &GuideWindow::showHeardLine);
    connect(ui->guideTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &GuideWindow::showHeardLine);
    connect(ui->guideTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &GuideWindow::showHeardLine);
}

void GuideWindow::showHeard(const QList<Reception>& receptions)
{
    heard = receptions;
    showMarks();
}

void GuideWindow::showFavourites(const QList<Favourite>& starred)
{
    favourites = starred;
    showMarks();
}

void GuideWindow::showMarks()
{
    QSet<QString> heardKeys;
    for (const Reception& reception : heard)
        heardKeys.insert(GuideModel::stationKey(reception.station, reception.khz));
    QSet<QString> favouriteKeys;
    for (const Favourite& favourite : favourites)
        favouriteKeys.insert(GuideModel::stationKey(favourite.station, favourite.khz));
    model->setMarks(heardKeys, favouriteKeys);
    showHeardLine();
}

void GuideWindow::showHeardLine()
{
    const QModelIndexList selected = ui->guideTable->selectionModel()->selectedRows();
    const QModelIndex current =
        selected.size() == 1 ? selected.first() : ui->guideTable->selectionModel()->currentIndex();
    if (!current.isValid()) {
        heardLine->clear();
        starButton->setChecked(false);
        return;
    }
    const SeasonRecord& record = model->record(filtered->sourceRow(current.row()));
    heardLine->setText(heardBeforeText(heard, record.field(StationField).toString(), record.khz));
    starButton->setChecked(isFavouriteRecord(record, favourites));
}
