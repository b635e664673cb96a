// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// How Go reaches the receiver, kept apart from the main settings store.
struct ReceiverSettings
{
    bool hamlib = false;   // "hamlib", or "orvane" for the UDP broadcast
    int hamlibModel = 2;   // Hamlib's model number; 2 is a rigctld-style server
    QString hamlibPort;    // a device, or host:port; empty means the model's own default
    int hamlibSpeed = 0;   // serial speed; 0 means the model's own default

    bool operator==(const ReceiverSettings& other) const;

    // the store "Morvath" / "Ledra-receiver" with the keys link, hamlibModel, hamlibPort, hamlibSpeed
    static ReceiverSettings read();
    void write() const;
};
