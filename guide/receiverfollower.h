// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

class QTimer;
class RigLink;

// Follows the receiver's dial for the guide: while on, reads the rig's frequency once a second
// and says when it moved. Only a Hamlib link can be read.
class ReceiverFollower : public QObject
{
    Q_OBJECT

public:
    explicit ReceiverFollower(RigLink* rig, QObject* parent = nullptr);

    bool available() const;
    bool active() const { return on; }
    // the frequency last read, or -1 until the rig has answered since following began
    double khz() const { return lastKhz; }

    // reads at once and then every second; off forgets the frequency
    void setActive(bool active);
    // no reads while nobody looks; the frequency is kept
    void setPaused(bool paused);

signals:
    void availableChanged(bool available);
    void khzChanged(double khz);
    // "Receiver: 9420 kHz", "Receiver: reading..." or "Receiver: " and why it could not be read
    void statusChanged(const QString& text);

private:
    void showFrequency(double hz);
    void showFailure(const QString& error);

    RigLink* rig;
    QTimer* timer;
    bool on = false;
    bool paused = false;
    double lastKhz = -1;
};
