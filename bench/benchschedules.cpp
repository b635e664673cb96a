// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/benchschedules.h"

#include "codetables/core/codetable.h"
#include "schedule/core/scheduleformat.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

namespace {

QStringList codesOf(const QString& table)
{
    QStringList codes;
    for (const CodeRow& row : readCodeTable(QStringLiteral(":/codetables/%1.tsv").arg(table)))
        codes.append(row.code);
    return codes;
}

} // namespace

QByteArray generatedSchedule(int rows)
{
    QRandomGenerator random{quint32(rows)};
    const QStringList from = codesOf(QStringLiteral("from"));
    const QStringList lang = codesOf(QStringLiteral("lang"));
    const QStringList to = codesOf(QStringLiteral("to"));
    const QStringList tx = codesOf(QStringLiteral("tx"));
    const QStringList mode = codesOf(QStringLiteral("mode"));
    const QStringList words{"Radio", "Rádio", "Voice", "Stimme", "Sawt", "Nacional", "Международное",
                            "Kol", "Pyongyang", "Bénin", "Free", "Asia", "World", "Sveriges", "Ñuñoa"};
    const auto pick = [&random](const QStringList& list) { return list.at(random.bounded(int(list.size()))); };
    QString text;
    for (int row = 0; row < rows; ++row) {
        const int frequency = 150 + random.bounded(3000) * 10 - random.bounded(2) * 5;
        const int start = random.bounded(48) * 30;
        const int end = (start + 30 * (1 + random.bounded(8))) % 1440;
        const QString time = QStringLiteral("%1%2-%3%4")
                                 .arg(start / 60, 2, 10, QLatin1Char('0')).arg(start % 60, 2, 10, QLatin1Char('0'))
                                 .arg(end / 60, 2, 10, QLatin1Char('0')).arg(end % 60, 2, 10, QLatin1Char('0'));
        QString label = pick(words);
        while (label.size() < 8 + random.bounded(17))
            label += QLatin1Char(' ') + pick(words);
        label.truncate(24);
        text += QStringList{QString::number(frequency), time, QString(), pick(from), label, pick(lang),
                            pick(to), pick(tx), pick(mode)}.join(QLatin1Char(';'))
                + QStringLiteral(";\n");
    }
    return text.toUtf8();
}

QByteArray convertedSchedule(const QByteArray& csv)
{
    const QString csvText = decodeScheduleText(csv);
    QList<QStringView> lines = scheduleLines(csvText);
    lines.removeFirst();
    QString text;
    for (const QStringView line : lines) {
        QStringList fields = line.toString().split(QLatin1Char(';')).mid(0, 8);
        fields[0] = QString::number(qRound(fields.at(0).toDouble()));
        text += fields.join(QLatin1Char(';')) + QStringLiteral(";;\n");
    }
    return text.toUtf8();
}

QList<Schedule> schedules()
{
    QList<Schedule> list;
    for (int rows : {1000, 10000, 100000})
        list.append({QStringLiteral("generated %1").arg(rows), generatedSchedule(rows)});
    const QDir data(QStringLiteral(LEDRA_SAMPLE_DATA));
    for (const QString& name : data.entryList({QStringLiteral("*.csv")}, QDir::Files, QDir::Name)) {
        QFile file(data.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            list.append({name, convertedSchedule(file.readAll())});
    }
    return list;
}

QList<QStringList> splitRows(const QByteArray& bytes)
{
    QList<QStringList> rows;
    for (const QString& line : QString::fromUtf8(bytes).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        rows.append(line.split(QLatin1Char(';')).mid(0, orvaneColumns));
    return rows;
}
