// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/core/logfiles.h"

#include "geo/core/geoposition.h"
#include "radiolink/core/rigtuning.h"
#include "season/core/codenames.h"

#include <QHash>
#include <QStringDecoder>

#include <algorithm>
#include <cmath>

namespace {

struct AdifBand
{
    const char* name;
    double lowKhz;
    double highKhz;
};

// ADIF 3.1's band table up to 2 m
const AdifBand adifBands[] = {
    {"2190m", 135.7, 137.8}, {"630m", 472, 479},      {"560m", 501, 504},      {"160m", 1800, 2000},
    {"80m", 3500, 4000},     {"60m", 5060, 5450},     {"40m", 7000, 7300},     {"30m", 10100, 10150},
    {"20m", 14000, 14350},   {"17m", 18068, 18168},   {"15m", 21000, 21450},   {"12m", 24890, 24990},
    {"10m", 28000, 29700},   {"8m", 40000, 45000},    {"6m", 50000, 54000},    {"5m", 54000.001, 69900},
    {"4m", 70000, 71000},    {"2m", 144000, 148000},
};

// How each of Ledra's modes is written in ADIF's MODE and SUBMODE; others have no ADIF mode and
// go in APP_LEDRA_MODE only.
struct AdifMode
{
    const char* ledra;
    const char* mode;
    const char* submode;
};
const AdifMode adifModes[] = {
    {"AM", "AM", ""},  {"SAM", "AM", ""},   {"FM", "FM", ""},     {"WFM", "FM", ""},      {"USB", "SSB", "USB"},
    {"LSB", "SSB", "LSB"}, {"CW", "CW", ""}, {"CWR", "CW", ""}, {"RTTY", "RTTY", ""}, {"RTTYR", "RTTY", ""},
};

const AdifMode* adifModeOf(const QString& mode)
{
    for (const AdifMode& known : adifModes) {
        if (mode == QLatin1String(known.ledra))
            return &known;
    }
    return nullptr;
}

// the mode a reader that knows only MODE and SUBMODE takes from them
QString modeReadBack(const QString& mode, const QString& submode)
{
    if (mode == QLatin1String("SSB"))
        return submode;
    return mode;
}

QString mhzText(double khz)
{
    return decimalText(khz / 1000, 6);
}

double khzFromMhz(const QString& text, bool* read)
{
    return std::round(text.toDouble(read) * 1e6) / 1000;
}

QString adifDate(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("yyyyMMdd")) : QString();
}

QString adifTime(const QDateTime& utc)
{
    return utc.isValid() ? utc.toUTC().toString(QStringLiteral("HHmmss")) : QString();
}

QString singleLine(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    return text;
}

void appendField(QByteArray& out, const char* name, const QString& value)
{
    if (value.isEmpty())
        return;
    const QByteArray data = value.toUtf8();
    out += '<' + QByteArray(name) + ':' + QByteArray::number(data.size()) + '>' + data + ' ';
}

QByteArray adifRecord(const Reception& r, const CodeNames& names)
{
    QByteArray out;
    appendField(out, "SWL", QStringLiteral("Y"));
    appendField(out, "QSO_DATE", adifDate(r.start.date()));
    appendField(out, "TIME_ON", adifTime(r.start));
    if (r.end.isValid()) {
        appendField(out, "QSO_DATE_OFF", adifDate(r.end.toUTC().date()));
        appendField(out, "TIME_OFF", adifTime(r.end));
    }
    appendField(out, "FREQ", mhzText(r.khz));
    appendField(out, "BAND", adifBand(r.khz));
    const AdifMode* mode = adifModeOf(r.mode);
    if (mode) {
        appendField(out, "MODE", QLatin1String(mode->mode));
        appendField(out, "SUBMODE", QLatin1String(mode->submode));
    }
    appendField(out, "CALL", r.station);
    const QString country = names.country(r.country);
    appendField(out, "COUNTRY", country.isEmpty() ? r.country : country);
    appendField(out, "DISTANCE", r.km >= 0 ? QString::number(r.km) : QString());
    appendField(out, "MY_GRIDSQUARE", gridSquareOf(r.listener));
    appendField(out, "MY_RIG", singleLine(r.receiver));
    appendField(out, "MY_ANTENNA", singleLine(r.antenna));
    appendField(out, "QSL_SENT", r.qslSent.isValid() ? QStringLiteral("Y") : QStringLiteral("N"));
    appendField(out, "QSLSDATE", adifDate(r.qslSent));
    appendField(out, "QSL_RCVD", r.qslReceived.isValid() ? QStringLiteral("Y") : QStringLiteral("N"));
    appendField(out, "QSLRDATE", adifDate(r.qslReceived));
    appendField(out, "COMMENT", singleLine(r.notes));
    // COMMENT holds one line; the notes as written go in NOTES, ADIF's field of several
    if (singleLine(r.notes) != r.notes)
        appendField(out, "NOTES", r.notes);
    appendField(out, "APP_LEDRA_SINPO", r.sinpo);
    appendField(out, "APP_LEDRA_LANGUAGE", r.language);
    appendField(out, "APP_LEDRA_TARGET", r.target);
    appendField(out, "APP_LEDRA_SITE", r.site);
    appendField(out, "APP_LEDRA_ITU", r.country);
    if (!mode || modeReadBack(QLatin1String(mode->mode), QLatin1String(mode->submode)) != r.mode)
        appendField(out, "APP_LEDRA_MODE", r.mode);
    appendField(out, "APP_LEDRA_LISTENER", r.listener);
    appendField(out, "APP_LEDRA_BEARING", r.bearing >= 0 ? QString::number(r.bearing) : QString());
    appendField(out, "APP_LEDRA_PATH", r.path);
    appendField(out, "APP_LEDRA_QSL_VIA", r.qslSentHow);
    return out + "<EOR>\n";
}

QDate dateFromAdif(const QString& text)
{
    return QDate::fromString(text, QStringLiteral("yyyyMMdd"));
}

QTime timeFromAdif(const QString& text)
{
    return QTime::fromString(text, text.size() == 4 ? QStringLiteral("HHmm") : QStringLiteral("HHmmss"));
}

int numberOr(const QString& text, int fallback)
{
    bool read = false;
    const int number = text.toInt(&read);
    return read ? number : fallback;
}

// A record's fields, names in capitals.
using AdifFields = QHash<QString, QString>;

QString receptionFromAdif(const AdifFields& f, Reception& r)
{
    const char* const needed[] = {"QSO_DATE", "TIME_ON", "FREQ", "CALL"};
    for (const char* name : needed) {
        if (f.value(QLatin1String(name)).isEmpty())
            return QStringLiteral("no %1").arg(QLatin1String(name));
    }
    const QDate date = dateFromAdif(f.value(QStringLiteral("QSO_DATE")));
    const QTime time = timeFromAdif(f.value(QStringLiteral("TIME_ON")));
    if (!date.isValid() || !time.isValid())
        return QStringLiteral("no valid QSO_DATE and TIME_ON");
    r.start = QDateTime(date, time, Qt::UTC);
    bool read = false;
    r.khz = khzFromMhz(f.value(QStringLiteral("FREQ")), &read);
    if (!read || r.khz <= 0)
        return QStringLiteral("no valid FREQ");
    const QTime off = timeFromAdif(f.value(QStringLiteral("TIME_OFF")));
    if (off.isValid()) {
        const QDate offDate = dateFromAdif(f.value(QStringLiteral("QSO_DATE_OFF")));
        r.end = QDateTime(offDate.isValid() ? offDate : date, off, Qt::UTC);
    }
    r.mode = f.value(QStringLiteral("APP_LEDRA_MODE"),
                     modeReadBack(f.value(QStringLiteral("MODE")), f.value(QStringLiteral("SUBMODE"))));
    r.station = f.value(QStringLiteral("CALL"));
    r.country = f.value(QStringLiteral("APP_LEDRA_ITU"), f.value(QStringLiteral("COUNTRY")));
    r.km = numberOr(f.value(QStringLiteral("DISTANCE")), -1);
    r.listener = f.value(QStringLiteral("APP_LEDRA_LISTENER"), f.value(QStringLiteral("MY_GRIDSQUARE")));
    r.receiver = f.value(QStringLiteral("MY_RIG"));
    r.antenna = f.value(QStringLiteral("MY_ANTENNA"));
    r.qslSent = dateFromAdif(f.value(QStringLiteral("QSLSDATE")));
    r.qslReceived = dateFromAdif(f.value(QStringLiteral("QSLRDATE")));
    r.notes = f.value(QStringLiteral("NOTES"), f.value(QStringLiteral("COMMENT")));
    r.sinpo = f.value(QStringLiteral("APP_LEDRA_SINPO"));
    r.language = f.value(QStringLiteral("APP_LEDRA_LANGUAGE"));
    r.target = f.value(QStringLiteral("APP_LEDRA_TARGET"));
    r.site = f.value(QStringLiteral("APP_LEDRA_SITE"));
    r.bearing = numberOr(f.value(QStringLiteral("APP_LEDRA_BEARING")), -1);
    r.path = f.value(QStringLiteral("APP_LEDRA_PATH"));
    r.qslSentHow = f.value(QStringLiteral("APP_LEDRA_QSL_VIA"));
    return QString();
}

// CSV

const QStringList csvColumns = {
    QStringLiteral("start_utc"), QStringLiteral("end_utc"),  QStringLiteral("khz"),      QStringLiteral("mode"),
    QStringLiteral("station"),   QStringLiteral("language"), QStringLiteral("target"),   QStringLiteral("site"),
    QStringLiteral("country"),   QStringLiteral("listener"), QStringLiteral("km"),       QStringLiteral("bearing"),
    QStringLiteral("path"),      QStringLiteral("sinpo"),    QStringLiteral("receiver"), QStringLiteral("antenna"),
    QStringLiteral("notes"),     QStringLiteral("qsl_sent"), QStringLiteral("qsl_sent_how"),
    QStringLiteral("qsl_received")};

QString csvMoment(const QDateTime& utc)
{
    return utc.isValid() ? utc.toUTC().toString(Qt::ISODate) : QString();
}

QStringList csvValues(const Reception& r)
{
    return {csvMoment(r.start), csvMoment(r.end), QString::number(r.khz, 'g', 10),
            r.mode, r.station, r.language, r.target, r.site, r.country, r.listener,
            r.km >= 0 ? QString::number(r.km) : QString(), r.bearing >= 0 ? QString::number(r.bearing) : QString(),
            r.path, r.sinpo, r.receiver, r.antenna, r.notes, r.qslSent.toString(Qt::ISODate), r.qslSentHow,
            r.qslReceived.toString(Qt::ISODate)};
}

QString csvField(const QString& value)
{
    const bool quote = value.contains(QLatin1Char(',')) || value.contains(QLatin1Char('"'))
                       || value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r'))
                       || value.trimmed() != value;
    if (!quote)
        return value;
    QString doubled = value;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

// The rows of a CSV text, quoted fields holding commas, quotes and line breaks.
QList<QStringList> csvRows(const QString& text)
{
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    bool rowHasText = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                field.append(c);
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field.append(c);
            }
            continue;
        }
        if (c == QLatin1Char('"')) {
            quoted = true;
            rowHasText = true;
        } else if (c == QLatin1Char(',')) {
            row.append(field);
            field.clear();
            rowHasText = true;
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            if (rowHasText || !field.isEmpty()) {
                row.append(field);
                rows.append(row);
            }
            row.clear();
            field.clear();
            rowHasText = false;
        } else {
            field.append(c);
            rowHasText = true;
        }
    }
    if (rowHasText || !field.isEmpty()) {
        row.append(field);
        rows.append(row);
    }
    return rows;
}

QString receptionFromCsv(const QHash<QString, QString>& f, Reception& r)
{
    r.start = QDateTime::fromString(f.value(QStringLiteral("start_utc")), Qt::ISODate).toUTC();
    if (!r.start.isValid())
        return QStringLiteral("no valid start_utc");
    bool read = false;
    r.khz = f.value(QStringLiteral("khz")).toDouble(&read);
    if (!read || r.khz <= 0)
        return QStringLiteral("no valid khz");
    r.station = f.value(QStringLiteral("station"));
    if (r.station.isEmpty())
        return QStringLiteral("no station");
    r.end = QDateTime::fromString(f.value(QStringLiteral("end_utc")), Qt::ISODate).toUTC();
    r.mode = f.value(QStringLiteral("mode"));
    r.language = f.value(QStringLiteral("language"));
    r.target = f.value(QStringLiteral("target"));
    r.site = f.value(QStringLiteral("site"));
    r.country = f.value(QStringLiteral("country"));
    r.listener = f.value(QStringLiteral("listener"));
    r.km = numberOr(f.value(QStringLiteral("km")), -1);
    r.bearing = numberOr(f.value(QStringLiteral("bearing")), -1);
    r.path = f.value(QStringLiteral("path"));
    r.sinpo = f.value(QStringLiteral("sinpo"));
    r.receiver = f.value(QStringLiteral("receiver"));
    r.antenna = f.value(QStringLiteral("antenna"));
    r.notes = f.value(QStringLiteral("notes"));
    r.qslSent = QDate::fromString(f.value(QStringLiteral("qsl_sent")), Qt::ISODate);
    r.qslSentHow = f.value(QStringLiteral("qsl_sent_how"));
    r.qslReceived = QDate::fromString(f.value(QStringLiteral("qsl_received")), Qt::ISODate);
    return QString();
}

QString decodedText(QByteArray bytes)
{
    if (bytes.startsWith("\xef\xbb\xbf"))
        bytes.remove(0, 3);
    return QString::fromUtf8(bytes);
}

} // namespace

QString adifBand(double khz)
{
    for (const AdifBand& band : adifBands) {
        if (khz >= band.lowKhz && khz <= band.highKhz)
            return QLatin1String(band.name);
    }
    return QString();
}

QByteArray writeAdif(const QList<Reception>& receptions)
{
    QByteArray out = "Reception log written by Ledra\n";
    const CodeNames names;
    appendField(out, "ADIF_VER", QStringLiteral("3.1.0"));
    appendField(out, "PROGRAMID", QStringLiteral("LEDRA"));
    appendField(out, "PROGRAMVERSION", QStringLiteral(LEDRA_VERSION));
    out += "<EOH>\n";
    for (const Reception& reception : receptions)
        out += adifRecord(reception, names);
    return out;
}

LogFileReading readAdif(const QByteArray& bytes)
{
    LogFileReading reading;
    qsizetype at = 0;
    if (!bytes.startsWith('<')) {
        const qsizetype header = bytes.toUpper().indexOf("<EOH>");
        if (header < 0)
            return reading;
        at = header + 5;
    }
    reading.recognised = true;
    AdifFields fields;
    int record = 0;
    while (at < bytes.size()) {
        const qsizetype open = bytes.indexOf('<', at);
        if (open < 0)
            break;
        const qsizetype close = bytes.indexOf('>', open);
        if (close < 0)
            break;
        const QList<QByteArray> parts = bytes.mid(open + 1, close - open - 1).split(':');
        const QString name = QString::fromLatin1(parts.first()).trimmed().toUpper();
        at = close + 1;
        if (name == QLatin1String("EOR")) {
            Reception reception;
            const QString problem = receptionFromAdif(fields, reception);
            ++record;
            if (problem.isEmpty())
                reading.receptions.append(reception);
            else
                reading.problems.append(QStringLiteral("record %1: %2, left out").arg(record).arg(problem));
            fields.clear();
            continue;
        }
        bool read = false;
        const int length = parts.size() >= 2 ? parts.at(1).trimmed().toInt(&read) : 0;
        if (!read || length < 0 || at + length > bytes.size()) {
            reading.problems.append(QStringLiteral("record %1: field %2 runs past the end of the file, left out")
                                        .arg(record + 1).arg(name));
            return reading;
        }
        fields.insert(name, QString::fromUtf8(bytes.mid(at, length)));
        at += length;
    }
    if (!fields.isEmpty())
        reading.problems.append(QStringLiteral("record %1: no <EOR> at the end of the file, left out").arg(record + 1));
    return reading;
}

QByteArray writeLogCsv(const QList<Reception>& receptions)
{
    QString out = csvColumns.join(QLatin1Char(',')) + QLatin1Char('\n');
    for (const Reception& reception : receptions) {
        QStringList fields;
        for (const QString& value : csvValues(reception))
            fields.append(csvField(value));
        out += fields.join(QLatin1Char(',')) + QLatin1Char('\n');
    }
    return out.toUtf8();
}

LogFileReading readLogCsv(const QByteArray& bytes)
{
    LogFileReading reading;
    const QList<QStringList> rows = csvRows(decodedText(bytes));
    if (rows.isEmpty() || !rows.first().contains(QStringLiteral("start_utc"))
        || !rows.first().contains(QStringLiteral("khz")) || !rows.first().contains(QStringLiteral("station")))
        return reading;
    reading.recognised = true;
    const QStringList header = rows.first();
    for (int row = 1; row < rows.size(); ++row) {
        QHash<QString, QString> fields;
        for (int column = 0; column < header.size() && column < rows.at(row).size(); ++column)
            fields.insert(header.at(column), rows.at(row).at(column));
        Reception reception;
        const QString problem = receptionFromCsv(fields, reception);
        if (problem.isEmpty())
            reading.receptions.append(reception);
        else
            reading.problems.append(QStringLiteral("line %1: %2, left out").arg(row + 1).arg(problem));
    }
    return reading;
}

QString gridSquareOf(const QString& location)
{
    const std::optional<GeoPosition> position = readLocation(location).position;
    if (!position || location.trimmed().isEmpty())
        return QString();
    const double longitude = std::clamp(position->longitude + 180, 0.0, 359.99999);
    const double latitude = std::clamp(position->latitude + 90, 0.0, 179.99999);
    QString square;
    square += QLatin1Char(char('A' + int(longitude / 20)));
    square += QLatin1Char(char('A' + int(latitude / 10)));
    square += QLatin1Char(char('0' + int(std::fmod(longitude, 20) / 2)));
    square += QLatin1Char(char('0' + int(std::fmod(latitude, 10))));
    square += QLatin1Char(char('a' + int(std::fmod(longitude, 2) * 12)));
    square += QLatin1Char(char('a' + int(std::fmod(latitude, 1) * 24)));
    return square;
}

QString receptionLine(const Reception& r)
{
    QStringList parts = {logMomentText(r.start) + QStringLiteral(" UTC"),
                         QString::number(r.khz, 'g', 10) + QStringLiteral(" kHz")};
    const QStringList optional = {r.mode, r.station, r.language, r.target,
                                  r.sinpo.isEmpty() ? QString() : QStringLiteral("SINPO ") + r.sinpo, r.notes};
    for (const QString& part : optional) {
        if (!part.isEmpty())
            parts.append(singleLine(part));
    }
    return parts.join(QStringLiteral("  "));
}
