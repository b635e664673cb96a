// SPDX-License-Identifier: GPL-3.0-or-later
#include "bookmarks/exportdialog.h"

#include "bookmarks/core/gqrxbookmarks.h"
#include "bookmarks/core/sdrbookmarks.h"
#include "ui_exportdialog.h"

#include <QDir>
#include <QFileDialog>
#include <QPushButton>

namespace {

bool isGqrx(const SdrFormat& format)
{
    return format.key == QLatin1String("gqrx");
}

QString hint(const SdrFormat& format)
{
    if (isGqrx(format))
        return QObject::tr("Added to gqrx's own bookmarks (what is there stays, the file as it was is kept as .bak); "
                           "gqrx reads the file when it starts.");
    if (format.key == QLatin1String("sdrpp"))
        return QObject::tr("Load it with the Import button of SDR++'s frequency manager.");
    if (format.key == QLatin1String("kiwi"))
        return QObject::tr("Load it on the KiwiSDR admin page: DX labels, import CSV.");
    return QObject::tr("Put it into the OpenWebRX server's bookmarks folder (/etc/openwebrx/bookmarks.d/) and "
                       "restart OpenWebRX.");
}

} // namespace

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
    ui->exportFile->setText(isGqrx(chosen) ? gqrxBookmarksPath()
                                           : QDir::homePath() + QStringLiteral("/Documents/") + chosen.fileName);
    ui->exportHint->setText(hint(chosen));
}

void ExportDialog::pickFile()
{
    // gqrx's file is merged into, so picking an existing one is no overwrite
    const QFileDialog::Options options = isGqrx(format()) ? QFileDialog::DontConfirmOverwrite : QFileDialog::Options();
    const QString picked = QFileDialog::getSaveFileName(this, tr("Export to"), path(), format().filter, nullptr, options);
    if (!picked.isEmpty())
        ui->exportFile->setText(picked);
}
