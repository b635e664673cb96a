// SPDX-License-Identifier: GPL-3.0-or-later
#include "bookmarks/exportdialog.h"

#include "bookmarks/core/sdrbookmarks.h"
#include "ui_exportdialog.h"

#include <QDir>
#include <QFileDialog>
#include <QPushButton>

ExportDialog::ExportDialog(QWidget* parent)
    : QDialog(parent)
    , ui(new Ui_ExportDialog)
{
    ui->setupUi(this);
    for (const SdrFormat& format : sdrFormats())
        ui->exportFormat->addItem(format.program, format.key);
    proposeFile();
    connect(ui->exportFormat, &QComboBox::currentIndexChanged, this, &ExportDialog::proposeFile);
    connect(ui->exportBrowse, &QPushButton::clicked, this, &ExportDialog::pickFile);
    connect(ui->exportFile, &QLineEdit::textChanged, this, [this](const QString& text) {
        ui->exportButtons->button(QDialogButtonBox::Ok)->setEnabled(!text.trimmed().isEmpty());
    });
    connect(ui->exportButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(ui->exportButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

ExportDialog::~ExportDialog()
{
    delete ui;
}

const SdrFormat& ExportDialog::format() const
{
    return sdrFormats().at(qMax(0, ui->exportFormat->currentIndex()));
}

QString ExportDialog::path() const
{
    return ui->exportFile->text().trimmed();
}

void ExportDialog::proposeFile()
{
    const SdrFormat& chosen = format();
    ui->exportFile->setText(chosen.ownFile ? chosen.ownFile()
                                           : QDir::homePath() + QStringLiteral("/Documents/") + chosen.fileName);
    ui->exportHint->setText(chosen.hint);
}

void ExportDialog::pickFile()
{
    // a file merged into is no overwrite
    const QFileDialog::Options options = format().merge ? QFileDialog::DontConfirmOverwrite : QFileDialog::Options();
    const QString picked = QFileDialog::getSaveFileName(this, tr("Export to"), path(), format().filter, nullptr, options);
    if (!picked.isEmpty())
        ui->exportFile->setText(picked);
}
