// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindow.h"

#include "guidewindow.h"
#include "listenerlocation.h"
#include "locationdialog.h"

void MainWindow::on_actionLocation_triggered()
{
    LocationDialog dialog(storedLocationText(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    storeLocationText(dialog.typed());
    if (guideWindow)
        guideWindow->setLocation(readLocation(dialog.typed()).position);
}
