// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "season/core/seasonrecord.h"

#include <QDateTime>
#include <QList>
#include <QString>

// The recording plan: what to record (entries), and what was recorded (takes). An entry is one
// broadcast, recorded once or every day it is on the air; each time it is recorded leaves a take.

enum class RecorderKind { Gqrx, Sound };

// "gqrx", "sound"; the kind a name gives, false when it names none
QString recorderName(RecorderKind kind);
bool recorderNamed(const QString& name, RecorderKind* kind);

struct RecordingEntry
{
    int id = 0;
    QString station;
    double khz = 0;
    QString mode;              // Hamlib's mode name ("AM"), empty: the receiver's mode is left
    bool repeating = false;    // every day it is on the air, else once
    QDateTime start;           // once: the broadcast's start and stop, UTC
    QDateTime stop;
    AirTimes times;            // every day: the broadcast's times and days,
    int startDate = noDate;    // its dates (month * 100 + day),
    int stopDate = noDate;
    QString season;            // and the season ("b26") after whose last day it ends
    int secondsBefore = 60;    // margins around the broadcast
    int secondsAfter = 60;
    RecorderKind recorder = RecorderKind::Gqrx;
    QString device;            // gqrx's host:port, or the sound input (empty: the default)
    QString rig;               // for the sound card: the rigctl server that tunes; empty: none
};

// The times of one recording of an entry: the broadcast's, and with the margins.
struct Occurrence
{
    int entryId = 0;
    QDateTime airStart;
    QDateTime airStop;
    QDateTime start;           // airStart less the margin before
    QDateTime stop;            // airStop plus the margin after
};

enum class TakeState { Recording, Done, Failed, CutShort };

QString takeStateName(TakeState state);

// One recording made, or being made, of an entry.
struct Take
{
    int entryId = 0;
    QString station;
    double khz = 0;
    RecorderKind recorder = RecorderKind::Gqrx;
    QString device;            // the entry's, for finishing what a killed program left
    QDateTime airStart;        // of the occurrence it records, which names it
    QDateTime start;           // planned, margins included
    QDateTime stop;
    QDateTime began;           // when the first sample was taken; invalid when none was
    QDateTime ended;
    TakeState state = TakeState::Recording;
    QString reason;            // why it failed or was cut short, or what went wrong on the way
    QString file;              // the recording's path, once known
};

struct RecordingPlan
{
    QList<RecordingEntry> entries;
    QList<Take> takes;

    const RecordingEntry* entry(int id) const;
    int nextId() const;
    bool hasTake(int entryId, const QDateTime& airStart) const;
};

// The entry's recordings whose time, margins included, meets [from, to).
QList<Occurrence> occurrences(const RecordingEntry& entry, const QDateTime& from, const QDateTime& to);

// What the timer does in (from, to]: recordings starting in it, and those stopping in it.
struct DueEvents
{
    QList<Occurrence> starting;
    QList<Occurrence> stopping;
};
DueEvents dueEvents(const RecordingPlan& plan, const QDateTime& from, const QDateTime& to);

// The next recording of the entry that has not started at the moment (of a repeating entry,
// within a week); airStart invalid if none.
Occurrence nextOccurrence(const RecordingEntry& entry, const QDateTime& moment);

// The planned entry whose recordings share a moment with the candidate's on the same receiver
// (the candidate's one recording, or those of its coming week); nullptr when none does.
const RecordingEntry* overlappingEntry(const RecordingPlan& plan, const RecordingEntry& candidate,
                                       const QDateTime& now);

// The station, or "9420 kHz" for an entry without one
QString recordingName(const RecordingEntry& entry);

// "2026-12-08_0200Z_9420kHz_Voice-of-Greece.wav": the broadcast's start, frequency and station
QString recordingFileName(const Occurrence& occurrence, double khz, const QString& station,
                          const QString& extension);

// Takes left in "recording" by a program that ended without finishing them are cut short.
// True when one was.
bool markUnfinishedTakes(RecordingPlan* plan);

// Entries past their last recording at the moment, and those recorded once, leave the plan
// (their takes stay).
void dropFinishedEntries(RecordingPlan* plan, const QDateTime& now);

// The plan as its store keeps it (JSON), and back; a text that is no plan gives an empty one
// and the reason.
QByteArray planBytes(const RecordingPlan& plan);
RecordingPlan planFromBytes(const QByteArray& bytes, QString* problem);
