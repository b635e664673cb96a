// SPDX-License-Identifier: GPL-3.0-or-later
#include "radiolink/rigctlrig.h"

#include "radiolink/core/rigtuning.h"

#include <algorithm>

namespace {
// how often a wait looks at its limit and at whether it is to give up
const int waitSliceMs = 50;

int nextWaitMs(const CallLimit& limit)
{
    return int(std::clamp<qint64>(limit.deadline.remainingTime(), 1, waitSliceMs));
}
} // namespace

RigctlRig::RigctlRig(const QString& address)
    : address(address.trimmed())
    , target(parseRigctlAddress(address))
{
    if (this->address.isEmpty())
        this->address = QStringLiteral("%1:%2").arg(target.host).arg(target.port);
}

bool RigctlRig::isOpen() const
{
    return socket && socket->state() == QAbstractSocket::ConnectedState;
}

RigResult RigctlRig::open(const CallLimit& limit)
{
    close();
    if (target.port == 0)
        return {RigResult::Failed, QStringLiteral("\"%1\" is not a host:port address").arg(address)};
    socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(target.host, target.port);
    // in one wait: one that times out gives the attempt up. A read opening the link cannot make
    // way for a tune, but it ends within its own limit, which began before the tune's.
    if (socket->waitForConnected(int(std::max<qint64>(limit.deadline.remainingTime(), 1))))
        return {};
    if (socket->error() == QAbstractSocket::SocketTimeoutError)
        return noAnswer();
    return connectionLost(RigResult::Failed);
}

void RigctlRig::close()
{
    socket.reset();
}

RigResult RigctlRig::setMode(const QString& modeName, const CallLimit& limit)
{
    RigctlAnswer answer;
    RigResult result = exchange(setModeCommand(modeName), limit, &answer);
    if (result.done() && answer.report != 0)
        result = {RigResult::Refused, refusedModeText(modeName)};
    return result;
}

RigResult RigctlRig::setFrequency(double hz, const CallLimit& limit)
{
    RigctlAnswer answer;
    RigResult result = exchange(setFrequencyCommand(hz), limit, &answer);
    if (result.done() && answer.report != 0)
        result = {RigResult::Refused, refusedFrequencyText(hz)};
    return result;
}

RigResult RigctlRig::readFrequency(double* hz, const CallLimit& limit)
{
    RigctlAnswer answer;
    RigResult result = exchange(frequencyQuery(), limit, &answer);
    *hz = answer.values.isEmpty() ? -1 : rigctlFrequency(answer.values.first());
    if (result.done() && *hz < 0)
        result = {RigResult::Failed, QStringLiteral("%1 did not tell its frequency").arg(address)};
    return result;
}

RigResult RigctlRig::readMode(QString* modeName, const CallLimit& limit)
{
    RigctlAnswer answer;
    RigResult result = exchange(modeQuery(), limit, &answer);
    *modeName = answer.values.value(0);
    if (result.done() && modeName->isEmpty())
        result = {RigResult::Failed, QStringLiteral("%1 did not tell its mode").arg(address)};
    return result;
}

RigResult RigctlRig::exchange(const RigctlCommand& command, const CallLimit& limit, RigctlAnswer* answer)
{
    if (limit.deadline.hasExpired())
        return noAnswer();
    // what is still unread belongs to no command of ours
    socket->readAll();
    if (socket->write(command.line) != command.line.size())
        return connectionLost(RigResult::Broken);
    QByteArray received;
    for (;;) {
        *answer = readRigctlAnswer(received, command.valueLines);
        if (answer->complete)
            return {};
        if (limit.deadline.hasExpired())
            return noAnswer();
        if (limit.isInterrupted())
            return {RigResult::Abandoned, QString()};
        if (!receiveMore(limit, &received))
            return connectionLost(RigResult::Broken);
    }
}

bool RigctlRig::receiveMore(const CallLimit& limit, QByteArray* received)
{
    if (socket->waitForReadyRead(nextWaitMs(limit)) || socket->bytesAvailable() > 0) {
        received->append(socket->readAll());
        return true;
    }
    return socket->state() == QAbstractSocket::ConnectedState;
}

RigResult RigctlRig::noAnswer() const
{
    return {RigResult::Failed, noAnswerText(address, rigCallLimitMs / 1000)};
}

RigResult RigctlRig::connectionLost(RigResult::Kind kind) const
{
    return {kind, connectionFailureText(address, socket->error(), socket->errorString())};
}
