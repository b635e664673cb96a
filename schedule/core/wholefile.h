// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Writes the whole file next to its place and moves it there only when every byte is written,
// so a failed write never leaves a shortened file. Returns the system's reason when it fails,
// else the empty text.
QString writeWholeFile(const QString& path, const QByteArray& bytes);

// What reading a schedule file gave: its text, or why it cannot be loaded.
struct ScheduleRead
{
    QString text;
    QString problem; // the text of the "error" box; empty when the file was read
};

// Reads a schedule file whole (see decodeScheduleText). A picked file must be an Orvane file:
// its first line is checked before the rest is read.
ScheduleRead readScheduleFile(const QString& path, bool picked);

// Copies a file through writeWholeFile, so the copy replaces what was at its place only once
// complete. Returns the system's reason when it fails, else the empty text.
QString copyWholeFile(const QString& from, const QString& to);

// Writes bytes to path and keeps the file that was there as backupPath (Save, the gqrx merge,
// the kept season copy). The new bytes are written whole beside the file first and take its
// place last; the backup is a whole copy (copyWholeFile).
enum class Backup {
    Required,   // no backup, no new file: a failure leaves the file and its backup as they were
    Attempted,  // a backup that cannot be made does not stop the new file
};
struct Replacement
{
    bool hadFile = false;    // there was a file at path
    bool backedUp = false;   // it is kept as the backup
    QString problem;         // why path does not hold the bytes; empty when it does
};
Replacement replaceKeepingBackup(const QString& path, const QString& backupPath, const QByteArray& bytes, Backup backup);
