// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "radiolink/core/rigctl.h"
#include "radiolink/rigconnection.h"

#include <QTcpSocket>

// A rigctl server (rigctld, gqrx, SDR++) reached over TCP by Ledra's own line client, which
// sends each command only after the previous one was answered and never waits past the call's
// limit. Lives on the rig thread; its waits block that thread alone.
class RigctlRig : public RigConnection
{
public:
    explicit RigctlRig(const QString& address);

    bool isOpen() const override;
    RigResult open(const CallLimit& limit) override;
    void close() override;
    RigResult setMode(const QString& modeName, const CallLimit& limit) override;
    RigResult setFrequency(double hz, const CallLimit& limit) override;
    RigResult readFrequency(double* hz, const CallLimit& limit) override;
    RigResult readMode(QString* modeName, const CallLimit& limit) override;

private:
    // sends the command and waits for its whole answer
    RigResult exchange(const RigctlCommand& command, const CallLimit& limit, RigctlAnswer* answer);
    // waits a little for more of the answer; false when the connection is gone
    bool receiveMore(const CallLimit& limit, QByteArray* received);
    RigResult noAnswer() const;
    RigResult connectionLost(RigResult::Kind kind) const;

    QString address; // as the user wrote it, for messages
    RigctlAddress target;
    std::unique_ptr<QTcpSocket> socket;
};
