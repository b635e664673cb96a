// SPDX-License-Identifier: GPL-3.0-or-later
#include "geo/locationdialog.h"

#include "geo/core/geoposition.h"
#include "ui_locationdialog.h"

#include <QPushButton>

LocationDialog::LocationDialog(const QString& typed, QWidget* parent)
    : QDialog(parent)
    , ui(new Ui_LocationDialog)
{
    ui->setupUi(this);
    connect(ui->locationText, &QLineEdit::textChanged, this, &LocationDialog::showReading);
    ui->locationText->setText(typed);
    showReading(typed);
}

LocationDialog::~LocationDialog()
{
    delete ui;
}

QString LocationDialog::typed() const
{
    return ui->locationText->text();
}

void LocationDialog::showReading(const QString& text)
{
    const LocationReading reading = readLocation(text);
    const bool none = text.trimmed().isEmpty();
    if (none)
        ui->locationShown->setText(tr("No location: the guide shows no distances"));
    else
        ui->locationShown->setText(reading.position ? positionText(*reading.position) : reading.refusal);
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(none || reading.position);
}
