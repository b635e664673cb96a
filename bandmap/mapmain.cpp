// SPDX-License-Identifier: GPL-3.0-or-later
// ledra-map: paints the band map of the season records on its standard input into a PNG file,
// with the guide window's painting code. ledra-sked runs it for --map, so that ledra-sked itself
// needs no more than Qt Core.
#include "bandmap/draw/bandmappicture.h"

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QSaveFile>

#include <cstdio>

namespace {

const int refused = 2;
const QSize defaultSize(1200, 700);

void printMessage(const QString& text)
{
    std::fputs(qPrintable(QStringLiteral("ledra-map: ") + text + QLatin1Char('\n')), stderr);
}

void addOptions(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Paints the day of one band of the season schedule (CSV) read from standard input "
                       "into a PNG file."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOptions({
        {QStringLiteral("band"), QStringLiteral("The band to paint (default: the one with most broadcasts)."),
         QStringLiteral("NAME")},
        {QStringLiteral("size"), QStringLiteral("The picture's size in pixels (default: 1200x700)."),
         QStringLiteral("WxH")},
        {QStringLiteral("at"), QStringLiteral("The moment of the now line, ISO 8601 (default: now)."),
         QStringLiteral("MOMENT")},
    });
    parser.addPositionalArgument(QStringLiteral("FILE.png"), QStringLiteral("The picture to write."));
}

QList<int> rowsInBand(const QList<SeasonRecord>& records, const KhzRange& edges)
{
    QList<int> rows;
    for (int row = 0; row < records.size(); ++row) {
        if (records.at(row).khz >= edges.low && records.at(row).khz <= edges.high)
            rows.append(row);
    }
    return rows;
}

QImage paintedMap(BandMapPicture& picture, const QSize& size)
{
    picture.setCanvas(size, QGuiApplication::font());
    picture.layOut();
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    picture.paint(painter, QGuiApplication::palette());
    picture.paintNowLine(painter);
    return image;
}

// the PNG replaces the file only once it is whole
bool writePng(const QImage& image, const QString& path, QString& error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !image.save(&file, "PNG") || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

// Qt's notes about the session it runs in (no runtime folder, no screen) are no concern of
// whoever asked for a picture; its errors still show
void keepQtNotesQuiet(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fputs(qPrintable(qFormatLogMessage(type, context, text) + QLatin1Char('\n')), stderr);
}

} // namespace

int main(int argc, char* argv[])
{
    // a picture needs no screen
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(keepQtNotesQuiet);
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("ledra-map"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LEDRA_VERSION));
    QCommandLineParser parser;
    addOptions(parser);
    if (!parser.parse(QCoreApplication::arguments())) {
        printMessage(parser.errorText());
        return refused;
    }
    if (parser.isSet(QStringLiteral("help")))
        parser.showHelp(0);
    if (parser.isSet(QStringLiteral("version")))
        parser.showVersion();
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        printMessage(QStringLiteral("one picture file to write, %1 given (see --help)").arg(files.size()));
        return refused;
    }
    const QSize size = parser.isSet(QStringLiteral("size")) ? mapSizeFrom(parser.value(QStringLiteral("size"))) : defaultSize;
    if (!size.isValid()) {
        printMessage(QStringLiteral("bad value \"%1\" for --size: expected WIDTHxHEIGHT, each 100 to 10000")
                         .arg(parser.value(QStringLiteral("size"))));
        return refused;
    }
    QDateTime moment = QDateTime::currentDateTimeUtc();
    if (parser.isSet(QStringLiteral("at"))) {
        moment = QDateTime::fromString(parser.value(QStringLiteral("at")), Qt::ISODate).toUTC();
        if (!moment.isValid()) {
            printMessage(QStringLiteral("bad value \"%1\" for --at: expected an ISO 8601 moment")
                             .arg(parser.value(QStringLiteral("at"))));
            return refused;
        }
    }

    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly)) {
        printMessage(QStringLiteral("cannot read standard input: ") + input.errorString());
        return refused;
    }
    const SeasonFile season = parseSeasonFile(input.readAll());
    if (!season.recognised) {
        printMessage(QStringLiteral("standard input is not a season schedule: its first line does not begin with \"kHz:\""));
        return refused;
    }
    const QString band = parser.isSet(QStringLiteral("band")) ? parser.value(QStringLiteral("band")) : busiestBand(season.records);
    KhzRange edges;
    if (!bandNamed(band, edges)) {
        printMessage(band.isEmpty() ? QStringLiteral("no band given, and no broadcast lies in one")
                                    : QStringLiteral("unknown band \"%1\" for --band").arg(band));
        return refused;
    }

    BandMapPicture picture;
    const QList<int> rows = rowsInBand(season.records, edges);
    picture.setRecords(&season.records, rows);
    picture.setBand(band);
    picture.setMoment(moment);
    QString error;
    if (!writePng(paintedMap(picture, size), files.first(), error)) {
        printMessage(QStringLiteral("cannot write \"%1\": %2").arg(files.first(), error));
        return refused;
    }
    return 0;
}
