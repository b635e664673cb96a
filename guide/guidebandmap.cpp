// SPDX-License-Identifier: GPL-3.0-or-later
// The guide's band map: which band it shows, and its selection kept in step with the table's.
#include "guide/guidewindow.h"

#include "bandmap/bandmapview.h"
#include "guide/guidemodel.h"
#include "ui_guidewindow.h"

namespace {

QString bandMapTip(const GuideModel& model, int sourceRow)
{
    const auto text = [&model, sourceRow](int column, int role = Qt::DisplayRole) {
        return model.index(sourceRow, column).data(role).toString();
    };
    const QString targetName = text(TargetColumn, Qt::ToolTipRole);
    QStringList lines{
        text(StationColumn),
        QStringLiteral("%1 kHz, %2 %3").arg(text(KhzColumn), text(TimeColumn), text(DaysColumn)).trimmed(),
        QStringLiteral("Language: ") + text(LanguageColumn),
        QStringLiteral("Target: ") + text(TargetColumn)
            + (targetName.isEmpty() ? QString() : QStringLiteral(" (") + targetName + QLatin1Char(')')),
        QStringLiteral("Site: ") + text(SiteColumn),
    };
    return lines.join(QLatin1Char('\n'));
}

} // namespace

void GuideWindow::setUpBandMap()
{
    BandMapView* map = ui->guideBandMap;
    map->setTipText([this](int sourceRow) { return bandMapTip(*model, sourceRow); });
    // the model's own paths, found once per file and location, and at once for a new location
    connect(model, &GuideModel::pathsChanged, map, [this, map] {
        map->setRecords(&model->records());
        showRowsOnMap();
        map->setPaths(model->sharedPaths());
    });
    connect(filtered, &QAbstractItemModel::modelReset, this, &GuideWindow::showRowsOnMap);
    map->setRecords(&model->records());
    map->setPaths(model->sharedPaths());
    showRowsOnMap();
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

void GuideWindow::showMapMoment(const QDateTime& utc)
{
    ui->guideBandMap->setMoment(utc);
}

void GuideWindow::showRowsOnMap()
{
    const std::vector<int>& shown = filtered->sourceRows();
    ui->guideBandMap->setShownRows(QList<int>(shown.begin(), shown.end()));
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
