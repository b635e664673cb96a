// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "dialogs/filepicker.h"

bool MainWindow::loadDbFile(QWidget* parent)
{
    filePicker picker(parent);
    picker.InitDlg(pickerPath, pickerFile, pickerFilter, tr("Load Database File"), false,
                   pickerConfirmOverwrite != 0, pickerEnforceExtensions != 0,
                   pickerReverseFolders != 0, pickerReverseFiles != 0, pickerSortMode, nullptr);
    if (picker.exec() != QDialog::Accepted)
        return false;

    // remembered also when the loader then refuses the file
    pickerPath = picker.curPath;
    pickerFile = picker.curFile;
    pickerFilter = picker.curFilter;
    pickerConfirmOverwrite = picker.confirmOver ? 1 : 0;
    pickerEnforceExtensions = picker.enforceExt ? 1 : 0;
    pickerReverseFolders = picker.revFolders ? 1 : 0;
    pickerReverseFiles = picker.revFiles ? 1 : 0;
    pickerSortMode = picker.sortMode;
    pickerFullPath = picker.fullName;
    getdbfile(pickerFullPath);
    return true;
}

void MainWindow::on_loadnow_clicked()
{
    loadDbFile(this);
}
