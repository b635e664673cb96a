// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "app/core/settingsstore.h"
#include "ui_mainwindow.h"

#include <QComboBox>
#include <QVariant>

#include <array>

namespace {

// One stored setting: its key and the member that holds it, an int or a text.
struct SettingsKey
{
    const char* key;
    int* number;
    QString* text;
};

QString codeAt(const QComboBox* box, int index)
{
    return box->itemData(index, Qt::UserRole).toString();
}

} // namespace

void MainWindow::appSettings(int mode)
{
    // The order of this table is the order of both passes; every member's current value is its default.
    const std::array<SettingsKey, 26> keys{{
        {"SORTonSAVE", &sortOnSave, nullptr},
        {"CONFIRMafterSAVE", &confirmAfterSave, nullptr},
        {"USEtoolTIPS", &useToolTips, nullptr},
        {"INTto", &toIndex, nullptr},
        {"INTfrom", &fromIndex, nullptr},
        {"INTtx", &txIndex, nullptr},
        {"INTlang", &langIndex, nullptr},
        {"INTfor", &forIndex, nullptr},
        {"INTclear", &clearAfterAdd, nullptr},
        {"INTpreset", &presetAfterAdd, nullptr},
        {"DEFlang", &presets[0], nullptr},
        {"DEFto", &presets[1], nullptr},
        {"DEFfrom", &presets[2], nullptr},
        {"DEFmode", &presets[3], nullptr},
        {"DEFtx", &presets[4], nullptr},
        {"DEFfor", &presets[5], nullptr},
        {"QSFpath", nullptr, &pickerPath},
        {"QSFfile", nullptr, &pickerFile},
        {"QSFfilt", nullptr, &pickerFilter},
        {"QSFconf", &pickerConfirmOverwrite, nullptr},
        {"QSFenfo", &pickerEnforceExtensions, nullptr},
        {"QSFrfol", &pickerReverseFolders, nullptr},
        {"QSFrfil", &pickerReverseFiles, nullptr},
        {"QSFsort", &pickerSortMode, nullptr},
        {"QSudprxport", nullptr, &rxPort},
        {"QSudptxport", nullptr, &txPort},
    }};

    SettingsStore settings(QStringLiteral("Ledra"));
    for (const SettingsKey& entry : keys) {
        const QString key = QLatin1String(entry.key);
        if (mode == 0) {
            if (entry.number)
                *entry.number = settings.value(key, *entry.number).toInt();
            else
                *entry.text = settings.value(key, *entry.text).toString();
        } else {
            if (entry.number)
                settings.setValue(key, *entry.number);
            else
                settings.setValue(key, *entry.text);
        }
    }
}

void MainWindow::appSetup()
{
    ui->cbTo->setCurrentIndex(toIndex);
    ui->cbFrom->setCurrentIndex(fromIndex);
    ui->cbTx->setCurrentIndex(txIndex);
    ui->cbLang->setCurrentIndex(langIndex);
    ui->cbFor->setCurrentIndex(forIndex);
    ui->cbMode->setCurrentIndex(modeIndex);
}

void MainWindow::doPresets()
{
    ui->cbFor->setCurrentIndex(presets[5]);
    ui->cbFrom->setCurrentIndex(presets[2]);
    ui->cbTo->setCurrentIndex(presets[1]);
    ui->cbTx->setCurrentIndex(presets[4]);
    ui->cbLang->setCurrentIndex(presets[0]);
    ui->cbMode->setCurrentIndex(presets[3]);
}

void MainWindow::on_setpre_clicked()
{
    presets[0] = ui->cbLang->currentIndex();
    presets[1] = ui->cbTo->currentIndex();
    presets[2] = ui->cbFrom->currentIndex();
    presets[3] = ui->cbMode->currentIndex();
    presets[4] = ui->cbTx->currentIndex();
    presets[5] = ui->cbFor->currentIndex();
}

void MainWindow::on_cbFrom_currentIndexChanged(int index)
{
    fromCode = codeAt(ui->cbFrom, index);
    fromIndex = index;
}

void MainWindow::on_cbLang_currentIndexChanged(int index)
{
    langCode = codeAt(ui->cbLang, index);
    langIndex = index;
}

void MainWindow::on_cbTo_currentIndexChanged(int index)
{
    toCode = codeAt(ui->cbTo, index);
    toIndex = index;
}

void MainWindow::on_cbTx_currentIndexChanged(int index)
{
    txCode = codeAt(ui->cbTx, index);
    txIndex = index;
}

void MainWindow::on_cbFor_currentIndexChanged(int index)
{
    forCode = codeAt(ui->cbFor, index);
    forIndex = index;
}

void MainWindow::on_cbMode_currentIndexChanged(int index)
{
    modeCode = codeAt(ui->cbMode, index);
    modeIndex = index;
}

void MainWindow::on_checkBox_clicked(bool checked)
{
    sortOnSave = checked ? 1 : 0;
}

void MainWindow::on_confirm_clicked(bool checked)
{
    confirmAfterSave = checked ? 1 : 0;
}

void MainWindow::on_clear_clicked(bool checked)
{
    clearAfterAdd = checked ? 1 : 0;
}

void MainWindow::on_preset_clicked(bool checked)
{
    presetAfterAdd = checked ? 1 : 0;
}
