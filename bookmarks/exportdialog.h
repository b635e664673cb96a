// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QString>

struct SdrFormat;
class Ui_ExportDialog;

// Picks the SDR program to export to and the file; each program proposes its own file (gqrx's
// is its bookmarks file, merged into).
class ExportDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ExportDialog(QWidget* parent = nullptr);
    ~ExportDialog() override;

    const SdrFormat& format() const;
    QString path() const;

private:
    void proposeFile();
    void pickFile();

    Ui_ExportDialog* ui;
};
