// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/mainwindow.h"

#include "schedule/scheduletable.h"
#include "schedule/core/wholefile.h"
#include "schedule/waitcursor.h"

#include <QFileInfo>
#include <QMessageBox>

namespace {

const char seedLines[] = "1110;0000-2359;;USA;KFAB Omaha, NE;E;NAm;;;\n"
                         "1040;0000-2359;;USA;WHO Des Moines IA;E;NAm;;;\n"
                         "14230;0000-2359;;USA;20m Analog SSTV;E;NAm;;;\n"
                         "14233;0000-2359;;USA;20m Digital SSTV;E;NAm;;;\n";

void showError(const QString& text)
{
    QMessageBox::information(nullptr, QStringLiteral("error"), text);
}

QString seedNotice()
{
    const QString separator = QStringLiteral("-------------------------------\n");
    return QStringLiteral("Ledra\n") + separator
           + QStringLiteral("\"orvane-swbc-sked.txt\" file not found\n")
           + QStringLiteral("where expected. Consequently, a small\n")
           + QStringLiteral("(4 entry) one has been created for you.\n")
           + QStringLiteral("You may now add entries to this.\n") + separator;
}

// Writes the four sample entries to path; false, after telling the user, when that fails.
bool writeSeed(const QString& path)
{
    const QString failure = writeWholeFile(path, QByteArray(seedLines));
    if (!failure.isEmpty()) {
        showError(failure);
        return false;
    }
    QMessageBox::information(nullptr, QStringLiteral("Notice"), seedNotice());
    return true;
}

} // namespace

void MainWindow::getdbfile(QString path)
{
    const bool picked = !path.isEmpty();
    const QString target = picked ? path : docsFolder + orvaneFileBase + QStringLiteral(".txt");

    // only a missing start-up file is replaced by the sample; an unreadable one is kept as it is
    if (!picked && !QFileInfo::exists(target) && !writeSeed(target))
        return;
    ScheduleRead read;
    {
        WaitCursor wait;
        read = readScheduleFile(target, picked);
    }
    if (!read.problem.isEmpty()) {
        showError(read.problem);
        return;
    }

    WaitCursor wait;
    // a picked file can be taken back; the file at start is where undoing begins
    if (picked)
        scheduleTable->loadUndoable(read.text);
    else
        scheduleTable->putScheduleText(read.text);
}
