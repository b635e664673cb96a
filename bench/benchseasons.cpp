// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/benchseasons.h"

#include <QDir>
#include <QFile>

namespace {

const QByteArray header = "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;"
                          "Remarks:135;P:35;Start:60;Stop:60;\r\n";

QByteArray generatedSeason(int records)
{
    QByteArray bytes = header;
    for (int record = 0; record < records; ++record) {
        bytes += QByteArray::number(5900 + record % 9000) + ";1200-1300;Mo-Fr;ROU;Radio " + QByteArray::number(record)
                 + ";E,F;ME;g;1;;\r\n";
    }
    return bytes;
}

// 1,500 broadcasts on 31m, one to three hours long at every hour, to every region
QByteArray generatedBand()
{
    static const char* const targets[] = {"Eu", "ME", "Af", "SAs", "FE", "SEA", "Oc", "NAm", "CIS", "NAO"};
    QByteArray bytes = header;
    for (int record = 0; record < 1500; ++record) {
        const int start = record * 7 % 24;
        const int end = (start + 1 + record % 3) % 24;
        bytes += QByteArray::number(9400 + record * 5 % 500) + ';' + QByteArray::number(start * 100).rightJustified(4, '0')
                 + '-' + QByteArray::number(end * 100).rightJustified(4, '0') + (record % 4 == 0 ? ";SaSu;" : ";;")
                 + "ROU;Radio " + QByteArray::number(record) + ";E;" + targets[record % 10] + ";g;1;;\r\n";
    }
    return bytes;
}

} // namespace

QByteArray sampleSeason()
{
    QByteArray largest;
    const QDir data(QStringLiteral(LEDRA_SAMPLE_DATA));
    for (const QString& name : data.entryList({QStringLiteral("*.csv")}, QDir::Files)) {
        QFile file(data.filePath(name));
        if (file.open(QIODevice::ReadOnly) && file.size() > largest.size())
            largest = file.readAll();
    }
    return largest.isEmpty() ? generatedSeason(16000) : largest;
}

QByteArray repeated(const QByteArray& season, int records)
{
    const QList<QByteArray> lines = season.split('\n');
    QByteArray bytes = header;
    int written = 0;
    for (int line = 1; written < records; line = line + 1 < lines.size() ? line + 1 : 1) {
        if (lines.at(line).trimmed().isEmpty())
            continue;
        bytes += lines.at(line) + '\n';
        ++written;
    }
    return bytes;
}

QList<QPair<QString, QByteArray>> seasonFiles()
{
    QList<QPair<QString, QByteArray>> files;
    const QDir data(QStringLiteral(LEDRA_SAMPLE_DATA));
    for (const QString& name : data.entryList({QStringLiteral("*.csv")}, QDir::Files)) {
        QFile file(data.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            files.append({name, file.readAll()});
    }
    files.append({QStringLiteral("generated 31m"), generatedBand()});
    return files;
}
