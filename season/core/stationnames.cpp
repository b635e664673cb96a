// SPDX-License-Identifier: GPL-3.0-or-later
#include "season/core/stationnames.h"

#include <cstring>

namespace {

// Where the bytes of a non-empty text first stand in [at, end), or null: its key byte found by
// memchr, many bytes at a time, and the whole text compared there. Short names, and a search
// that starts again after each hit, make this quicker than memmem, which studies the text each
// call.
const char* findBytes(const char* at, const char* end, const StationNames::Find& find)
{
    const qsizetype size = find.bytes.size();
    if (end - at < size)
        return nullptr;
    const qsizetype after = size - find.key - 1; // bytes of the text after its key
    const char key = find.bytes.at(find.key);
    for (const char* probe = at + find.key; end - probe > after; ++probe) {
        probe = static_cast<const char*>(std::memchr(probe, key, size_t(end - probe - after)));
        if (!probe)
            return nullptr;
        const char* const start = probe - find.key;
        if (std::memcmp(start, find.bytes.constData(), size_t(size)) == 0)
            return start;
    }
    return nullptr;
}

} // namespace

QString foldedNames(const QList<SeasonRecord>& records)
{
    bool shared = !records.isEmpty() && records.first().foldedSpan.from == 0;
    int next = 0;
    for (const SeasonRecord& record : records) {
        if (!shared)
            break;
        shared = record.foldedStations.constData() == records.first().foldedStations.constData()
                 && record.foldedSpan.from == next;
        next = record.foldedSpan.from + record.foldedSpan.size + 1;
    }
    if (shared && next == records.first().foldedStations.size())
        return records.first().foldedStations;
    QString names;
    for (const SeasonRecord& record : records)
        names.append(record.foldedStation()).append(QLatin1Char('\n'));
    return names;
}

StationNames::StationNames(const QString& namesByLine)
    : names(namesByLine.toUtf8())
{
    const char* const begin = names.constData();
    const char* const end = begin + names.size();
    for (const char* at = begin; (at = static_cast<const char*>(std::memchr(at, '\n', size_t(end - at)))); ++at)
        starts.push_back(at + 1 - begin);
    for (const char byte : names)
        ++byteCounts[static_cast<unsigned char>(byte)];
}

StationNames::Find StationNames::find(const QString& foldedText) const
{
    // no name holds a line feed
    Find find{foldedText.isValidUtf16() ? foldedText.toUtf8() : QByteArray("\n"), 0};
    for (qsizetype at = 1; at < find.bytes.size(); ++at) {
        if (byteCounts[static_cast<unsigned char>(find.bytes.at(at))]
            < byteCounts[static_cast<unsigned char>(find.bytes.at(find.key))])
            find.key = at;
    }
    return find;
}

std::vector<char> StationNames::namesHolding(const Find& find) const
{
    if (find.bytes.isEmpty())
        return std::vector<char>(size_t(count()), 1);
    std::vector<char> found(size_t(count()), 0);
    // the search must not find a text that runs from one name into the next
    if (find.bytes.contains('\n'))
        return found;
    const char* const begin = names.constData();
    const char* const end = begin + names.size();
    size_t name = 0;
    for (const char* at = begin; at < end;) {
        at = findBytes(at, end, find);
        if (!at)
            break;
        while (starts[name + 1] <= at - begin)
            ++name;
        found[name] = 1;
        at = begin + starts[name + 1];
    }
    return found;
}

bool StationNames::holds(qsizetype name, const Find& find) const
{
    if (find.bytes.isEmpty())
        return true;
    const char* const from = names.constData() + starts[size_t(name)];
    return findBytes(from, names.constData() + starts[size_t(name) + 1] - 1, find) != nullptr;
}
