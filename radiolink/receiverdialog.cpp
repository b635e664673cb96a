// SPDX-License-Identifier: GPL-3.0-or-later
#include "radiolink/receiverdialog.h"

#include "radiolink/riglink.h"
#include "radiolink/rigmodels.h"
#include "ui_receiverdialog.h"

#include <QSortFilterProxyModel>
#include <QStandardItemModel>

#include <algorithm>

namespace {
const int serialSpeeds[] = {1200, 2400, 4800, 9600, 19200, 38400, 57600, 115200};
}

ReceiverDialog::ReceiverDialog(RigLink* link, QWidget* parent)
    : QDialog(parent)
    , ui(new Ui_ReceiverDialog)
    , link(link)
    , modelFilter(new QSortFilterProxyModel(this))
{
    ui->setupUi(this);
    const ReceiverSettings current = link->settings();
    initialModel = current.hamlibModel;
    ui->receiverLink->setCurrentIndex(current.hamlib ? 1 : 0);
    fillModels(current.hamlibModel);
    ui->rigPort->setText(current.hamlibPort);
    fillSpeeds(current.hamlibSpeed);

    connect(ui->rigModelFind, &QLineEdit::textChanged, this, &ReceiverDialog::findModels);
    connect(ui->rigTest, &QPushButton::clicked, this, &ReceiverDialog::startTest);
    connect(link, &RigLink::tested, this, &ReceiverDialog::showTestResult);
}

ReceiverDialog::~ReceiverDialog()
{
    delete ui;
}

ReceiverSettings ReceiverDialog::settings() const
{
    ReceiverSettings settings;
    settings.hamlib = ui->receiverLink->currentIndex() == 1;
    // with every model filtered away the model stays as it was
    const QVariant model = ui->rigModel->currentData();
    settings.hamlibModel = model.isValid() ? model.toInt() : initialModel;
    settings.hamlibPort = ui->rigPort->text().trimmed();
    settings.hamlibSpeed = ui->rigSpeed->currentData().toInt();
    return settings;
}

void ReceiverDialog::fillModels(int chosenModel)
{
    auto* models = new QStandardItemModel(this);
    for (const RigModel& rig : hamlibRigModels()) {
        auto* item = new QStandardItem(rig.label());
        item->setData(rig.number, Qt::UserRole);
        models->appendRow(item);
    }
    modelFilter->setSourceModel(models);
    modelFilter->setFilterCaseSensitivity(Qt::CaseInsensitive);
    ui->rigModel->setModel(modelFilter);
    ui->rigModel->setCurrentIndex(ui->rigModel->findData(chosenModel));
}

void ReceiverDialog::fillSpeeds(int chosenSpeed)
{
    ui->rigSpeed->addItem(QString(), 0);
    for (int speed : serialSpeeds)
        ui->rigSpeed->addItem(QString::number(speed), speed);
    if (ui->rigSpeed->findData(chosenSpeed) < 0)
        ui->rigSpeed->addItem(QString::number(chosenSpeed), chosenSpeed);
    ui->rigSpeed->setCurrentIndex(ui->rigSpeed->findData(chosenSpeed));
}

void ReceiverDialog::findModels(const QString& text)
{
    // the chosen model stays chosen while it is listed; otherwise the first one listed is (the
    // combo box itself would move to whichever row took the place of the chosen one)
    const QVariant chosen = ui->rigModel->currentData();
    modelFilter->setFilterFixedString(text.trimmed());
    ui->rigModel->setCurrentIndex(std::max(ui->rigModel->findData(chosen), 0));
}

void ReceiverDialog::startTest()
{
    ui->rigTest->setEnabled(false);
    ui->rigStatus->setText(tr("Testing..."));
    link->test(settings());
}

void ReceiverDialog::showTestResult(const QString& result)
{
    ui->rigStatus->setText(result);
    ui->rigTest->setEnabled(true);
}
