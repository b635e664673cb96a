// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The bytes of one datagram: the text as 8-bit characters and a closing zero byte.
QByteArray datagramBytes(const QString& text);

// The port a datagram goes to: the receive-port text when it is a port number, else 58084.
quint16 datagramPort(const QString& portText);

// The texts that tune the receiver program to a row, in the order they are sent:
// "mode:<code>" when the row has a mode, then "ofreq:<kHz>000".
QStringList tuneDatagrams(const QString& khz, const QString& modeCode);
