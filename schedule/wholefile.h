// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Writes the whole file next to its place and moves it there only when every byte is written,
// so a failed write never leaves a shortened file. Returns the system's reason when it fails,
// else the empty text.
QString writeWholeFile(const QString& path, const QByteArray& bytes);

// Copies a file through writeWholeFile, so the copy replaces what was at its place only once
// complete. Returns the system's reason when it fails, else the empty text.
QString copyWholeFile(const QString& from, const QString& to);
