// SPDX-License-Identifier: GPL-3.0-or-later
#include "codetables/core/codetable.h"

#include <QFile>
#include <QTextStream>

QList<CodeRow> readCodeTable(const QString& path)
{
    QList<CodeRow> rows;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return rows;
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    in.readLine(); // column names
    while (!in.atEnd()) {
        const QString line = in.readLine();
        const int tab = line.indexOf(QLatin1Char('\t'));
        if (tab < 0)
            continue;
        rows.append({line.left(tab), line.mid(tab + 1)});
    }
    return rows;
}
