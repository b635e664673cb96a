// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/core/receptionlog.h"

#include "app/core/settingsstore.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <QVariant>

#include <atomic>

const char* const remindKey = "remind";
const char* const reminderLeadKey = "reminderLead";
const char* const lastReceiverKey = "lastReceiver";
const char* const lastAntennaKey = "lastAntenna";

namespace {

// Each step brings the schema from the version before it to its own (step 0 makes version 1).
const QList<QStringList> schemaSteps = {
    {QStringLiteral("CREATE TABLE receptions ("
                    "id INTEGER PRIMARY KEY, start_utc TEXT NOT NULL, end_utc TEXT, khz REAL NOT NULL, "
                    "mode TEXT, station TEXT NOT NULL, language TEXT, target TEXT, site TEXT, country TEXT, "
                    "listener TEXT, km INTEGER, bearing INTEGER, path TEXT, sinpo TEXT, receiver TEXT, "
                    "antenna TEXT, notes TEXT, qsl_sent TEXT, qsl_sent_how TEXT, qsl_received TEXT)"),
     QStringLiteral("CREATE INDEX receptions_heard ON receptions (start_utc, khz, station)")},
    {QStringLiteral("CREATE TABLE favourites (station TEXT NOT NULL, khz REAL NOT NULL, "
                    "PRIMARY KEY (station, khz))"),
     QStringLiteral("CREATE TABLE settings (key TEXT PRIMARY KEY, value TEXT NOT NULL)")},
};

const QString columns = QStringLiteral(
    "start_utc, end_utc, khz, mode, station, language, target, site, country, listener, km, bearing, "
    "path, sinpo, receiver, antenna, notes, qsl_sent, qsl_sent_how, qsl_received");

// A writer that finds the log locked waits this long for the other process's transaction.
const int busyTimeoutMs = 10000;

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QVariant momentValue(const QDateTime& utc)
{
    return utc.isValid() ? QVariant(utc.toUTC().toString(Qt::ISODate)) : QVariant();
}

QVariant dateValue(const QDate& date)
{
    return date.isValid() ? QVariant(date.toString(Qt::ISODate)) : QVariant();
}

QVariant numberValue(int number)
{
    return number >= 0 ? QVariant(number) : QVariant();
}

void bindReception(QSqlQuery& query, const Reception& r)
{
    const QVariantList values = {momentValue(r.start), momentValue(r.end), r.khz, r.mode, r.station,
                                 r.language, r.target, r.site, r.country, r.listener, numberValue(r.km),
                                 numberValue(r.bearing), r.path, r.sinpo, r.receiver, r.antenna, r.notes,
                                 dateValue(r.qslSent), r.qslSentHow, dateValue(r.qslReceived)};
    for (const QVariant& value : values)
        query.addBindValue(value);
}

Reception receptionAt(const QSqlQuery& query)
{
    Reception r;
    r.id = query.value(0).toLongLong();
    r.start = QDateTime::fromString(query.value(1).toString(), Qt::ISODate).toUTC();
    r.end = QDateTime::fromString(query.value(2).toString(), Qt::ISODate).toUTC();
    r.khz = query.value(3).toDouble();
    r.mode = query.value(4).toString();
    r.station = query.value(5).toString();
    r.language = query.value(6).toString();
    r.target = query.value(7).toString();
    r.site = query.value(8).toString();
    r.country = query.value(9).toString();
    r.listener = query.value(10).toString();
    r.km = query.value(11).isNull() ? -1 : query.value(11).toInt();
    r.bearing = query.value(12).isNull() ? -1 : query.value(12).toInt();
    r.path = query.value(13).toString();
    r.sinpo = query.value(14).toString();
    r.receiver = query.value(15).toString();
    r.antenna = query.value(16).toString();
    r.notes = query.value(17).toString();
    r.qslSent = QDate::fromString(query.value(18).toString(), Qt::ISODate);
    r.qslSentHow = query.value(19).toString();
    r.qslReceived = QDate::fromString(query.value(20).toString(), Qt::ISODate);
    return r;
}

bool isSqliteFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(16) == QByteArray("SQLite format 3\0", 16);
}

QString nextConnectionName()
{
    static std::atomic<int> count{0};
    return QStringLiteral("ledra-log-%1").arg(++count);
}

} // namespace

const int ReceptionLog::schemaVersion = int(schemaSteps.size());

QString ReceptionLog::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/Morvath/Ledra/log.sqlite");
}

ReceptionLog::ReceptionLog(const QString& path)
    : file(path), connection(nextConnectionName())
{
    open = openFile();
    if (!open && QSqlDatabase::contains(connection)) {
        QSqlDatabase::database(connection, false).close();
        QSqlDatabase::removeDatabase(connection);
    }
}

ReceptionLog::~ReceptionLog()
{
    if (!QSqlDatabase::contains(connection))
        return;
    QSqlDatabase::database(connection, false).close();
    QSqlDatabase::removeDatabase(connection);
}

bool ReceptionLog::fail(const QString& what, const QString& reason)
{
    lastProblem = QStringLiteral("%1 %2: %3").arg(what, quoted(file), reason);
    return false;
}

bool ReceptionLog::openFile()
{
    const QString kind = notRegularFileKind(file);
    if (!kind.isEmpty())
        return fail(QStringLiteral("Cannot open the reception log"),
                    QStringLiteral("%1, not a file; it is left as it is").arg(kind));
    const QFileInfo info(file);
    if (info.exists() && info.size() > 0 && !isSqliteFile(file))
        return fail(QStringLiteral("Cannot open the reception log"),
                    QStringLiteral("this is no SQLite database; it is left as it is"));
    if (!QDir().mkpath(info.absolutePath()))
        return fail(QStringLiteral("Cannot open the reception log"),
                    QStringLiteral("its folder cannot be made"));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(file);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (!db.open())
        return fail(QStringLiteral("Cannot open the reception log"), db.lastError().text());
    QSqlQuery version(db);
    if (!version.exec(QStringLiteral("PRAGMA user_version")) || !version.next())
        return fail(QStringLiteral("Cannot open the reception log"), version.lastError().text());
    const int found = version.value(0).toInt();
    version.finish();
    if (found > schemaVersion)
        return fail(QStringLiteral("Cannot open the reception log"),
                    QStringLiteral("it was written by a newer Ledra (schema version %1; this one knows up to %2); "
                                   "it is left as it is").arg(found).arg(schemaVersion));
    QSqlQuery wal(db);
    // SQLite does not wait on its busy timeout for this switch: another process that opens a
    // new log at the same moment makes it fail at once, so it is tried again within that time
    QDeadlineTimer patience(busyTimeoutMs);
    for (;;) {
        if (wal.exec(QStringLiteral("PRAGMA journal_mode=WAL")) && wal.next()
            && wal.value(0).toString().compare(QStringLiteral("wal"), Qt::CaseInsensitive) == 0)
            break;
        if (patience.hasExpired())
            return fail(QStringLiteral("Cannot open the reception log"),
                        QStringLiteral("it cannot be put in WAL mode (%1)").arg(wal.lastError().text()));
        wal.finish();
        QThread::msleep(20);
    }
    wal.finish();
    return migrate();
}

// One step a transaction; the version is read inside it, so that two processes opening a new
// log at once do not both make its tables.
bool ReceptionLog::migrate()
{
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    for (;;) {
        int version = 0;
        bool done = false;
        const bool stepped = inTransaction([&] {
            QSqlQuery query(db);
            if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
                return false;
            version = query.value(0).toInt();
            query.finish();
            if (version >= schemaVersion) {
                done = true;
                return true;
            }
            for (const QString& statement : schemaSteps.at(version)) {
                if (!query.exec(statement))
                    return false;
            }
            return query.exec(QStringLiteral("PRAGMA user_version = %1").arg(version + 1));
        });
        if (!stepped)
            return fail(QStringLiteral("Cannot open the reception log"),
                        QStringLiteral("its schema cannot be brought to version %1 (%2)").arg(version + 1).arg(lastProblem));
        if (done)
            return true;
    }
}

// BEGIN IMMEDIATE takes the write lock at once (waiting up to the busy timeout), so a
// transaction never has to turn from reading to writing, which SQLite refuses while another
// process writes.
bool ReceptionLog::inTransaction(const std::function<bool()>& change)
{
    QSqlDatabase db = QSqlDatabase::database(connection, false);
    QSqlQuery control(db);
    if (!control.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        lastProblem = control.lastError().text();
        return false;
    }
    if (change()) {
        if (control.exec(QStringLiteral("COMMIT"))) {
            lastProblem.clear();
            return true;
        }
    }
    lastProblem = db.lastError().text();
    if (lastProblem.isEmpty())
        lastProblem = control.lastError().text();
    control.exec(QStringLiteral("ROLLBACK"));
    return false;
}

QList<Reception> ReceptionLog::receptions()
{
    QList<Reception> all;
    if (!open)
        return all;
    QSqlQuery query(QSqlDatabase::database(connection, false));
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, %1 FROM receptions ORDER BY start_utc, id").arg(columns))) {
        fail(QStringLiteral("Cannot read the reception log"), query.lastError().text());
        return all;
    }
    while (query.next())
        all.append(receptionAt(query));
    return all;
}

namespace {

// with the reception's id when it has one (an entry put back by Undo)
bool insertReception(QSqlQuery& query, const Reception& reception)
{
    const bool withId = reception.id > 0;
    query.prepare(QStringLiteral("INSERT INTO receptions (%1%2) VALUES (?%3)")
                      .arg(withId ? QStringLiteral("id, ") : QString(), columns,
                           QStringLiteral(", ?").repeated(withId ? 20 : 19)));
    if (withId)
        query.addBindValue(reception.id);
    bindReception(query, reception);
    return query.exec();
}

bool alreadyLogged(QSqlQuery& query, const Reception& reception)
{
    query.prepare(QStringLiteral("SELECT 1 FROM receptions WHERE start_utc = ? AND abs(khz - ?) < 0.0005 "
                                 "AND station = ?"));
    query.addBindValue(momentValue(reception.start));
    query.addBindValue(reception.khz);
    query.addBindValue(reception.station);
    return query.exec() && query.next();
}

} // namespace

qint64 ReceptionLog::add(const Reception& reception)
{
    if (!open)
        return 0;
    qint64 id = 0;
    QSqlQuery query(QSqlDatabase::database(connection, false));
    const bool added = inTransaction([&] {
        if (!insertReception(query, reception))
            return false;
        id = query.lastInsertId().toLongLong();
        return true;
    });
    if (!added)
        fail(QStringLiteral("Cannot add to the reception log"), lastProblem);
    return added ? id : 0;
}

bool ReceptionLog::update(const Reception& reception)
{
    if (!open)
        return false;
    QSqlQuery query(QSqlDatabase::database(connection, false));
    const bool updated = inTransaction([&] {
        QString assignments = columns;
        assignments.replace(QStringLiteral(","), QStringLiteral(" = ?,")).append(QStringLiteral(" = ?"));
        query.prepare(QStringLiteral("UPDATE receptions SET %1 WHERE id = ?").arg(assignments));
        bindReception(query, reception);
        query.addBindValue(reception.id);
        return query.exec() && query.numRowsAffected() == 1;
    });
    return updated || fail(QStringLiteral("Cannot change the reception log"), lastProblem);
}

bool ReceptionLog::remove(qint64 id)
{
    if (!open)
        return false;
    QSqlQuery query(QSqlDatabase::database(connection, false));
    const bool removed = inTransaction([&] {
        query.prepare(QStringLiteral("DELETE FROM receptions WHERE id = ?"));
        query.addBindValue(id);
        return query.exec();
    });
    return removed || fail(QStringLiteral("Cannot delete from the reception log"), lastProblem);
}

ImportCounts ReceptionLog::import(const QList<Reception>& receptions)
{
    ImportCounts counts;
    if (!open)
        return counts;
    QSqlQuery query(QSqlDatabase::database(connection, false));
    const bool imported = inTransaction([&] {
        for (const Reception& reception : receptions) {
            if (alreadyLogged(query, reception)) {
                ++counts.skipped;
                continue;
            }
            Reception imported = reception;
            imported.id = 0;
            if (!insertReception(query, imported))
                return false;
            ++counts.added;
        }
        return true;
    });
    if (!imported) {
        fail(QStringLiteral("Cannot import into the reception log"), lastProblem);
        return {};
    }
    return counts;
}

QList<Favourite> ReceptionLog::favourites()
{
    QList<Favourite> all;
    if (!open)
        return all;
    QSqlQuery query(QSqlDatabase::database(connection, false));
    if (!query.exec(QStringLiteral("SELECT station, khz FROM favourites ORDER BY khz, station")))
        return all;
    while (query.next())
        all.append({query.value(0).toString(), query.value(1).toDouble()});
    return all;
}

bool ReceptionLog::isFavourite(const QString& station, double khz)
{
    for (const Favourite& favourite : favourites()) {
        if (favourite.station == station && qAbs(favourite.khz - khz) < 0.0005)
            return true;
    }
    return false;
}

bool ReceptionLog::setFavourite(const Favourite& favourite, bool starred)
{
    if (!open)
        return false;
    QSqlQuery query(QSqlDatabase::database(connection, false));
    const bool changed = inTransaction([&] {
        query.prepare(starred ? QStringLiteral("INSERT OR IGNORE INTO favourites (station, khz) VALUES (?, ?)")
                              : QStringLiteral("DELETE FROM favourites WHERE station = ? AND abs(khz - ?) < 0.0005"));
        query.addBindValue(favourite.station);
        query.addBindValue(favourite.khz);
        return query.exec();
    });
    return changed || fail(QStringLiteral("Cannot change the favourites of"), lastProblem);
}

QString ReceptionLog::setting(const QString& key, const QString& fallback)
{
    if (!open)
        return fallback;
    QSqlQuery query(QSqlDatabase::database(connection, false));
    query.prepare(QStringLiteral("SELECT value FROM settings WHERE key = ?"));
    query.addBindValue(key);
    return query.exec() && query.next() ? query.value(0).toString() : fallback;
}

bool ReceptionLog::setSetting(const QString& key, const QString& value)
{
    if (!open)
        return false;
    QSqlQuery query(QSqlDatabase::database(connection, false));
    const bool changed = inTransaction([&] {
        query.prepare(QStringLiteral("INSERT OR REPLACE INTO settings (key, value) VALUES (?, ?)"));
        query.addBindValue(key);
        query.addBindValue(value);
        return query.exec();
    });
    return changed || fail(QStringLiteral("Cannot keep a setting in"), lastProblem);
}
