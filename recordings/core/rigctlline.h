// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "radiolink/core/rigctl.h"
#include "recordings/core/recordingplan.h"

#include <QStringList>
#include <QTcpSocket>

#include <memory>

// A rigctl connection for the recorder, which waits for each answer before the next command
// (gqrx drops commands sent in a burst) and keeps the exchange as it went on the wire.
class RigctlLine
{
public:
    explicit RigctlLine(const QString& address);

    QString address() const { return where; }
    // empty when connected, else why not
    QString open();
    bool isOpen() const;
    // sends the line and waits for its answer; empty when one came, else why not
    QString ask(const RigctlCommand& command, RigctlAnswer* answer);

    QStringList wire; // "> u ?", "< RECORD DSP RDS", ...

private:
    QString where;
    RigctlAddress target;
    std::unique_ptr<QTcpSocket> socket;
};

// Tunes as Go does: the entry's mode first (when it has one), then its frequency, both read back.
// Empty when the frequency took, else why not; *note says when the mode did not take.
QString tuneLikeGo(RigctlLine& line, const RecordingEntry& entry, QString* note, double* readHz);
