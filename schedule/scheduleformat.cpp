#include "scheduleformat.h"

#include <QStringDecoder>

#include <algorithm>

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

QStringList splitScheduleLine(const QString& line)
{
    return line.split(QLatin1Char(';'), Qt::KeepEmptyParts);
}

QString scheduleLine(const QStringList& fields, int columns)
{
    QString line;
    for (int column = 0; column < columns; ++column)
        line += fields.value(column) + QLatin1Char(';');
    line += QLatin1Char('\n');
    return line;
}

QString decodeScheduleText(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? fromWindows1252(bytes) : text;
}

QStringList scheduleLines(const QString& text)
{
    QStringList lines = text.split(QLatin1Char('\n'));
    // what follows the last LF is a line only when there is something
    const QString last = lines.takeLast();
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    if (!last.isEmpty())
        lines.append(last);
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

int frequencyKey(const QString& frequency)
{
    bool ok = false;
    const int key = frequency.toInt(&ok, 10);
    return ok ? key : 0;
}

bool qslLessThan(const QStringList& first, const QStringList& second)
{
    return frequencyKey(first.value(0)) < frequencyKey(second.value(0));
}

void sortRows(QList<QStringList>& rows)
{
    std::stable_sort(rows.begin(), rows.end(), qslLessThan);
}

bool isSavableRow(const QStringList& row)
{
    bool ok = false;
    const int frequency = row.value(0).toInt(&ok, 10);
    return ok && frequency > 0;
}

QByteArray scheduleFileBytes(const QList<QStringList>& rows, int columns)
{
    QString text;
    for (const QStringList& row : rows) {
        if (isSavableRow(row))
            text += scheduleLine(row, columns);
    }
    return text.toUtf8();
}
