// SPDX-License-Identifier: GPL-3.0-or-later
// The guide's band map: which band it shows, and its selection kept in step with the table's.
#include "guide/guidewindow.h"

#include "app/core/settingsstore.h"
#include "bandmap/bandmapview.h"
#include "geo/core/geoposition.h"
#include "guide/guidemodel.h"
#include "ui_guidewindow.h"

namespace {

// read through the guide's store, which stays unopened when it is no regular file
std::optional<GeoPosition> listenerLocation()
{
    const SettingsStore store(QStringLiteral("Ledra-guide"));
    return readLocation(store.value(QStringLiteral("location")).toString()).position;
}

} // namespace

void GuideWindow::setUpBandMap()
{
    BandMapView* map = ui->guideBandMap;
    map->setModels(model, filtered);
    showMapMoment(moment);
    QItemSelectionModel* selection = ui->guideTable->selectionModel();
    connect(ui->guideMapLocal, &QCheckBox::toggled, map, &BandMapView::setLocalHours);
    connect(ui->guideBand, &QComboBox::currentIndexChanged, this, &GuideWindow::chooseMapBand);
    connect(selection, &QItemSelectionModel::currentRowChanged, this, &GuideWindow::chooseMapBand);
    connect(selection, &QItemSelectionModel::selectionChanged, this, &GuideWindow::showSelectionOnMap);
    connect(filtered, &QAbstractItemModel::modelReset, this, &GuideWindow::showSelectionOnMap);
    connect(map, &BandMapView::rowClicked, this, &GuideWindow::selectSourceRow);
    connect(map, &BandMapView::rowActivated, this, &GuideWindow::tuneRow);
    chooseMapBand();
}

// the location is read each minute too, so a new one shows within a minute
void GuideWindow::showMapMoment(const QDateTime& utc)
{
    ui->guideBandMap->setListener(listenerLocation());
    ui->guideBandMap->setMoment(utc);
}

// the band of the band filter; with all bands, that of the current row, else the one shown
void GuideWindow::chooseMapBand()
{
    QString band = ui->guideBand->currentData().toString();
    const QModelIndex current = ui->guideTable->selectionModel()->currentIndex();
    if (band.isEmpty() && current.isValid())
        band = bandOf(model->record(filtered->sourceRow(current.row())).khz);
    if (band.isEmpty())
        return;
    ui->guideBandMap->setBand(band);
    if (!mapBandShown)
        shareWidth(true);
}

void GuideWindow::showSelectionOnMap()
{
    QSet<int> rows;
    for (const QModelIndex& index : ui->guideTable->selectionModel()->selectedRows())
        rows.insert(filtered->sourceRow(index.row()));
    ui->guideBandMap->setSelectedRows(rows);
}

void GuideWindow::selectSourceRow(int sourceRow)
{
    const QModelIndex row = filtered->mapFromSource(model->index(sourceRow, 0));
    if (!row.isValid())
        return;
    ui->guideTable->selectionModel()->setCurrentIndex(
        row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    ui->guideTable->scrollTo(row);
}
