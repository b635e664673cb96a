// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordings/core/recordingplan.h"

#include "radiolink/core/rigtuning.h"
#include "season/core/onair.h"
#include "season/core/seasoncode.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <iterator>

namespace {

const int dayMinutes = 24 * 60;
// how far ahead the plan looks for a repeating entry's recordings
const int weekDays = 8;
const int yearDays = 370;

int airMinutes(const AirTimes& times)
{
    if (times.end > times.start)
        return times.end - times.start;
    if (times.end < times.start)
        return times.end + dayMinutes - times.start;
    return dayMinutes;
}

Occurrence occurrenceOf(const RecordingEntry& entry, const QDateTime& airStart, const QDateTime& airStop)
{
    return {entry.id, airStart, airStop, airStart.addSecs(-entry.secondsBefore), airStop.addSecs(entry.secondsAfter)};
}

bool meets(const Occurrence& occurrence, const QDateTime& from, const QDateTime& to)
{
    return occurrence.start < to && occurrence.stop > from;
}

// the rules of the season file's own record decide on which days the broadcast starts
SeasonRecord broadcastRule(const RecordingEntry& entry)
{
    SeasonRecord record;
    record.times = entry.times;
    record.startDate = entry.startDate;
    record.stopDate = entry.stopDate;
    return record;
}

QList<Occurrence> repeatedOccurrences(const RecordingEntry& entry, const QDateTime& from, const QDateTime& to)
{
    QList<Occurrence> found;
    const SeasonRecord rule = broadcastRule(entry);
    const int seconds = airMinutes(entry.times) * 60;
    // a broadcast that started up to a day before (and its margin) may still be on
    const QDate first = from.addSecs(-entry.secondsAfter).date().addDays(-1);
    const QDate last = to.addSecs(entry.secondsBefore).date();
    for (QDate day = first; day <= last; day = day.addDays(1)) {
        const QDateTime airStart(day, QTime(entry.times.start / 60, entry.times.start % 60), Qt::UTC);
        if (!entry.season.isEmpty() && seasonCodeAt(airStart) != entry.season)
            continue;
        if (!onAir(rule, airStart))
            continue;
        const Occurrence occurrence = occurrenceOf(entry, airStart, airStart.addSecs(seconds));
        if (meets(occurrence, from, to))
            found.append(occurrence);
    }
    return found;
}

bool overlap(const Occurrence& one, const Occurrence& other)
{
    return one.start < other.stop && other.start < one.stop;
}

bool sameReceiver(const RecordingEntry& one, const RecordingEntry& other)
{
    return one.recorder == other.recorder && one.device.trimmed() == other.device.trimmed();
}

QString fileStationPart(const QString& station)
{
    QString part;
    for (const QChar c : station.trimmed()) {
        if (c.isLetterOrNumber() || c == QLatin1Char('.'))
            part.append(c);
        else if (!part.endsWith(QLatin1Char('-')))
            part.append(QLatin1Char('-'));
    }
    while (part.endsWith(QLatin1Char('-')) || part.endsWith(QLatin1Char('.')))
        part.chop(1);
    while (part.startsWith(QLatin1Char('-')) || part.startsWith(QLatin1Char('.')))
        part.remove(0, 1);
    return part.isEmpty() ? QStringLiteral("recording") : part;
}

// --- the store's JSON

QString momentText(const QDateTime& moment)
{
    return moment.isValid() ? moment.toUTC().toString(Qt::ISODateWithMs) : QString();
}

QDateTime momentOf(const QJsonValue& value)
{
    QDateTime moment = QDateTime::fromString(value.toString(), Qt::ISODateWithMs);
    return moment.isValid() ? moment.toUTC() : QDateTime();
}

const char* const stateNames[] = {"recording", "done", "failed", "cut short"};

QJsonObject entryObject(const RecordingEntry& entry)
{
    QJsonObject object{{"id", entry.id},
                       {"station", entry.station},
                       {"khz", entry.khz},
                       {"mode", entry.mode},
                       {"recorder", recorderName(entry.recorder)},
                       {"device", entry.device},
                       {"rig", entry.rig},
                       {"secondsBefore", entry.secondsBefore},
                       {"secondsAfter", entry.secondsAfter}};
    if (!entry.repeating) {
        object.insert("start", momentText(entry.start));
        object.insert("stop", momentText(entry.stop));
        return object;
    }
    QJsonArray dates;
    for (int date : entry.times.days.dates)
        dates.append(date);
    object.insert("every", QJsonObject{{"startMinute", entry.times.start},
                                       {"endMinute", entry.times.end},
                                       {"weekdays", int(entry.times.days.weekdays)},
                                       {"dates", dates},
                                       {"irregular", entry.times.days.irregular},
                                       {"startDate", entry.startDate},
                                       {"stopDate", entry.stopDate},
                                       {"season", entry.season}});
    return object;
}

RecordingEntry entryFrom(const QJsonObject& object)
{
    RecordingEntry entry;
    entry.id = object.value("id").toInt();
    entry.station = object.value("station").toString();
    entry.khz = object.value("khz").toDouble();
    entry.mode = object.value("mode").toString();
    recorderNamed(object.value("recorder").toString(), &entry.recorder);
    entry.device = object.value("device").toString();
    entry.rig = object.value("rig").toString();
    entry.secondsBefore = object.value("secondsBefore").toInt(60);
    entry.secondsAfter = object.value("secondsAfter").toInt(60);
    const QJsonObject every = object.value("every").toObject();
    entry.repeating = !every.isEmpty();
    if (!entry.repeating) {
        entry.start = momentOf(object.value("start"));
        entry.stop = momentOf(object.value("stop"));
        return entry;
    }
    entry.times.start = every.value("startMinute").toInt();
    entry.times.end = every.value("endMinute").toInt();
    entry.times.days.weekdays = quint8(every.value("weekdays").toInt());
    for (const QJsonValue& date : every.value("dates").toArray())
        entry.times.days.dates.append(date.toInt());
    entry.times.days.irregular = every.value("irregular").toBool();
    entry.startDate = every.value("startDate").toInt(noDate);
    entry.stopDate = every.value("stopDate").toInt(noDate);
    entry.season = every.value("season").toString();
    return entry;
}

QJsonObject takeObject(const Take& take)
{
    return {{"entry", take.entryId},
            {"station", take.station},
            {"khz", take.khz},
            {"recorder", recorderName(take.recorder)},
            {"device", take.device},
            {"airStart", momentText(take.airStart)},
            {"start", momentText(take.start)},
            {"stop", momentText(take.stop)},
            {"began", momentText(take.began)},
            {"ended", momentText(take.ended)},
            {"state", takeStateName(take.state)},
            {"reason", take.reason},
            {"file", take.file}};
}

Take takeFrom(const QJsonObject& object)
{
    Take take;
    take.entryId = object.value("entry").toInt();
    take.station = object.value("station").toString();
    take.khz = object.value("khz").toDouble();
    recorderNamed(object.value("recorder").toString(), &take.recorder);
    take.device = object.value("device").toString();
    take.airStart = momentOf(object.value("airStart"));
    take.start = momentOf(object.value("start"));
    take.stop = momentOf(object.value("stop"));
    take.began = momentOf(object.value("began"));
    take.ended = momentOf(object.value("ended"));
    const QString state = object.value("state").toString();
    take.state = TakeState::CutShort;
    for (size_t i = 0; i < std::size(stateNames); ++i) {
        if (state == QLatin1String(stateNames[i]))
            take.state = TakeState(i);
    }
    take.reason = object.value("reason").toString();
    take.file = object.value("file").toString();
    return take;
}

} // namespace

QString recorderName(RecorderKind kind)
{
    return kind == RecorderKind::Gqrx ? QStringLiteral("gqrx") : QStringLiteral("sound");
}

bool recorderNamed(const QString& name, RecorderKind* kind)
{
    if (name == QLatin1String("gqrx"))
        *kind = RecorderKind::Gqrx;
    else if (name == QLatin1String("sound"))
        *kind = RecorderKind::Sound;
    else
        return false;
    return true;
}

QString takeStateName(TakeState state)
{
    return QLatin1String(stateNames[int(state)]);
}

const RecordingEntry* RecordingPlan::entry(int id) const
{
    for (const RecordingEntry& entry : entries) {
        if (entry.id == id)
            return &entry;
    }
    return nullptr;
}

int RecordingPlan::nextId() const
{
    int id = 0;
    for (const RecordingEntry& entry : entries)
        id = std::max(id, entry.id);
    for (const Take& take : takes)
        id = std::max(id, take.entryId);
    return id + 1;
}

bool RecordingPlan::hasTake(int entryId, const QDateTime& airStart) const
{
    return std::any_of(takes.cbegin(), takes.cend(), [&](const Take& take) {
        return take.entryId == entryId && take.airStart == airStart;
    });
}

QList<Occurrence> occurrences(const RecordingEntry& entry, const QDateTime& from, const QDateTime& to)
{
    if (entry.repeating)
        return repeatedOccurrences(entry, from, to);
    const Occurrence once = occurrenceOf(entry, entry.start, entry.stop);
    if (!entry.start.isValid() || !meets(once, from, to))
        return {};
    return {once};
}

DueEvents dueEvents(const RecordingPlan& plan, const QDateTime& from, const QDateTime& to)
{
    DueEvents due;
    const QDateTime after = to.addMSecs(1);
    for (const RecordingEntry& entry : plan.entries) {
        for (const Occurrence& occurrence : occurrences(entry, from, after)) {
            if (occurrence.start > from && occurrence.start <= to)
                due.starting.append(occurrence);
            if (occurrence.stop > from && occurrence.stop <= to)
                due.stopping.append(occurrence);
        }
    }
    return due;
}

Occurrence nextOccurrence(const RecordingEntry& entry, const QDateTime& moment)
{
    if (!entry.repeating) {
        const Occurrence once = occurrenceOf(entry, entry.start, entry.stop);
        return entry.start.isValid() && once.start >= moment ? once : Occurrence();
    }
    for (const Occurrence& occurrence : occurrences(entry, moment, moment.addDays(weekDays))) {
        if (occurrence.start >= moment)
            return occurrence;
    }
    return {};
}

const RecordingEntry* overlappingEntry(const RecordingPlan& plan, const RecordingEntry& candidate,
                                       const QDateTime& now)
{
    // a recording made once may lie further ahead than a week
    const QDateTime from = candidate.repeating ? now : std::min(now, candidate.start.addSecs(-candidate.secondsBefore));
    const QDateTime until = candidate.repeating ? now.addDays(weekDays) : candidate.stop.addSecs(candidate.secondsAfter);
    const QList<Occurrence> wanted = occurrences(candidate, from, until);
    for (const RecordingEntry& other : plan.entries) {
        if (other.id == candidate.id || !sameReceiver(other, candidate))
            continue;
        for (const Occurrence& planned : occurrences(other, from, until)) {
            if (std::any_of(wanted.cbegin(), wanted.cend(), [&](const Occurrence& one) { return overlap(one, planned); }))
                return &other;
        }
    }
    return nullptr;
}

QString recordingName(const RecordingEntry& entry)
{
    return entry.station.isEmpty() ? khzText(entry.khz * 1000) + QStringLiteral(" kHz") : entry.station;
}

QString recordingFileName(const Occurrence& occurrence, double khz, const QString& station, const QString& extension)
{
    return QStringLiteral("%1_%2kHz_%3.%4")
        .arg(occurrence.airStart.toUTC().toString(QStringLiteral("yyyy-MM-dd_HHmm'Z'")), khzText(khz * 1000),
             fileStationPart(station), extension);
}

bool markUnfinishedTakes(RecordingPlan* plan)
{
    bool marked = false;
    for (Take& take : plan->takes) {
        if (take.state == TakeState::Recording) {
            take.state = TakeState::CutShort;
            take.reason = QStringLiteral("the recorder ended during the recording");
            marked = true;
        }
    }
    return marked;
}

void dropFinishedEntries(RecordingPlan* plan, const QDateTime& now)
{
    plan->entries.erase(std::remove_if(plan->entries.begin(), plan->entries.end(),
                                       [&](const RecordingEntry& entry) {
                                           if (!entry.repeating)
                                               return entry.stop.addSecs(entry.secondsAfter) <= now
                                                      || plan->hasTake(entry.id, entry.start);
                                           return occurrences(entry, now, now.addDays(yearDays)).isEmpty();
                                       }),
                        plan->entries.end());
}

QByteArray planBytes(const RecordingPlan& plan)
{
    QJsonArray entries;
    for (const RecordingEntry& entry : plan.entries)
        entries.append(entryObject(entry));
    QJsonArray takes;
    for (const Take& take : plan.takes)
        takes.append(takeObject(take));
    const QJsonObject root{{"entries", entries}, {"takes", takes}};
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

RecordingPlan planFromBytes(const QByteArray& bytes, QString* problem)
{
    RecordingPlan plan;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (!document.isObject()) {
        *problem = error.error != QJsonParseError::NoError ? error.errorString() : QStringLiteral("not a plan");
        return plan;
    }
    const QJsonObject root = document.object();
    for (const QJsonValue& entry : root.value("entries").toArray())
        plan.entries.append(entryFrom(entry.toObject()));
    for (const QJsonValue& take : root.value("takes").toArray())
        plan.takes.append(takeFrom(take.toObject()));
    return plan;
}
