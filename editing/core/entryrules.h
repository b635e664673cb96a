// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The outcome of checking the three edit boxes before an entry is added.
struct EntryCheck
{
    // the text of the "error" box for the first fault, or empty when the entry passes
    QString problem;
    // the time range as it is stored: "24" and "24h" become "0000-2359"; empty stays empty
    QString time;
};

// Checks frequency, label and time range, in that order, and stops at the first fault.
EntryCheck checkEntry(const QString& frequency, const QString& label, const QString& time);

// True for exactly four ASCII digits.
bool isFourDigits(const QString& text);

// The Tx Site cell: the site code, with "/" + Foreign code + "-" in front when a Foreign
// country is chosen; empty when no site is chosen.
QString txSiteText(bool foreignChosen, const QString& foreignCode, const QString& siteCode);

// The row the frequency box brings into view for a frequency, given the frequency column's
// numbers (noFrequency for a cell without one): a few rows past the match or the insertion
// point; -1 when no row's frequency is at or above it.
int frequencyTargetRow(const QList<qint64>& frequencies, qint64 frequency);
