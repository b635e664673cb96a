// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "bookmarks/core/sdrbookmarks.h"

#include <QList>

class QWidget;

// Asks for an SDR program and a file, writes the broadcasts there as its bookmarks and says
// what was written.
void exportBookmarks(QWidget* parent, const QList<Broadcast>& broadcasts);
