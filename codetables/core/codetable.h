// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// One row of a code table: the code the program stores and the text the user reads.
struct CodeRow
{
    QString code;
    QString text;
};

// Reads a code table file: a header line naming the columns, then one "code<TAB>text" row per line.
QList<CodeRow> readCodeTable(const QString& path);
