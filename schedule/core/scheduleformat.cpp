// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/core/scheduleformat.h"

#include <QStringDecoder>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F; its five unassigned bytes stay C1 controls.
const char16_t windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString fromWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes) {
        const auto code = static_cast<unsigned char>(byte);
        *out++ = (code >= 0x80 && code < 0xA0) ? QChar(windows1252High[code - 0x80]) : QChar(code);
    }
    return text;
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
    for (int column = 0; column < columns; ++column)
        line += fields.value(column) + QLatin1Char(';');
    line += QLatin1Char('\n');
    return line;
}

QString scheduleRowKey(const QStringList& fields)
{
    return fields.join(QLatin1Char(';'));
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
