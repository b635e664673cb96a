// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/logentrydialog.h"

#include "ui_logentrydialog.h"

#include <QPushButton>

namespace {

QString pathText(const Reception& r)
{
    if (r.listener.isEmpty())
        return QObject::tr("No location set (Settings > My location...)");
    if (r.km < 0)
        return QObject::tr("From %1; the site's position is not known").arg(r.listener);
    return QObject::tr("From %1: %2 km, bearing %3°, %4").arg(r.listener).arg(r.km).arg(r.bearing).arg(r.path);
}

void setDate(QCheckBox* given, QDateEdit* edit, const QDate& date)
{
    QObject::connect(given, &QCheckBox::toggled, edit, &QWidget::setEnabled);
    given->setChecked(date.isValid());
    edit->setDate(date.isValid() ? date : QDate::currentDate());
}

} // namespace

LogEntryDialog::LogEntryDialog(const Reception& reception, QWidget* parent)
    : QDialog(parent), ui(new Ui_LogEntryDialog), given(reception)
{
    ui->setupUi(this);
    ui->startEdit->setDateTime(reception.start.isValid() ? reception.start : QDateTime::currentDateTimeUtc());
    connect(ui->endGiven, &QCheckBox::toggled, ui->endEdit, &QWidget::setEnabled);
    ui->endGiven->setChecked(reception.end.isValid());
    ui->endEdit->setDateTime(reception.end.isValid() ? reception.end : ui->startEdit->dateTime());
    ui->khzEdit->setText(reception.khz > 0 ? QString::number(reception.khz, 'g', 10) : QString());
    ui->modeEdit->setCurrentText(reception.mode);
    ui->stationEdit->setText(reception.station);
    ui->languageEdit->setText(reception.language);
    ui->targetEdit->setText(reception.target);
    ui->siteEdit->setText(reception.site);
    ui->countryEdit->setText(reception.country);
    ui->pathShown->setText(pathText(reception));
    ui->sinpoEdit->setText(reception.sinpo);
    ui->receiverEdit->setText(reception.receiver);
    ui->antennaEdit->setText(reception.antenna);
    ui->notesEdit->setPlainText(reception.notes);
    setDate(ui->sentGiven, ui->sentEdit, reception.qslSent);
    connect(ui->sentGiven, &QCheckBox::toggled, ui->sentHowEdit, &QWidget::setEnabled);
    ui->sentHowEdit->setEnabled(reception.qslSent.isValid());
    ui->sentHowEdit->setText(reception.qslSentHow);
    setDate(ui->receivedGiven, ui->receivedEdit, reception.qslReceived);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(ui->sinpoEdit, &QLineEdit::textChanged, this, &LogEntryDialog::showSignalReport);
    connect(ui->stationEdit, &QLineEdit::textChanged, this, &LogEntryDialog::showSignalReport);
    connect(ui->khzEdit, &QLineEdit::textChanged, this, &LogEntryDialog::showSignalReport);
    showSignalReport();
    ui->sinpoEdit->setFocus();
}

LogEntryDialog::~LogEntryDialog()
{
    delete ui;
}

void LogEntryDialog::setReceiverKhz(double khz)
{
    ui->khzEdit->setText(QString::number(khz, 'g', 10));
}

void LogEntryDialog::setReceiverMode(const QString& modeName)
{
    ui->modeEdit->setCurrentText(modeName);
}

// OK needs a station, a frequency and a SINPO that is a code or none
void LogEntryDialog::showSignalReport()
{
    const SignalReport report = readSignalReport(ui->sinpoEdit->text());
    ui->sinpoProblem->setText(report.refusal);
    bool khzRead = false;
    const double khz = ui->khzEdit->text().toDouble(&khzRead);
    ui->buttonBox->button(QDialogButtonBox::Ok)
        ->setEnabled(report.refusal.isEmpty() && khzRead && khz > 0 && !ui->stationEdit->text().trimmed().isEmpty());
}

Reception LogEntryDialog::reception() const
{
    Reception r = given;
    r.start = ui->startEdit->dateTime().toUTC();
    r.end = ui->endGiven->isChecked() ? ui->endEdit->dateTime().toUTC() : QDateTime();
    r.khz = ui->khzEdit->text().toDouble();
    r.mode = ui->modeEdit->currentText().trimmed();
    r.station = ui->stationEdit->text().trimmed();
    r.language = ui->languageEdit->text().trimmed();
    r.target = ui->targetEdit->text().trimmed();
    r.site = ui->siteEdit->text().trimmed();
    r.country = ui->countryEdit->text().trimmed();
    r.sinpo = readSignalReport(ui->sinpoEdit->text()).code;
    r.receiver = ui->receiverEdit->text().trimmed();
    r.antenna = ui->antennaEdit->text().trimmed();
    r.notes = ui->notesEdit->toPlainText();
    r.qslSent = ui->sentGiven->isChecked() ? ui->sentEdit->date() : QDate();
    r.qslSentHow = ui->sentGiven->isChecked() ? ui->sentHowEdit->text().trimmed() : QString();
    r.qslReceived = ui->receivedGiven->isChecked() ? ui->receivedEdit->date() : QDate();
    return r;
}
