// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractSocket>
#include <QByteArray>
#include <QString>
#include <QStringList>

// The rigctl line protocol that rigctld, gqrx and SDR++ serve on TCP: one command a line,
// answered by its values, one a line, or by a report whose code is 0 when it was done:
//   > M AM 0        < RPRT 0      (0 asks for the mode's normal passband)
//   > F 9420000     < RPRT 0
//   > f             < 9420000
//   > m             < AM
//                   < 10000
//   > M SAM 0       < RPRT 1      (gqrx has no such mode)

struct RigctlCommand
{
    QByteArray line;
    int valueLines = 0; // the lines of a successful answer; 0: a report alone
};

RigctlCommand setModeCommand(const QString& modeName);
RigctlCommand setFrequencyCommand(double hz);
RigctlCommand frequencyQuery();
RigctlCommand modeQuery();

struct RigctlAnswer
{
    bool complete = false;
    int report = 0; // the code of "RPRT n"; 0 also when values answered
    QStringList values;
};

// The answer to a command in what has arrived so far; incomplete until its last line has come.
RigctlAnswer readRigctlAnswer(const QByteArray& received, int valueLines);

// The frequency in Hz of an "f" answer, or -1 when it is no number.
double rigctlFrequency(const QString& value);

struct RigctlAddress
{
    QString host;
    quint16 port = 0; // 0: the text is no address
};

// "localhost:7356", "[::1]:4532", "192.168.1.5" (port 4532) or empty (localhost:4532)
RigctlAddress parseRigctlAddress(const QString& text);

// "Nothing is listening at localhost:7356 (connection refused)" and the other ways a connection fails
QString connectionFailureText(const QString& address, QAbstractSocket::SocketError error, const QString& detail);
