// SPDX-License-Identifier: GPL-3.0-or-later
#include "recordings/core/soundtuning.h"

#include "radiolink/core/datagram.h"
#include "radiolink/core/rigtuning.h"
#include "recordings/core/rigctlline.h"

#include <QHostAddress>
#include <QUdpSocket>

namespace {

const QLatin1String udpPrefix("udp:");
// a rig that only Hamlib reaches, which ledra-sked does not link
const QLatin1String hamlibRig("hamlib");

// the Mode drop-down's code of a Hamlib mode name, "0" for AM; empty for none
QString modeCode(const QString& modeName)
{
    for (int code = 0; code < 10; ++code) {
        if (!modeName.isEmpty() && hamlibModeName(QString::number(code)) == modeName)
            return QString::number(code);
    }
    return QString();
}

QString sendDatagrams(const RecordingEntry& entry, quint16 port)
{
    QUdpSocket socket;
    for (const QString& text : tuneDatagrams(roundedKhz(entry.khz), modeCode(entry.mode))) {
        const QByteArray bytes = datagramBytes(text);
        if (socket.writeDatagram(bytes, QHostAddress(QHostAddress::Broadcast), port) != bytes.size())
            return socket.errorString();
    }
    socket.flush();
    return QString();
}

} // namespace

QString udpTuning(quint16 port)
{
    return udpPrefix + QString::number(port);
}

QString tuneForSound(const RecordingEntry& entry)
{
    QString problem;
    QString note;
    if (entry.rig == hamlibRig) {
        problem = QStringLiteral("the receiver link's Hamlib rig is tuned by Go only");
    } else if (entry.rig.startsWith(udpPrefix)) {
        problem = sendDatagrams(entry, datagramPort(entry.rig.mid(udpPrefix.size())));
    } else if (!entry.rig.isEmpty()) {
        RigctlLine line(entry.rig);
        double readHz = 0;
        problem = line.open();
        if (problem.isEmpty())
            problem = tuneLikeGo(line, entry, &note, &readHz);
    }
    return problem.isEmpty() ? note : QStringLiteral("recorded untuned: ") + problem;
}
