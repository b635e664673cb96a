// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "radiolink/receiversettings.h"

#include <QDeadlineTimer>
#include <QString>

#include <functional>
#include <memory>

// A tune, a read or a test gives up after this long in all, waiting included.
const int rigCallLimitMs = 3000;

// When a call gives up: at its deadline, or earlier when interrupted() turns true (a read that
// a tune is waiting for).
struct CallLimit
{
    QDeadlineTimer deadline;
    std::function<bool()> interrupted;

    bool isInterrupted() const { return interrupted && interrupted(); }
};

// How one call to the receiver went.
struct RigResult
{
    enum Kind {
        Done,
        Refused,   // the receiver answered that it will not do it
        Broken,    // the link failed under the call (a dropped connection): worth one reopen
        Failed,    // no answer in time, or another failure that a reopen would not mend
        Abandoned, // interrupted before it ended
    };
    Kind kind = Done;
    QString error; // why, in words, for Broken and Failed

    bool done() const { return kind == Done; }
};

// One receiver as the rig thread talks to it: a rig driven by Hamlib, or a rigctl server.
class RigConnection
{
public:
    virtual ~RigConnection() = default;

    virtual bool isOpen() const = 0;
    virtual RigResult open(const CallLimit& limit) = 0;
    virtual void close() = 0;
    // asks for the mode's normal passband
    virtual RigResult setMode(const QString& modeName, const CallLimit& limit) = 0;
    virtual RigResult setFrequency(double hz, const CallLimit& limit) = 0;
    virtual RigResult readFrequency(double* hz, const CallLimit& limit) = 0;
    // modeName as the receiver names it
    virtual RigResult readMode(QString* modeName, const CallLimit& limit) = 0;
};

// A rigctl server (rigctld, gqrx, SDR++) for Hamlib's network model, else the Hamlib rig itself.
std::unique_ptr<RigConnection> makeRigConnection(const ReceiverSettings& settings);
