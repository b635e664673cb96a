// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

// One broadcast heard, as the reception log keeps it.
struct Reception
{
    qint64 id = 0;             // the log's row; 0 until the reception is stored
    QDateTime start;           // UTC
    QDateTime end;             // UTC; invalid when not given
    double khz = 0;
    QString mode;              // "AM", "SAM", "USB", ...
    QString station;
    QString language;          // the season file's language code(s)
    QString target;
    QString site;
    QString country;           // ITU code
    QString listener;          // the location as the listener typed it; empty when none was set
    int km = -1;               // the path at that moment, -1 where unknown
    int bearing = -1;
    QString path;              // "day", "night" or "mixed"
    QString sinpo;             // five digits 1-5, or an SIO of three
    QString receiver;
    QString antenna;
    QString notes;
    QDate qslSent;             // the reception report sent; invalid when not
    QString qslSentHow;        // "e-mail", "letter", ...
    QDate qslReceived;         // the card received

    // receptions already in a log are the same when these agree
    bool sameBroadcastHeard(const Reception& other) const;
};

// A SINPO or SIO code as typed: the digits, or why they are refused.
struct SignalReport
{
    QString code;              // "34433" or "343"; empty when refused or not given
    QString refusal;
};

// Five digits 1 to 5 (signal, interference, noise, propagation, overall), or three for SIO;
// spaces around and between the digits are dropped. An empty text is no report, and no refusal.
SignalReport readSignalReport(QStringView text);

// "2026-11-02 02:05" from a UTC moment, as the log shows and takes it
QString logMomentText(const QDateTime& utc);
QDateTime logMomentFrom(QStringView text);
