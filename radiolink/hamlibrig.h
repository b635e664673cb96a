// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "radiolink/rigconnection.h"

struct s_rig;

// A rig that Hamlib drives itself: a radio on a serial or USB port, or Hamlib's dummy rig.
class HamlibRig : public RigConnection
{
public:
    explicit HamlibRig(const ReceiverSettings& settings);
    ~HamlibRig() override;

    bool isOpen() const override;
    RigResult open(const CallLimit& limit) override;
    void close() override;
    RigResult setMode(const QString& modeName, const CallLimit& limit) override;
    RigResult setFrequency(double hz, const CallLimit& limit) override;
    RigResult readFrequency(double* hz, const CallLimit& limit) override;
    RigResult readMode(QString* modeName, const CallLimit& limit) override;

private:
    // false when the deadline has passed; else gives the next exchange what time is left
    bool fitExchangeInto(const CallLimit& limit);
    RigResult noTimeLeft() const;

    ReceiverSettings settings;
    QString where;
    s_rig* rig = nullptr;
    int exchangeRetries = 0;
};
