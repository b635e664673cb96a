// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordings/core/rigctlline.h"

#include "radiolink/core/rigtuning.h"

#include <QDeadlineTimer>

namespace {
const int answerLimitMs = 3000;
}

RigctlLine::RigctlLine(const QString& address)
    : where(address.trimmed())
    , target(parseRigctlAddress(address))
{
    if (where.isEmpty())
        where = QStringLiteral("%1:%2").arg(target.host).arg(target.port);
}

QString RigctlLine::open()
{
    socket.reset();
    if (target.port == 0)
        return QStringLiteral("\"%1\" is not a host:port address").arg(where);
    socket = std::make_unique<QTcpSocket>();
    socket->connectToHost(target.host, target.port);
    if (socket->waitForConnected(answerLimitMs))
        return QString();
    if (socket->error() == QAbstractSocket::SocketTimeoutError)
        return noAnswerText(where, answerLimitMs / 1000);
    return connectionFailureText(where, socket->error(), socket->errorString());
}

bool RigctlLine::isOpen() const
{
    return socket && socket->state() == QAbstractSocket::ConnectedState;
}

QString RigctlLine::ask(const RigctlCommand& command, RigctlAnswer* answer)
{
    if (!isOpen())
        return QStringLiteral("%1 closed the connection").arg(where);
    socket->readAll();
    wire.append(QStringLiteral("> ") + QString::fromLatin1(command.line.trimmed()));
    socket->write(command.line);
    QByteArray received;
    const QDeadlineTimer deadline(answerLimitMs);
    for (;;) {
        *answer = readRigctlAnswer(received, command.valueLines);
        if (answer->complete) {
            for (const QByteArray& line : received.trimmed().split('\n'))
                wire.append(QStringLiteral("< ") + QString::fromLatin1(line.trimmed()));
            return QString();
        }
        if (deadline.hasExpired())
            return noAnswerText(where, answerLimitMs / 1000);
        if (socket->waitForReadyRead(int(std::max<qint64>(deadline.remainingTime(), 1))) || socket->bytesAvailable())
            received.append(socket->readAll());
        else if (socket->state() != QAbstractSocket::ConnectedState)
            return connectionFailureText(where, socket->error(), socket->errorString());
    }
}

QString tuneLikeGo(RigctlLine& line, const RecordingEntry& entry, QString* note, double* readHz)
{
    TuneReading reading;
    reading.askedHz = entry.khz * 1000;
    reading.askedMode = entry.mode;
    RigctlAnswer answer;
    if (!entry.mode.isEmpty()) {
        QString problem = line.ask(setModeCommand(entry.mode), &answer);
        if (!problem.isEmpty())
            return problem;
        if (answer.report != 0)
            reading.modeError = refusedModeText(entry.mode);
    }
    QString problem = line.ask(setFrequencyCommand(reading.askedHz), &answer);
    if (!problem.isEmpty())
        return problem;
    if (answer.report != 0)
        reading.frequencyError = refusedFrequencyText(reading.askedHz);
    problem = line.ask(frequencyQuery(), &answer);
    if (!problem.isEmpty())
        return problem;
    reading.readHz = rigctlFrequency(answer.values.value(0));
    *readHz = reading.readHz;
    if (!entry.mode.isEmpty()) {
        problem = line.ask(modeQuery(), &answer);
        if (!problem.isEmpty())
            return problem;
        reading.readMode = answer.values.value(0);
    }
    const TuneReport report = tuneReport(reading);
    if (!report.failure.isEmpty())
        return report.failure;
    // "Tuned to 9420 kHz; the receiver stayed in USB (it did not take SAM)"
    if (reading.readMode != reading.askedMode)
        *note = report.status;
    return QString();
}
