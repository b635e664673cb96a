// SPDX-License-Identifier: GPL-3.0-or-later
#include "guide/guidewindow.h"

#include "guide/guidemodel.h"
#include "ui_guidewindow.h"

#include <QMessageBox>

void GuideWindow::record()
{
    const QModelIndexList rows = ui->guideTable->selectionModel()->selectedRows();
    if (rows.size() != 1) {
        QMessageBox::information(nullptr, QStringLiteral("Notice"),
                                 rows.isEmpty() ? QStringLiteral("You must select a broadcast to Record")
                                                : QStringLiteral("You must select only one broadcast to Record"));
        return;
    }
    emit recordRequested(model->record(filtered->sourceRow(rows.first().row())));
}
