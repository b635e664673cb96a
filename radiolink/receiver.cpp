// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "radiolink/core/rigtuning.h"
#include "radiolink/receiverdialog.h"
#include "radiolink/riglink.h"
#include "schedule/core/frequencyreadings.h"

#include <QMessageBox>
#include <QStatusBar>

namespace {
const char* const receiverTitle = "Receiver";
}

void MainWindow::setUpReceiverLink()
{
    rigLink = new RigLink(this);
    connect(rigLink, &RigLink::tuned, this, [this](const QString& status) { statusBar()->showMessage(status); });
    connect(rigLink, &RigLink::tuneFailed, this, &MainWindow::showReceiverFailure);
}

void MainWindow::on_actionReceiver_triggered()
{
    ReceiverDialog dialog(rigLink, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const ReceiverSettings settings = dialog.settings();
    settings.write();
    rigLink->setSettings(settings);
}

void MainWindow::tuneRig(const QString& khz, const QString& modeCode)
{
    const double hz = tuningHz(khz);
    const QString modeName = hamlibModeName(modeCode);
    if (hz <= 0) {
        showReceiverFailure(QStringLiteral("\"%1\" is not a frequency in kHz").arg(khz));
        return;
    }
    if (!modeCode.isEmpty() && modeName.isEmpty()) {
        showReceiverFailure(QStringLiteral("Mode code \"%1\" has no Hamlib mode").arg(modeCode));
        return;
    }
    rigLink->tune(hz, modeName);
}

void MainWindow::showReceiverFailure(const QString& error)
{
    QMessageBox::warning(this, QLatin1String(receiverTitle), error);
}
