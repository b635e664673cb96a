// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "editing/core/entryrules.h"
#include "schedule/scheduletable.h"
#include "ui_mainwindow.h"

#include <QMessageBox>

bool MainWindow::d4test(QString text)
{
    return isFourDigits(text);
}

void MainWindow::on_additem_clicked()
{
    const EntryCheck check = checkEntry(ui->leFreq->text(), ui->leLabel->text(), ui->leTime->text());
    if (!check.problem.isEmpty()) {
        QMessageBox::information(nullptr, QStringLiteral("error"), check.problem);
        return;
    }
    ui->leTime->setText(check.time);

    const QStringList cells{ui->leFreq->text(), ui->leTime->text(), QString(), fromCode,
                            ui->leLabel->text(), langCode, toCode,
                            txSiteText(forIndex != 0, forCode, txCode), modeCode};
    scheduleTable->appendRowsUndoable({cells}, tr("Add"));

    if (clearAfterAdd == 1) {
        ui->leFreq->setText(QString());
        ui->leLabel->setText(QString());
        ui->leTime->setText(QString());
    }
    if (presetAfterAdd == 1)
        doPresets();
    setWindowModified(true);
}
