// SPDX-License-Identifier: GPL-3.0-or-later
#include "bookmarks/bookmarkexport.h"

#include "bookmarks/exportdialog.h"
#include "schedule/core/wholefile.h"

#include <QMessageBox>

namespace {

void notice(const QString& text)
{
    QMessageBox::information(nullptr, QStringLiteral("Notice"), text);
}

QString report(const SdrFormat& format, const QString& path, const BookmarkExport& result)
{
    const QString asAm = QStringLiteral("Written as AM, a mode %1 lacks: %2").arg(format.program).arg(result.asAm);
    if (format.merge)
        return QStringLiteral("Added to %1's bookmarks \"%2\": %3\nSkipped, already there: %4\n%5\n"
                              "%1 reads the file when it starts: restart it to see them.")
            .arg(format.program, path)
            .arg(result.written)
            .arg(result.skipped)
            .arg(asAm);
    return QStringLiteral("Exported to \"%1\": %2 bookmarks\n%3").arg(path).arg(result.written).arg(asAm);
}

} // namespace

void exportBookmarks(QWidget* parent, const QList<Broadcast>& broadcasts)
{
    if (broadcasts.isEmpty()) {
        notice(QStringLiteral("There is nothing to export"));
        return;
    }
    ExportDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const SdrFormat& format = dialog.format();
    const QString path = dialog.path();
    BookmarkExport result;
    QString problem;
    if (format.merge) {
        problem = format.merge(path, broadcasts, result);
    } else {
        result = format.write(broadcasts);
        problem = writeWholeFile(path, result.bytes);
    }
    if (!problem.isEmpty()) {
        QMessageBox::information(nullptr, QStringLiteral("error"),
                                 QStringLiteral("Could not export to \"%1\": %2").arg(path, problem));
        return;
    }
    notice(report(format, path, result));
}
