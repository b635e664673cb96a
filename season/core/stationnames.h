// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "season/core/seasonrecord.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <array>
#include <vector>

// The folded station names of the records, one a line. The records of one file share that
// text already, in file order; other records have it put together.
QString foldedNames(const QList<SeasonRecord>& records);

// Case-folded station names in one UTF-8 text, searched for a case-folded part of a name. A
// text found in the UTF-8 is the same text found in UTF-16.
class StationNames
{
public:
    // What a search looks for: the text's UTF-8, and which of its bytes memchr looks for first.
    struct Find
    {
        QByteArray bytes;
        qsizetype key = 0;
    };

    StationNames() = default;
    // names, each followed by a line feed
    explicit StationNames(const QString& namesByLine);

    qsizetype count() const { return qsizetype(starts.size()) - 1; }
    // The key is the byte of the text least often in the names, so that memchr stops at as few
    // places as it can. A text with a lone surrogate is in no name.
    Find find(const QString& foldedText) const;
    // one flag a name, in one search through all of them
    std::vector<char> namesHolding(const Find& find) const;
    bool holds(qsizetype name, const Find& find) const;

private:
    QByteArray names;
    std::vector<qsizetype> starts{0};
    std::array<qsizetype, 256> byteCounts{};
};
