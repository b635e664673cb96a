// SPDX-License-Identifier: GPL-3.0-or-later
#include "sked/skedmap.h"

#include "bandmap/core/bandmap.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <cstdio>

namespace {

const int refused = 2;
const QByteArray seasonHeader = "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;"
                                "Remarks:135;P:35;Start:60;Stop:60;\n";

void printError(const QString& text)
{
    std::fputs(qPrintable(QStringLiteral("ledra-sked: ") + text + QLatin1Char('\n')), stderr);
}

// beside ledra-sked in the build tree; installed, in the folder CMake named relative to it
QStringList mapProgramPlaces()
{
    const QDir here(QCoreApplication::applicationDirPath());
    return {here.filePath(QStringLiteral("ledra-map")),
            QDir::cleanPath(here.filePath(QStringLiteral(LEDRA_MAP_FROM_BINDIR "/ledra-map")))};
}

QString mapProgram()
{
    for (const QString& place : mapProgramPlaces()) {
        if (QFileInfo(place).isExecutable())
            return place;
    }
    return QString();
}

// a season file's text with the records the filter lets through
QByteArray seasonText(const QList<SeasonRecord>& records, const SeasonFilter& filter)
{
    QByteArray text = seasonHeader;
    for (const SeasonRecord& record : records) {
        if (matches(record, filter))
            text += record.line().toUtf8() + '\n';
    }
    return text;
}

} // namespace

void addMapOptions(QCommandLineParser& parser)
{
    parser.addOptions({
        {QStringLiteral("map"),
         QStringLiteral("Paint the day of the band (--band, else the one with most matches) into a PNG file "
                        "instead of printing lines; --at is then the moment of its now line."),
         QStringLiteral("FILE.png")},
        {QStringLiteral("size"), QStringLiteral("The --map picture's size in pixels (default: 1200x700)."),
         QStringLiteral("WxH")},
    });
}

int writeMap(const QCommandLineParser& parser, const QList<SeasonRecord>& records, SeasonFilter filter,
             const QDateTime& moment)
{
    const QString size = parser.value(QStringLiteral("size"));
    if (parser.isSet(QStringLiteral("size")) && !mapSizeFrom(size).isValid()) {
        printError(QStringLiteral("bad value \"%1\" for --size: expected WIDTHxHEIGHT, each 100 to 10000").arg(size));
        return refused;
    }
    const QString program = mapProgram();
    if (program.isEmpty()) {
        printError(QStringLiteral("cannot find ledra-map, which paints the map, at %1")
                       .arg(mapProgramPlaces().join(QStringLiteral(" or "))));
        return refused;
    }
    QStringList arguments{QStringLiteral("--at"), moment.toUTC().toString(Qt::ISODate)};
    for (const char* option : {"band", "size"}) {
        if (parser.isSet(QLatin1String(option)))
            arguments << QStringLiteral("--") + QLatin1String(option) << parser.value(QLatin1String(option));
    }
    arguments << QStringLiteral("--") << parser.value(QStringLiteral("map"));
    filter.atMoment = parser.isSet(QStringLiteral("on-air"));

    QProcess painter;
    painter.setProcessChannelMode(QProcess::ForwardedChannels);
    painter.start(program, arguments);
    painter.write(seasonText(records, filter));
    painter.closeWriteChannel();
    if (!painter.waitForFinished(-1) || painter.exitStatus() != QProcess::NormalExit) {
        printError(QStringLiteral("ledra-map failed: ") + painter.errorString());
        return refused;
    }
    return painter.exitCode();
}
