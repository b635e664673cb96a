// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordings/recorddialog.h"

#include "app/core/settingsstore.h"
#include "radiolink/core/datagram.h"
#include "radiolink/core/rigtuning.h"
#include "radiolink/receiversettings.h"
#include "recordings/core/recordingstore.h"
#include "recordings/core/soundtuning.h"
#include "season/core/seasoncode.h"
#include "ui_recorddialog.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QMessageBox>

namespace {

const char* const gqrxAddress = "localhost:7356";

// the port Go's datagrams go to, from the main settings
quint16 udpLinkPort()
{
    return datagramPort(SettingsStore(QStringLiteral("Ledra")).value(QStringLiteral("QSudprxport")).toString());
}

QString minutesText(int minute)
{
    return QStringLiteral("%1:%2").arg(minute / 60 % 24, 2, 10, QLatin1Char('0')).arg(minute % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

RecordDialog::RecordDialog(const BroadcastToRecord& broadcast, QWidget* parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui_recordDialog>())
    , broadcast(broadcast)
{
    ui->setupUi(this);
    ui->recordStation->setText(broadcast.station);
    ui->recordKhz->setText(khzText(broadcast.khz * 1000));
    ui->recordTimes->setText(QStringLiteral("%1-%2 UTC").arg(minutesText(broadcast.times.start), minutesText(broadcast.times.end)));
    ui->recordMode->addItem(QStringLiteral("as the receiver is"), QString());
    for (int code = 0; code < 10; ++code)
        ui->recordMode->addItem(hamlibModeName(QString::number(code)), hamlibModeName(QString::number(code)));
    ui->recordMode->setCurrentIndex(std::max(0, ui->recordMode->findData(broadcast.mode)));
    ui->recordRecorder->addItem(QStringLiteral("gqrx"), recorderName(RecorderKind::Gqrx));
    ui->recordRecorder->addItem(QStringLiteral("the sound card"), recorderName(RecorderKind::Sound));
    ui->recordInput->addItem(QStringLiteral("the default input"), QString());
    // the sound server is asked for its inputs only when they are wanted
    const auto soundChosen = [this] {
        const bool sound = ui->recordRecorder->currentIndex() == 1;
        ui->recordInput->setEnabled(sound);
        if (sound && ui->recordInput->count() == 1) {
            for (const QAudioDevice& input : QMediaDevices::audioInputs())
                ui->recordInput->addItem(input.description(), QString::fromUtf8(input.id()));
        }
    };
    connect(ui->recordRecorder, &QComboBox::currentIndexChanged, this, soundChosen);
    soundChosen();
    connect(ui->recordButtons, &QDialogButtonBox::accepted, this, &RecordDialog::accept);
    connect(ui->recordButtons, &QDialogButtonBox::rejected, this, &RecordDialog::reject);
}

RecordDialog::~RecordDialog() = default;

RecordingEntry RecordDialog::plannedEntry() const
{
    RecordingEntry entry;
    entry.station = ui->recordStation->text().trimmed();
    entry.khz = broadcast.khz;
    entry.mode = ui->recordMode->currentData().toString();
    entry.repeating = true;
    entry.times = broadcast.times;
    entry.startDate = broadcast.startDate;
    entry.stopDate = broadcast.stopDate;
    entry.secondsBefore = ui->recordBefore->value() * 60;
    entry.secondsAfter = ui->recordAfter->value() * 60;
    recorderNamed(ui->recordRecorder->currentData().toString(), &entry.recorder);
    const ReceiverSettings receiver = ReceiverSettings::read();
    const bool rigctl = receiver.hamlib && receiver.hamlibModel == 2;
    const QString port = rigctl && !receiver.hamlibPort.isEmpty() ? receiver.hamlibPort : QStringLiteral("localhost:4532");
    if (entry.recorder == RecorderKind::Gqrx) {
        entry.device = rigctl ? port : QLatin1String(gqrxAddress);
    } else {
        entry.device = ui->recordInput->currentData().toString();
        entry.rig = rigctl ? port : receiver.hamlib ? QStringLiteral("hamlib") : udpTuning(udpLinkPort());
    }
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (ui->recordEveryDay->isChecked()) {
        entry.season = seasonCodeAt(now);
        return entry;
    }
    const Occurrence next = nextOccurrence(entry, now);
    entry.repeating = false;
    entry.start = next.airStart;
    entry.stop = next.airStop;
    return entry;
}

void RecordDialog::accept()
{
    RecordingEntry entry = plannedEntry();
    if (!entry.repeating && !entry.start.isValid()) {
        QMessageBox::warning(this, QStringLiteral("Record"), QStringLiteral("The broadcast is not on the air in the coming week."));
        return;
    }
    QString problem;
    RecordingPlan plan = readPlan(&problem);
    if (problem.isEmpty()) {
        entry.id = plan.nextId();
        if (const RecordingEntry* other = overlappingEntry(plan, entry, QDateTime::currentDateTimeUtc())) {
            QMessageBox::warning(this, QStringLiteral("Record"),
                                 QStringLiteral("This recording would overlap the recording of %1 on the same receiver.")
                                     .arg(recordingName(*other)));
            return;
        }
        plan.entries.append(entry);
        problem = writePlan(plan);
    }
    if (!problem.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("Record"), QStringLiteral("The plan could not be kept: %1").arg(problem));
        return;
    }
    QDialog::accept();
}
