// SPDX-License-Identifier: GPL-3.0-or-later
#include "bookmarks/core/sdrbookmarks.h"

#include "bookmarks/core/gqrxbookmarks.h"
#include "bookmarks/core/programmode.h"
#include "radiolink/core/rigtuning.h"
#include "schedule/core/frequencyreadings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>

namespace {

const int allDayEnd = 24 * 60;

// The programs' own normal passbands. SDR++ has one CW mode and no synchronous AM; KiwiSDR one
// CW mode and no wide FM; CW reverse is CW heard from the other side, so CW takes it.
const ProgramModes sdrppModes{{{"AM", 2, -5000, 5000}, {}, {"NFM", 0, -6250, 6250}, {"USB", 4, 0, 2800},
                               {"LSB", 6, -2800, 0}, {"CW", 5, -100, 100}, {"CW", 5, -100, 100},
                               {"WFM", 1, -75000, 75000}, {}, {}}};
const ProgramModes kiwiModes{{{"AM", 0, -4900, 4900}, {"SAM", 0, -4900, 4900}, {"NBFM", 0, -6000, 6000},
                              {"USB", 0, 300, 2700}, {"LSB", 0, -2700, -300}, {"CW", 0, 300, 700},
                              {"CW", 0, 300, 700}, {}, {}, {}}};
const ProgramModes openWebRxModes{{{"am"}, {"sam"}, {"nfm"}, {"usb"}, {"lsb"}, {"cw"}, {"cw"}, {"wfm"}, {}, {}}};

QString bookmarkName(const QString& text, double khz)
{
    const QString name = text.simplified();
    return name.isEmpty() ? khzText(khz * 1000) + QStringLiteral(" kHz") : name;
}

QString kiwiQuoted(QString text)
{
    return QLatin1Char('"') + text.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

// "MTWTF__": the days from Monday, "_" for a day off; days Kiwi cannot hold (dates, irregular
// days) never hide a label
QString kiwiWeek(const DayRule& days)
{
    const quint8 weekdays = days.irregular || days.weekdays == 0 ? everyDay : days.weekdays;
    const QString letters = QStringLiteral("MTWTFSS");
    QString week;
    for (int day = 0; day < 7; ++day)
        week += weekdays & (1u << day) ? letters.at(day) : QLatin1Char('_');
    return week;
}

QString hhmm(int minutes)
{
    return QStringLiteral("%1%2").arg(minutes / 60, 2, 10, QLatin1Char('0')).arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

QString kiwiLine(const Broadcast& broadcast, int& asAm)
{
    const ProgramMode& mode = programMode(kiwiModes, broadcast.modeCode, asAm);
    const QStringList fields{khzText(double(broadcastHz(broadcast))),
                             kiwiQuoted(QLatin1String(mode.name)),
                             kiwiQuoted(broadcast.name),
                             kiwiQuoted(QString()),
                             kiwiQuoted(QString()),
                             kiwiQuoted(QStringLiteral("T0")),
                             QString::number(mode.low),
                             QString::number(mode.high),
                             QStringLiteral("0"),
                             kiwiQuoted(kiwiWeek(broadcast.times.days)),
                             hhmm(broadcast.times.start),
                             hhmm(broadcast.times.end),
                             QStringLiteral("0")};
    return fields.join(QLatin1Char(';')) + QLatin1Char('\n');
}

} // namespace

qint64 broadcastHz(const Broadcast& broadcast)
{
    return std::llround(broadcast.khz * 1000);
}

std::optional<Broadcast> broadcastFromFields(const QStringList& fields)
{
    const auto field = [&fields](int index) { return fields.value(index); };
    const double hz = tuningHz(field(0));
    if (hz <= 0)
        return std::nullopt;
    Broadcast broadcast;
    broadcast.khz = hz / 1000;
    broadcast.name = bookmarkName(field(4), broadcast.khz);
    broadcast.modeCode = field(8).trimmed();
    broadcast.times.end = allDayEnd;
    parseTimeRange(field(1), broadcast.times);
    broadcast.times.days = parseDays(field(2));
    return broadcast;
}

Broadcast broadcastFromRecord(const SeasonRecord& record)
{
    Broadcast broadcast;
    broadcast.khz = record.khz;
    broadcast.name = bookmarkName(record.field(StationField).toString(), record.khz);
    broadcast.modeCode = record.times.days.mode;
    broadcast.times = record.times;
    return broadcast;
}

BroadcastRows broadcastsFromRows(const QList<QStringList>& rows)
{
    BroadcastRows found;
    for (const QStringList& row : rows) {
        if (const std::optional<Broadcast> broadcast = broadcastFromFields(row))
            found.broadcasts.append(*broadcast);
        else
            ++found.leftOut;
    }
    return found;
}

QString leftOutRowsText(int leftOut)
{
    return (leftOut == 1 ? QStringLiteral("1 row") : QStringLiteral("%1 rows").arg(leftOut))
           + QStringLiteral(" left out: no valid frequency");
}

QStringList uniqueNames(const QStringList& names)
{
    // a name given in the list keeps it; only its repeats get a number
    const QSet<QString> given(names.begin(), names.end());
    QSet<QString> taken;
    QStringList unique;
    for (const QString& name : names) {
        QString candidate = name;
        for (int number = 2; taken.contains(candidate) || (candidate != name && given.contains(candidate)); ++number)
            candidate = QStringLiteral("%1 (%2)").arg(name).arg(number);
        taken.insert(candidate);
        unique.append(candidate);
    }
    return unique;
}

BookmarkExport gqrxBookmarks(const QList<Broadcast>& broadcasts)
{
    return mergeGqrxBookmarks(QByteArray(), broadcasts);
}

// {"bookmarks": {"KBS World": {"frequency": 9650000, "bandwidth": 10000, "mode": 2}}}
BookmarkExport sdrppBookmarks(const QList<Broadcast>& broadcasts)
{
    BookmarkExport result;
    QStringList names;
    for (const Broadcast& broadcast : broadcasts)
        names.append(broadcast.name);
    names = uniqueNames(names);
    QJsonObject bookmarks;
    for (int index = 0; index < broadcasts.size(); ++index) {
        const Broadcast& broadcast = broadcasts.at(index);
        const ProgramMode& mode = programMode(sdrppModes, broadcast.modeCode, result.asAm);
        bookmarks.insert(names.at(index), QJsonObject{{QStringLiteral("frequency"), double(broadcastHz(broadcast))},
                                                      {QStringLiteral("bandwidth"), double(mode.bandwidth())},
                                                      {QStringLiteral("mode"), mode.number}});
    }
    result.bytes = QJsonDocument(QJsonObject{{QStringLiteral("bookmarks"), bookmarks}}).toJson();
    result.written = int(broadcasts.size());
    return result;
}

BookmarkExport kiwiLabels(const QList<Broadcast>& broadcasts)
{
    BookmarkExport result;
    QString text = QStringLiteral("Freq kHz;\"Mode\";\"Ident\";\"Notes\";\"Extension\";\"Type\";PB low;PB high;"
                                  "Offset;\"DOW\";Begin;End;Sig bw\n");
    for (const Broadcast& broadcast : broadcasts)
        text += kiwiLine(broadcast, result.asAm);
    result.bytes = text.toUtf8();
    result.written = int(broadcasts.size());
    return result;
}

// [{"name": "KBS World", "frequency": 9650000, "modulation": "am"}]
BookmarkExport openWebRxBookmarks(const QList<Broadcast>& broadcasts)
{
    BookmarkExport result;
    QJsonArray bookmarks;
    for (const Broadcast& broadcast : broadcasts) {
        const ProgramMode& mode = programMode(openWebRxModes, broadcast.modeCode, result.asAm);
        bookmarks.append(QJsonObject{{QStringLiteral("name"), broadcast.name},
                                     {QStringLiteral("frequency"), broadcastHz(broadcast)},
                                     {QStringLiteral("modulation"), QLatin1String(mode.name)}});
    }
    result.bytes = QJsonDocument(bookmarks).toJson();
    result.written = int(broadcasts.size());
    return result;
}

const QList<SdrFormat>& sdrFormats()
{
    static const QString csv = QStringLiteral("CSV files (*.csv);;All files (*)");
    static const QString json = QStringLiteral("JSON files (*.json);;All files (*)");
    static const QList<SdrFormat> formats{
        {QStringLiteral("gqrx"), QStringLiteral("gqrx"), QStringLiteral("bookmarks.csv"), csv,
         QStringLiteral("Added to gqrx's own bookmarks (what is there stays, the file as it was is kept as .bak); "
                        "gqrx reads the file when it starts."),
         gqrxBookmarks, gqrxBookmarksPath, mergeIntoGqrxFile},
        {QStringLiteral("sdrpp"), QStringLiteral("SDR++"), QStringLiteral("sdrpp-bookmarks.json"), json,
         QStringLiteral("Load it with the Import button of SDR++'s frequency manager."), sdrppBookmarks},
        {QStringLiteral("kiwi"), QStringLiteral("KiwiSDR"), QStringLiteral("kiwisdr-dx-labels.csv"), csv,
         QStringLiteral("Load it on the KiwiSDR admin page: DX labels, import CSV."), kiwiLabels},
        {QStringLiteral("openwebrx"), QStringLiteral("OpenWebRX"), QStringLiteral("openwebrx-bookmarks.json"), json,
         QStringLiteral("Put it into the OpenWebRX server's bookmarks folder (/etc/openwebrx/bookmarks.d/) and "
                        "restart OpenWebRX."),
         openWebRxBookmarks},
    };
    return formats;
}

const SdrFormat* sdrFormat(const QString& key)
{
    for (const SdrFormat& format : sdrFormats()) {
        if (format.key == key)
            return &format;
    }
    return nullptr;
}
