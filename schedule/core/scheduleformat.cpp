// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/core/scheduleformat.h"

#include <QStringDecoder>

#include <cstring>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F; its five unassigned bytes stay C1 controls.
const char16_t windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Latin-1 first, which Qt widens many bytes at a time; then the few bytes of 0x80 to 0x9F,
// found eight bytes at a time as only a byte with its top bit set can be one.
QString fromWindows1252(const QByteArray& bytes)
{
    QString text = QString::fromLatin1(bytes);
    const char* const begin = bytes.constData();
    const qsizetype size = bytes.size();
    QChar* out = nullptr;
    for (qsizetype at = 0; at < size;) {
        quint64 word = 0;
        if (size - at >= 8) {
            std::memcpy(&word, begin + at, 8);
            if ((word & 0x8080808080808080ull) == 0) {
                at += 8;
                continue;
            }
        }
        const auto code = static_cast<unsigned char>(begin[at]);
        if (code >= 0x80 && code < 0xA0) {
            if (!out)
                out = text.data();
            out[at] = QChar(windows1252High[code - 0x80]);
        }
        ++at;
    }
    return text;
}

// False where the bytes break the rules of UTF-8 (overlong forms, surrogates, code points past
// U+10FFFF, cut sequences); the decoder refuses all of these too, so such text is never decoded twice.
bool mayBeUtf8(const QByteArray& bytes)
{
    const auto* at = reinterpret_cast<const unsigned char*>(bytes.constData());
    const auto* const end = at + bytes.size();
    while (at < end) {
        const unsigned char lead = *at;
        if (lead < 0x80) {
            ++at;
            continue;
        }
        int following = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            following = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            following = 2;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            following = 3;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (end - at <= following || at[1] < low || at[1] > high)
            return false;
        for (int next = 2; next <= following; ++next) {
            if (at[next] < 0x80 || at[next] > 0xBF)
                return false;
        }
        at += following + 1;
    }
    return true;
}

} // namespace

int splitScheduleLine(QStringView line, ScheduleFields& fields)
{
    int count = 0;
    for (;;) {
        const qsizetype end = line.indexOf(QLatin1Char(';'));
        fields[count++] = end < 0 ? line : line.left(end);
        if (end < 0 || count == orvaneColumns)
            return count;
        line = line.mid(end + 1);
    }
}

QString scheduleLine(const QStringList& fields, int columns)
{
    QString line;
    appendScheduleLine(line, columns, [&fields](int column) { return fields.value(column); });
    return line;
}

QString scheduleRowKey(const QStringList& fields)
{
    return fields.join(QLatin1Char(';'));
}

QString scheduleRowKey(const ScheduleFields& fields)
{
    qsizetype size = orvaneColumns - 1;
    for (QStringView field : fields)
        size += field.size();
    QString key;
    key.reserve(size);
    for (int column = 0; column < orvaneColumns; ++column) {
        if (column > 0)
            key.append(QLatin1Char(';'));
        key.append(fields[size_t(column)]);
    }
    return key;
}

QStringList scheduleRowFields(const QAbstractItemModel& schedule, int row)
{
    QStringList fields;
    fields.reserve(orvaneColumns);
    for (int column = 0; column < orvaneColumns; ++column)
        fields.append(schedule.index(row, column).data().toString());
    return fields;
}

QString decodeScheduleText(const QByteArray& bytes)
{
    if (!mayBeUtf8(bytes))
        return fromWindows1252(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? fromWindows1252(bytes) : text;
}

QList<QStringView> scheduleLines(QStringView text)
{
    QList<QStringView> lines;
    lines.reserve(text.count(QLatin1Char('\n')) + 1);
    while (!text.isEmpty()) {
        const qsizetype end = text.indexOf(QLatin1Char('\n'));
        // what follows the last LF is a line as it is
        if (end < 0) {
            lines.append(text);
            break;
        }
        QStringView line = text.left(end);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        lines.append(line);
        text = text.mid(end + 1);
    }
    return lines;
}

bool isOrvaneFirstLine(const QByteArray& start)
{
    const qsizetype end = start.indexOf('\n');
    QByteArray line = end < 0 ? start : start.left(end);
    if (end >= 0 && line.endsWith('\r'))
        line.chop(1);
    // nine fields, each closed by ";", split into ten parts
    return line.size() <= firstLineLimit && line.count(';') == orvaneColumns;
}
