// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "app/core/settingsstore.h"

namespace {

// The window's size and place live apart from the schedule settings, whose keys are fixed.
const QString placeStore = QStringLiteral("Ledra-window");
const QString placeKey = QStringLiteral("geometry");

} // namespace

void MainWindow::restoreWindowPlace()
{
    const SettingsStore store(placeStore);
    restoreGeometry(store.value(placeKey).toByteArray());
}

void MainWindow::storeWindowPlace()
{
    // a window that never reached the screen has no place worth remembering
    if (!testAttribute(Qt::WA_WState_Created))
        return;
    SettingsStore store(placeStore);
    store.setValue(placeKey, saveGeometry());
}
