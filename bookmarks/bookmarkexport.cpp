// SPDX-License-Identifier: GPL-3.0-or-later
#include "bookmarks/bookmarkexport.h"

#include "bookmarks/core/gqrxbookmarks.h"
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
    if (format.key == QLatin1String("gqrx"))
        return QStringLiteral("Added to gqrx's bookmarks \"%1\": %2\nSkipped, already there: %3\n%4\n"
                              "gqrx reads the file when it starts: restart it to see them.")
            .arg(path)
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
    if (format.key == QLatin1String("gqrx")) {
        problem = mergeIntoGqrxFile(path, broadcasts, result);
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
