// SPDX-License-Identifier: GPL-3.0-or-later
#include "season/core/seasonrecord.h"

#include "schedule/core/scheduleformat.h"

#include <QtAlgorithms>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

const double powersOfTen[] = {1, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};

// The number of a kHz field. The usual forms, "11700" and "5005.5", are read here: a whole
// number below 2^53 divided by an exact power of ten rounds as a full conversion does. Any
// other form is left to QString's conversion.
double khzOf(QStringView field, bool* readable)
{
    const QStringView text = trimmedField(field);
    quint64 mantissa = 0;
    int digits = 0;
    int decimals = -1;
    for (QChar c : text) {
        if (c == QLatin1Char('.') && decimals < 0 && digits > 0) {
            decimals = 0;
            continue;
        }
        if (c < QLatin1Char('0') || c > QLatin1Char('9') || digits == 15)
            return text.toDouble(readable);
        mantissa = mantissa * 10 + quint64(c.unicode() - '0');
        ++digits;
        if (decimals >= 0)
            ++decimals;
    }
    if (digits == 0 || decimals == 0)
        return text.toDouble(readable);
    *readable = true;
    return decimals > 0 ? double(mantissa) / powersOfTen[decimals] : double(mantissa);
}

// The case-folded station names, one a line, written into a text sized once: a name of plain
// ASCII, as nearly all are, folds here.
class FoldedNames
{
public:
    explicit FoldedNames(qsizetype expected)
        : names(expected, Qt::Uninitialized)
    {
    }

    qsizetype size() const { return used; }

    void append(QStringView station)
    {
        for (QChar c : station) {
            if (c.unicode() >= 0x80) {
                write(station.toString().toCaseFolded(), false);
                return;
            }
        }
        write(station, true);
    }

    QString take()
    {
        names.resize(used);
        return std::move(names);
    }

private:
    void write(QStringView name, bool ascii)
    {
        if (used + name.size() + 1 > names.size())
            names.resize(std::max(2 * names.size(), used + name.size() + 1));
        QChar* out = names.data() + used;
        for (QChar c : name)
            *out++ = ascii && c >= QLatin1Char('A') && c <= QLatin1Char('Z') ? QChar(c.unicode() + ('a' - 'A')) : c;
        *out = QLatin1Char('\n');
        used += name.size() + 1;
    }

    QString names;
    qsizetype used = 0;
};

qsizetype lineCount(const QByteArray& bytes)
{
    qsizetype count = 0;
    const char* const end = bytes.constData() + bytes.size();
    for (const char* at = bytes.constData(); (at = static_cast<const char*>(std::memchr(at, '\n', size_t(end - at)))); ++at)
        ++count;
    return count;
}

// The first ";" or line feed from at on, or end; eight characters at a time where the
// processor compares them so.
const QChar* nextBreak(const QChar* at, const QChar* end)
{
#if defined(__SSE2__)
    const __m128i semicolons = _mm_set1_epi16(';');
    const __m128i lineFeeds = _mm_set1_epi16('\n');
    for (; end - at >= 8; at += 8) {
        const __m128i chars = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        const int found = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi16(chars, semicolons), _mm_cmpeq_epi16(chars, lineFeeds)));
        if (found != 0)
            return at + qCountTrailingZeroBits(uint(found)) / 2;
    }
#endif
    while (at < end && *at != QLatin1Char(';') && *at != QLatin1Char('\n'))
        ++at;
    return at;
}

// A line of the text and where its fields lie; fields is how many of the eleven it holds.
struct SplitLine
{
    QStringView line;
    int from = 0;
    int number = 0;
    int fields = 0;
    FieldSpan spans[seasonFieldCount];
};

// Calls read(line) for each line of the text after the first, as scheduleLines splits them,
// with the spans of its fields as splitting at each ";" finds them, the last running to the
// end of the line: each character is looked at once.
template<typename Reader>
void forEachLineAfterFirst(QStringView text, qsizetype from, Reader read)
{
    const QChar* const begin = text.data();
    const QChar* const end = begin + text.size();
    SplitLine split;
    split.number = 1;
    for (const QChar* at = begin + from; at < end;) {
        const QChar* const lineStart = at;
        const QChar* fieldStart = at;
        split.fields = 0;
        for (at = nextBreak(at, end); at < end && *at != QLatin1Char('\n'); at = nextBreak(at + 1, end)) {
            if (split.fields < seasonFieldCount) {
                split.spans[split.fields++] = {int(fieldStart - begin), int(at - fieldStart)};
                fieldStart = at + 1;
            }
        }
        const QChar* lineEnd = at;
        if (at < end && lineEnd > lineStart && lineEnd[-1] == QLatin1Char('\r'))
            --lineEnd;
        if (split.fields == seasonFieldCount - 1)
            split.spans[split.fields++] = {int(fieldStart - begin), int(lineEnd - fieldStart)};
        split.line = QStringView(lineStart, lineEnd);
        split.from = int(lineStart - begin);
        ++split.number;
        read(split);
        at = at < end ? at + 1 : end;
    }
}

QString lineNote(int line, const QString& what)
{
    return QStringLiteral("line %1: %2").arg(line).arg(what);
}

} // namespace

namespace {
const double highestKhz = 300e6;
}

SeasonFile parseSeasonFile(const QByteArray& bytes)
{
    SeasonFile file;
    const QString text = decodeScheduleText(bytes);
    if (!text.startsWith(QLatin1String("kHz:")))
        return file;
    file.recognised = true;
    const qsizetype firstEnd = text.indexOf(QLatin1Char('\n'));
    if (firstEnd < 0)
        return file;
    FoldedNames folded(text.size() / 3);
    file.records.reserve(lineCount(bytes));
    forEachLineAfterFirst(text, firstEnd + 1, [&](const SplitLine& split) {
        if (trimmedField(split.line).isEmpty())
            return;
        const int lineNumber = split.number;
        // built in its place, and taken back when the line is skipped
        SeasonRecord& record = file.records.emplaceBack();
        const auto skip = [&](const QString& reason) {
            ++file.skipped;
            file.warnings.append(lineNote(lineNumber, QStringLiteral("skipped, ") + reason));
            file.records.removeLast();
        };
        const auto field = [&](SeasonField which) { return QStringView(text).mid(record.spans[which].from, record.spans[which].size); };
        record.lineSpan = {split.from, int(split.line.size())};
        if (split.fields < seasonFieldCount) {
            skip(QStringLiteral("fewer than eleven fields"));
            return;
        }
        std::copy(std::begin(split.spans), std::end(split.spans), std::begin(record.spans));
        bool readable = false;
        record.khz = khzOf(field(KhzField), &readable);
        // above any radio frequency a number is a typing error, and it would not round to whole kHz
        if (!readable || !(record.khz > 0 && record.khz <= highestKhz)) {
            skip(QStringLiteral("unreadable frequency \"%1\"").arg(field(KhzField).toString()));
            return;
        }
        if (!parseTimeRange(field(TimeField), record.times)) {
            skip(QStringLiteral("unreadable time \"%1\"").arg(field(TimeField).toString()));
            return;
        }
        const auto readDate = [&](SeasonField which) {
            const int date = parseDayMonth(field(which));
            if (date == impossibleDate) {
                ++file.impossibleDates;
                file.warnings.append(lineNote(lineNumber, QStringLiteral("impossible date \"%1\" applies no limit")
                                                              .arg(field(which).toString())));
            }
            return date;
        };
        record.times.days = parseDays(field(DaysField));
        record.startDate = readDate(StartField);
        record.stopDate = readDate(StopField);
        record.inactive = trimmedField(field(PersistenceField)) == QLatin1String("8");
        const int foldedFrom = int(folded.size());
        // one name a line, so that a finder may search all of them at once
        folded.append(field(StationField));
        record.foldedSpan = {foldedFrom, int(folded.size()) - 1 - foldedFrom};
    });
    // shared once the last name is in
    const QString names = folded.take();
    for (SeasonRecord& record : file.records) {
        record.text = text;
        record.foldedStations = names;
    }
    return file;
}

bool SeasonRecord::hasLanguage(QStringView code) const
{
    for (QStringView language : field(LanguageField).tokenize(QLatin1Char(','))) {
        if (language == code)
            return true;
    }
    return false;
}

QString roundedKhz(double khz)
{
    return QString::number(qint64(std::floor(khz + 0.5)));
}

bool isWholeKhz(double khz)
{
    return std::floor(khz) == khz;
}

QStringList scheduleFields(const SeasonRecord& record)
{
    QStringList fields{roundedKhz(record.khz)};
    for (SeasonField field : {TimeField, DaysField, CountryField, StationField, LanguageField, TargetField, SiteField})
        fields.append(record.field(field).toString());
    fields.append(record.times.days.mode);
    return fields;
}

QString notSeasonScheduleText(const QString& path)
{
    return QStringLiteral("\"%1\" is not a season schedule: its first line does not begin with \"kHz:\"").arg(path);
}
