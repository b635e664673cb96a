// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "geo/core/listenerlocation.h"
#include "geo/locationdialog.h"
#include "guide/guidewindow.h"

void MainWindow::on_actionLocation_triggered()
{
    LocationDialog dialog(storedLocationText(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    storeLocationText(dialog.typed());
    if (guideWindow)
        guideWindow->setLocation(readLocation(dialog.typed()).position);
}
