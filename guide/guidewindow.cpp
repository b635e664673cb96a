// SPDX-License-Identifier: GPL-3.0-or-later
#include "guide/guidewindow.h"

#include "app/core/guidestore.h"
#include "app/core/settingsstore.h"
#include "download/seasonupdater.h"
#include "geo/core/listenerlocation.h"
#include "guide/guidemodel.h"
#include "guide/guidetimeline.h"
#include "guide/receiverfollower.h"
#include "schedule/core/scheduleformat.h"
#include "season/core/onair.h"
#include "season/core/seasoncode.h"
#include "ui_guidewindow.h"

#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QMimeData>
#include <QSet>
#include <QSplitter>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace {

const int shownWarnings = 40;

// the band map's share of the width, while it shows a band and while it shows none
const double mapShareWithBand = 0.4;
const double mapShareWithoutBand = 0.2;

void notice(const QString& text)
{
    QMessageBox::information(nullptr, QStringLiteral("Notice"), text);
}

QString fileReport(const QString& path, const SeasonFile& season)
{
    int inactive = 0;
    for (const SeasonRecord& record : season.records)
        inactive += record.inactive ? 1 : 0;
    return QStringLiteral("%1: %2 skipped, %3 impossible dates, %4 inactive")
        .arg(QFileInfo(path).fileName())
        .arg(season.skipped)
        .arg(season.impossibleDates)
        .arg(inactive);
}

QString warningsTip(const QStringList& warnings)
{
    QStringList shown = warnings.mid(0, shownWarnings);
    if (warnings.size() > shownWarnings)
        shown.append(QStringLiteral("and %1 more").arg(warnings.size() - shownWarnings));
    return shown.join(QLatin1Char('\n'));
}

int minuteOfDay(const QDateTime& utc)
{
    return utc.time().hour() * 60 + utc.time().minute();
}

int untilNextMinute()
{
    const QTime now = QDateTime::currentDateTimeUtc().time();
    return (60 - now.second()) * 1000 - now.msec();
}

} // namespace

GuideWindow::GuideWindow(const QAbstractItemModel* schedule, RigLink* rig, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , ui(new Ui_GuideWindow)
    , schedule(schedule)
    , model(new GuideModel(this))
    , filtered(new GuideFilterModel(model, this))
    , minuteTimer(new QTimer(this))
    , moment(QDateTime::currentDateTimeUtc())
    , follower(new ReceiverFollower(rig, this))
{
    ui->setupUi(this);
    updater = new SeasonUpdater(ui->guideTable, this);
    ui->guideLayout->addWidget(updater);
    connect(updater, &SeasonUpdater::fileArrived, this, &GuideWindow::openFile);
    ui->guideTable->setModel(filtered);
    ui->guideTable->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    ui->guideTable->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    ui->guideTable->verticalHeader()->hide();
    ui->guideTable->horizontalHeader()->setMaximumSectionSize(320);
    // column widths from the rows in view only, so that a long file opens quickly
    ui->guideTable->horizontalHeader()->setResizeContentsPrecision(0);
    fillFilterBoxes();
    showCount();

    connect(ui->guideOpen, &QPushButton::clicked, this, &GuideWindow::pickFile);
    connect(ui->guideFind, &QLineEdit::textChanged, this, &GuideWindow::applyFilter);
    for (QComboBox* box : {ui->guideBand, ui->guideLanguage, ui->guideTarget, ui->guideCountry})
        connect(box, &QComboBox::currentIndexChanged, this, &GuideWindow::applyFilter);
    connect(ui->guideOnAir, &QCheckBox::toggled, this, &GuideWindow::applyFilter);
    connect(ui->guideWithin, &QSpinBox::valueChanged, this, &GuideWindow::applyFilter);
    connect(ui->guideTune, &QPushButton::clicked, this, &GuideWindow::tune);
    connect(ui->guideRecord, &QPushButton::clicked, this, &GuideWindow::record);
    connect(ui->guideAdd, &QPushButton::clicked, this, &GuideWindow::addToSchedule);
    connect(ui->guideExport, &QPushButton::clicked, this, &GuideWindow::exportRows);
    setUpHeard();
    connect(ui->guideTable, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { tuneRow(filtered->sourceRow(index.row())); });
    connect(filtered, &QAbstractItemModel::modelReset, this, &GuideWindow::showStationDay);
    connect(ui->guideTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &GuideWindow::showStationDay);
    connect(filtered, &QAbstractItemModel::modelReset, this, &GuideWindow::showPathWords);
    connect(ui->guideTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &GuideWindow::showPathWords);
    // the now line stands at the present minute from the first paint and moves as each UTC minute begins
    ui->guideTimeline->setNow(minuteOfDay(moment));
    minuteTimer->setSingleShot(true);
    minuteTimer->setTimerType(Qt::PreciseTimer);
    connect(minuteTimer, &QTimer::timeout, this, [this] {
        showMoment(QDateTime::currentDateTimeUtc());
        minuteTimer->start(untilNextMinute());
    });
    minuteTimer->start(untilNextMinute());

    ui->guideFollow->setVisible(follower->available());
    ui->guideReceiver->hide();
    connect(follower, &ReceiverFollower::availableChanged, this, [this](bool available) {
        if (!available)
            ui->guideFollow->setChecked(false);
        ui->guideFollow->setVisible(available);
    });
    connect(ui->guideFollow, &QCheckBox::toggled, this, &GuideWindow::follow);
    connect(follower, &ReceiverFollower::statusChanged, ui->guideReceiver, &QLabel::setText);
    connect(follower, &ReceiverFollower::khzChanged, this, &GuideWindow::applyFilter);
    restoreSplitter();
    setUpBandMap();

    setLocation(storedLocation());
    reopenLastFile();
}

GuideWindow::~GuideWindow()
{
    delete ui;
}

bool GuideWindow::openFile(const QString& path)
{
    // a named pipe picked or dropped would hold the window until something writes to it
    const QString kind = notRegularFileKind(path);
    QFile file(path);
    if (!kind.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        const QString reason = kind.isEmpty() ? file.errorString() : kind + QStringLiteral(", not a regular file");
        QMessageBox::information(nullptr, QStringLiteral("error"),
                                 QStringLiteral("Could not read \"%1\": %2").arg(path, reason));
        return false;
    }
    SeasonFile season = parseSeasonFile(file.readAll());
    if (!season.recognised) {
        QMessageBox::information(nullptr, QStringLiteral("error"), notSeasonScheduleText(path));
        return false;
    }
    ui->guideFileInfo->setText(fileReport(path, season));
    ui->guideFileInfo->setToolTip(warningsTip(season.warnings));
    setWindowTitle(tr("Season schedule") + QStringLiteral(" - ") + QFileInfo(path).fileName());
    shownPath = path;
    model->setMoment(moment);
    model->setRecords(std::move(season.records));
    fillFilterBoxes();
    applyFilter();
    // a schedule line carries no persistence code, so the file tells which lines are inactive
    emit inactiveLinesChanged(inactiveOnlyLines(model->records()));
    ui->guideTable->resizeColumnsToContents();
    updater->fileShown();
    setGuideValue(GuideKey::LastFile, QFileInfo(path).absoluteFilePath());
    emit fileShown(path);
    return true;
}

void GuideWindow::restoreSplitter()
{
    QSplitter* splitter = ui->guideSplitter;
    mapMinimumWidth = ui->guideBandMap->minimumWidth();
    shareWidth(false);
    splitterPlaced = splitter->restoreState(guideValue(GuideKey::Splitter).toByteArray());
    connect(splitter, &QSplitter::splitterMoved, this, [this, splitter] {
        splitterPlaced = true;
        setGuideValue(GuideKey::Splitter, splitter->saveState());
    });
}

// While no band is shown, the table takes most of the width, and what the window gains too.
void GuideWindow::shareWidth(bool bandShown)
{
    mapBandShown = bandShown;
    // the map's hint needs no band's width
    ui->guideBandMap->setMinimumWidth(bandShown ? mapMinimumWidth : 0);
    if (splitterPlaced)
        return;
    QSplitter* splitter = ui->guideSplitter;
    const double share = bandShown ? mapShareWithBand : mapShareWithoutBand;
    splitter->setStretchFactor(0, bandShown ? 3 : 1);
    splitter->setStretchFactor(1, bandShown ? 2 : 0);
    // before the first show the splitter has no width of its own yet
    const int width = splitter->isVisible() ? splitter->width() : this->width();
    const int map = int(width * share);
    splitter->setSizes({width - map, map});
}

void GuideWindow::reopenLastFile()
{
    const QString lastFile = guideValue(GuideKey::LastFile).toString();
    const QString kind = notRegularFileKind(lastFile);
    if (!kind.isEmpty())
        ui->guideCount->setText(ui->guideCount->text() + QStringLiteral("; ") + reportSkippedPath(lastFile, kind));
    else if (!lastFile.isEmpty() && QFileInfo::exists(lastFile))
        openFile(lastFile);
}

void GuideWindow::showMoment(const QDateTime& utc)
{
    moment = utc;
    model->setMoment(utc);
    showCount();
    ui->guideTimeline->setNow(minuteOfDay(utc));
    showMapMoment(utc);
    if (ui->guideOnAir->isChecked() || follower->active())
        applyFilter();
    else
        showStationDay();
    showPathWords();
}

void GuideWindow::setLocation(const std::optional<GeoPosition>& location)
{
    model->setLocation(location);
    ui->guideWithin->setEnabled(location.has_value());
    applyFilter();
}

void GuideWindow::dragEnterEvent(QDragEnterEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.first().isLocalFile())
        event->acceptProposedAction();
}

void GuideWindow::dropEvent(QDropEvent* event)
{
    event->acceptProposedAction();
    openFile(event->mimeData()->urls().first().toLocalFile());
}

void GuideWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    follower->setPaused(false);
}

// nobody looks at a hidden guide, so the rig is left alone meanwhile
void GuideWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    follower->setPaused(true);
}

void GuideWindow::pickFile()
{
    const QString last = guideValue(GuideKey::LastFile).toString();
    const QString path = QFileDialog::getOpenFileName(this, tr("Open a season schedule"), QFileInfo(last).path(),
                                                      tr("Season schedules (*.csv *.CSV);;All files (*)"));
    if (!path.isEmpty())
        openFile(path);
}

void GuideWindow::showCount()
{
    const QString count = tr("%1 of %2 broadcasts").arg(filtered->rowCount()).arg(model->rowCount());
    const QString season = seasonNote(QFileInfo(shownPath).fileName(), moment);
    ui->guideCount->setText(season.isEmpty() ? count : count + QStringLiteral("; ") + season);
}

void GuideWindow::showStationDay()
{
    const QModelIndex current = ui->guideTable->selectionModel()->currentIndex();
    if (!current.isValid()) {
        ui->guideTimeline->setStation(QString(), {});
        return;
    }
    const QStringView station = model->record(filtered->sourceRow(current.row())).field(StationField);
    QList<TimelineBar> bars;
    const AirMoment now = airMoment(moment);
    for (const SeasonRecord& record : model->records()) {
        if (record.field(StationField) == station)
            bars.append({record.khz, record.times.start, record.times.end, onAir(record, now)});
    }
    ui->guideTimeline->setStation(station.toString(), bars);
    ui->guideTimeline->setNow(minuteOfDay(moment));
}

// the selected broadcast's distance in words; without a location, where to set one
void GuideWindow::showPathWords()
{
    if (!model->hasLocation()) {
        ui->guideDistance->setText(tr("Set your location under Settings > My location... to see distances"));
        return;
    }
    const QModelIndex current = ui->guideTable->selectionModel()->currentIndex();
    const int row = current.isValid() ? filtered->sourceRow(current.row()) : -1;
    const SitePath* path = model->paths().path(row);
    const std::optional<PathLight> light = model->paths().light(row);
    ui->guideDistance->setText(path && light ? pathWords(*path, *light) : QString());
}

int GuideWindow::selectedSourceRow()
{
    const QModelIndexList rows = ui->guideTable->selectionModel()->selectedRows();
    if (rows.size() != 1) {
        notice(rows.isEmpty() ? QStringLiteral("You must select a broadcast to Tune")
                              : QStringLiteral("You must select only one broadcast to Tune"));
        return -1;
    }
    return filtered->sourceRow(rows.first().row());
}

void GuideWindow::tune()
{
    const int row = selectedSourceRow();
    if (row >= 0)
        tuneRow(row);
}

void GuideWindow::tuneRow(int sourceRow)
{
    const SeasonRecord& record = model->record(sourceRow);
    emit tuneRequested(roundedKhz(record.khz), record.times.days.mode);
}

QSet<QString> GuideWindow::scheduleLines() const
{
    QSet<QString> lines;
    for (int row = 0; row < schedule->rowCount(); ++row)
        lines.insert(scheduleRowKey(scheduleRowFields(*schedule, row)));
    return lines;
}

void GuideWindow::addToSchedule()
{
    QModelIndexList selected = ui->guideTable->selectionModel()->selectedRows();
    if (selected.isEmpty()) {
        notice(QStringLiteral("You must select a broadcast to Add"));
        return;
    }
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& first, const QModelIndex& second) { return first.row() < second.row(); });

    QSet<QString> inSchedule = scheduleLines();
    QList<QStringList> rows;
    int skipped = 0;
    int rounded = 0;
    for (const QModelIndex& index : selected) {
        const SeasonRecord& record = model->record(filtered->sourceRow(index.row()));
        const QStringList fields = scheduleFields(record);
        const QString line = scheduleRowKey(fields);
        if (inSchedule.contains(line)) {
            ++skipped;
            continue;
        }
        inSchedule.insert(line);
        rows.append(fields);
        rounded += isWholeKhz(record.khz) ? 0 : 1;
    }
    if (!rows.isEmpty())
        emit rowsToAdd(rows);
    notice(QStringLiteral("Added to the schedule: %1\nSkipped, already in it: %2\nRounded to whole kHz: %3")
               .arg(rows.size())
               .arg(skipped)
               .arg(rounded));
}

void GuideWindow::follow(bool on)
{
    ui->guideReceiver->setVisible(on);
    // the rows come nearest first meanwhile; a header click still chooses the order for later
    ui->guideTable->horizontalHeader()->setSortIndicatorShown(!on);
    follower->setActive(on);
    if (!on)
        applyFilter();
}
