// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes as a schedule file: through the line format's split and join, and through the
// file reader as a picked file. Aborts when a line does not come back as it went in.
#include "schedule/core/frequencyreadings.h"
#include "schedule/core/scheduleformat.h"
#include "schedule/core/wholefile.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QTemporaryDir* folder = nullptr;

void require(bool condition)
{
    if (!condition)
        std::abort();
}

QStringList splitFields(QStringView line)
{
    ScheduleFields parts;
    const int count = splitScheduleLine(line, parts);
    QStringList fields;
    for (int index = 0; index < count; ++index)
        fields.append(parts[index].toString());
    return fields;
}

QList<QStringList> fileRows(const QByteArray& bytes)
{
    QList<QStringList> rows;
    const QString text = decodeScheduleText(bytes);
    for (QStringView line : scheduleLines(text))
        rows.append(splitFields(line));
    return rows;
}

QStringList firstFields(const QStringList& fields, int columns)
{
    QStringList first;
    for (int column = 0; column < columns; ++column)
        first.append(fields.value(column));
    return first;
}

// A line joined and split again gives its fields, and the lines of the rows that can be saved,
// read again, give those rows.
void checkRoundTrip(const QByteArray& bytes)
{
    QList<QStringList> savable;
    QString savedText;
    for (const QStringList& fields : fileRows(bytes)) {
        QString joined = scheduleLine(fields, int(fields.size()));
        require(joined.endsWith(QLatin1String(";\n")));
        joined.chop(1);
        // the ";" after the last field opens one more, empty, up to the ninth
        require(splitFields(joined) == firstFields(fields, qMin(int(fields.size()) + 1, orvaneColumns)));
        if (isSavedFrequency(wholeKhz(fields.value(0)))) {
            savable.append(firstFields(fields, orvaneColumns));
            savedText += scheduleLine(fields, orvaneColumns);
        }
    }
    QList<QStringList> reread;
    for (const QStringList& fields : fileRows(savedText.toUtf8()))
        reread.append(firstFields(fields, orvaneColumns));
    require(reread == savable);
}

// A picked file is read as a whole, or refused for its first line.
void checkPickedRead(const QByteArray& bytes)
{
    const QString path = folder->filePath(QStringLiteral("picked.txt"));
    QFile file(path);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    require(file.write(bytes) == bytes.size());
    file.close();

    const ScheduleRead read = readScheduleFile(path, true);
    if (!isOrvaneFirstLine(bytes.left(firstLineLimit + 2))) {
        require(read.problem == QLatin1String("Can't load Pelkin format file") && read.text.isEmpty());
        return;
    }
    require(read.problem.isEmpty() && read.text == decodeScheduleText(bytes));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    folder = new QTemporaryDir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    checkRoundTrip(bytes);
    checkPickedRead(bytes);
    return 0;
}
