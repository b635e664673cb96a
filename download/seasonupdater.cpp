// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/seasonupdater.h"

#include "app/core/guidestore.h"
#include "download/core/seasondownload.h"
#include "download/core/seasonstore.h"
#include "season/core/seasoncode.h"
#include "ui_seasonupdater.h"

#include <QAbstractScrollArea>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QVBoxLayout>

namespace {

QString currentSeason()
{
    return seasonCodeAt(QDateTime::currentDateTimeUtc());
}

} // namespace

SeasonUpdater::SeasonUpdater(QAbstractScrollArea* table, QWidget* parent)
    : QWidget(parent)
    , ui(new Ui_SeasonUpdater)
    , download(new SeasonDownload(this))
    , offer(new QWidget(table->viewport()))
    , offerButton(new QPushButton(offer))
{
    ui->setupUi(this);
    ui->guideAutoUpdate->setChecked(guideValue(GuideKey::SeasonAutoUpdate).toBool());
    connect(ui->guideAutoUpdate, &QCheckBox::toggled, this, [](bool on) { setGuideValue(GuideKey::SeasonAutoUpdate, on); });
    connect(ui->guideUpdate, &QPushButton::clicked, this, [this] { startUpdate(true); });
    connect(ui->guideUpdateCancel, &QPushButton::clicked, download, &SeasonDownload::cancel);
    connect(ui->guideSeasonUrl, &QPushButton::clicked, this, &SeasonUpdater::askForAddress);
    connect(download, &SeasonDownload::progress, this, &SeasonUpdater::showProgress);
    connect(download, &SeasonDownload::finished, this, &SeasonUpdater::finish);
    placeOffer(table);
}

// a line and the download button in the middle of the empty table
void SeasonUpdater::placeOffer(QAbstractScrollArea* table)
{
    auto* line = new QLabel(tr("No season schedule is open."), offer);
    line->setObjectName(QStringLiteral("guideNoFile"));
    offerButton->setObjectName(QStringLiteral("guideDownloadCurrent"));
    connect(offerButton, &QPushButton::clicked, this, [this] { startUpdate(true); });
    auto* offerLayout = new QVBoxLayout(offer);
    offerLayout->addWidget(line, 0, Qt::AlignHCenter);
    offerLayout->addWidget(offerButton, 0, Qt::AlignHCenter);
    auto* tableLayout = new QVBoxLayout(table->viewport());
    tableLayout->addWidget(offer, 0, Qt::AlignCenter);
}

SeasonUpdater::~SeasonUpdater()
{
    delete ui;
}

void SeasonUpdater::fileShown()
{
    offer->hide();
}

void SeasonUpdater::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    offerButton->setText(tr("Download the current season schedule (%1)").arg(seasonFileName(currentSeason())));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (!ui->guideAutoUpdate->isChecked() || download->running()
        || !dailyCheckDue(guideValue(GuideKey::SeasonLastCheck).toDateTime(), now))
        return;
    setGuideValue(GuideKey::SeasonLastCheck, now);
    startUpdate(false);
}

void SeasonUpdater::startUpdate(bool byHand)
{
    asked = byHand;
    download->setBaseUrl(storedSeasonBaseUrl());
    ui->guideUpdate->setEnabled(false);
    offerButton->setEnabled(false);
    ui->guideUpdateStatus->clear();
    showProgress(0, -1);
    ui->guideUpdateProgress->show();
    ui->guideUpdateCancel->show();
    download->start(currentSeason());
}

void SeasonUpdater::askForAddress()
{
    bool accepted = false;
    const QString text = QInputDialog::getText(this, tr("Season schedules"),
                                               tr("Download season schedules from (empty for the publisher's folder):"),
                                               QLineEdit::Normal, storedSeasonBaseUrl().toString(), &accepted)
                             .trimmed();
    if (!accepted)
        return;
    const QUrl address(text, QUrl::StrictMode);
    if (!text.isEmpty() && !isDownloadAddress(address)) {
        QMessageBox::information(nullptr, QStringLiteral("error"),
                                 QStringLiteral("\"%1\" is not an http:// or https:// address").arg(text));
        return;
    }
    storeSeasonBaseUrl(address);
}

void SeasonUpdater::showProgress(qint64 received, qint64 total)
{
    // a busy bar while the length is unknown
    ui->guideUpdateProgress->setRange(0, total > 0 ? int(total) : 0);
    ui->guideUpdateProgress->setValue(int(received));
    ui->guideUpdateProgress->setFormat(total > 0 ? tr("%1 of %2 bytes").arg(received).arg(total)
                                                 : tr("%1 bytes").arg(received));
}

void SeasonUpdater::finish(const SeasonOutcome& outcome)
{
    ui->guideUpdateProgress->hide();
    ui->guideUpdateCancel->hide();
    ui->guideUpdate->setEnabled(true);
    offerButton->setEnabled(true);
    ui->guideUpdateStatus->setText(outcome.message);
    if (outcome.kind == SeasonOutcome::Updated || (outcome.kind == SeasonOutcome::Current && asked))
        emit fileArrived(outcome.path);
}
