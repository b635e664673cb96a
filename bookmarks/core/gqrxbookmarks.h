// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bookmarks/core/sdrbookmarks.h"

#include <QByteArray>
#include <QList>
#include <QString>

// gqrx's bookmarks file, which gqrx reads only when it starts: tag lines up to the first empty
// line, then bookmarks of exactly five fields (other lines it ignores); "#" starts a comment.
//   # Tag name          ;  color
//   Ledra               ; #c0ff00
//
//   # Frequency ; Name                     ; Modulation          ;  Bandwidth; Tags
//        9650000; KBS World                ; AM                  ;      10000; Ledra

// The file with the broadcasts added as bookmarks tagged "Ledra". Every byte of it stays; the
// tag is added once; a broadcast is skipped when a bookmark of its frequency and name is there.
// An empty file gets a whole new one.
BookmarkExport mergeGqrxBookmarks(const QByteArray& file, const QList<Broadcast>& broadcasts);

// $XDG_CONFIG_HOME/gqrx/bookmarks.csv, or ~/.config/gqrx/bookmarks.csv, as gqrx looks for it.
QString gqrxBookmarksPath();

// Merges into the file at path (made with its folder when missing) and keeps the file as it
// was as path + ".bak"; nothing is written when nothing is added. Returns the system's reason
// when it fails, else the empty text.
QString mergeIntoGqrxFile(const QString& path, const QList<Broadcast>& broadcasts, BookmarkExport& result);
