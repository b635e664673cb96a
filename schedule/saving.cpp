// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "schedule/core/frequencyreadings.h"
#include "schedule/core/roworder.h"
#include "schedule/scheduletable.h"
#include "schedule/core/wholefile.h"
#include "schedule/waitcursor.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMessageBox>
#include <QUndoStack>

#include <algorithm>

namespace {

void showNotice(const QString& text)
{
    QMessageBox::information(nullptr, QStringLiteral("Notice"), text);
}

QString saveReport(bool backupFound, bool oldBackupDeleted, bool backupCreated, bool backedUp,
                   bool saved)
{
    QString report;
    report += backupFound ? QStringLiteral("Backup found\n") : QStringLiteral("Backup not found\n");
    report += oldBackupDeleted ? QStringLiteral("Old backup deleted\n")
                               : QStringLiteral("Old Backup not deleted\n");
    if (backupCreated)
        report += QStringLiteral("Backup (new) created\n");
    report += backedUp ? QStringLiteral("Original Backed Up\n")
                       : QStringLiteral("Original not backed up\n");
    report += saved ? QStringLiteral("New DB file saved") : QStringLiteral("DB file NOT saved");
    return report;
}

QString leftOutNotice(qsizetype count)
{
    const QString rows = count == 1 ? QStringLiteral("1 row was") : QStringLiteral("%1 rows were").arg(count);
    return rows + QStringLiteral(" not saved: the frequency is not a whole number above 0.\n")
           + QStringLiteral("They stay in the table.");
}

} // namespace

bool MainWindow::savePass(const QString& fileBase, const QByteArray& bytes, QList<int>& order)
{
    backedUp = 0;
    oldBackupDeleted = 0;
    const QString backupPath = docsFolder + fileBase + QStringLiteral(".bak");
    const QString filePath = docsFolder + fileBase + QStringLiteral(".txt");

    // The file stays in place until its successor is complete and the old backup until the new
    // one is; without a file to take its place, the old backup is the only earlier version left.
    const bool backupFound = QFileInfo(backupPath).isFile();
    Replacement replaced;
    {
        WaitCursor wait;
        if (sortOnSave != 0 && !order.isEmpty()) {
            scheduleTable->sortUndoable(order);
            // the table is in order now, so a later pass has nothing to move
            order.clear();
        }
        replaced = replaceKeepingBackup(filePath, backupPath, bytes, Backup::Attempted);
    }
    bool backupCreated = false;
    if (replaced.backedUp) {
        backedUp = 1;
        oldBackupDeleted = backupFound ? 1 : 0;
        backupCreated = !backupFound;
    } else if (replaced.hadFile) {
        showNotice(QStringLiteral("Rename older file to .bak failed"));
    }
    const bool saved = replaced.problem.isEmpty();
    if (!saved) {
        QMessageBox::information(nullptr, QStringLiteral("error"),
                                 QStringLiteral("Can't save \"%1\": %2").arg(filePath, replaced.problem));
    }

    if (confirmAfterSave != 0)
        showNotice(saveReport(backupFound, oldBackupDeleted == 1, backupCreated, backedUp == 1, saved));
    return saved;
}

// The rows are sorted once and read once for both files.
void MainWindow::on_savedata_clicked()
{
    QList<int> order = frequencyOrder(scheduleTable->frequencies());
    const ScheduleTable::Files files = scheduleTable->files(order);
    orvaneFileSaved = savePass(orvaneFileBase, files.orvane, order);
    savePelkinFile(files.pelkin, order);
}

void MainWindow::savepelkin()
{
    QList<int> order = frequencyOrder(scheduleTable->frequencies());
    savePelkinFile(scheduleTable->files(order).pelkin, order);
}

void MainWindow::savePelkinFile(const QByteArray& bytes, QList<int>& order)
{
    const bool saved = savePass(extraFileBase, bytes, order);
    // the table counts as saved only when both files hold it
    if (saved && orvaneFileSaved) {
        setWindowModified(false);
        scheduleTable->undoStack()->setClean();
        savedSinceStart = true;
    }

    const QList<qint64>& frequencies = scheduleTable->frequencies();
    const auto leftOut = std::count_if(frequencies.cbegin(), frequencies.cend(),
                                       [](qint64 frequency) { return !isSavedFrequency(frequency); });
    if (leftOut > 0)
        showNotice(leftOutNotice(leftOut));

    sender.broadcastDatagram(QStringLiteral("pingpelkin:0"));
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (!mayClose() || !mayQuitWithRecordings()) {
        event->ignore();
        return;
    }
    // Qt drops the native window right after the close, so its place is taken now
    storeWindowPlace();
    event->accept();
}

bool MainWindow::mayClose()
{
    if (!isWindowModified())
        return true;
    const QMessageBox::StandardButton answer = QMessageBox::question(
        this, QStringLiteral("Notice"),
        QStringLiteral("The schedule has changes that are not saved.\nSave them before closing?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save)
        on_savedata_clicked();
    // a save that failed keeps the window open, so the rows are not lost
    return answer == QMessageBox::Discard || (answer == QMessageBox::Save && !isWindowModified());
}
