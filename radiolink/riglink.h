// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "radiolink/receiversettings.h"

#include <QObject>
#include <QString>
#include <QThread>

class RigWorker;

// The window's side of the Hamlib link: holds the receiver settings and hands every rig call to
// the rig thread, whose answers come back as signals on the window's thread. Nothing here waits.
class RigLink : public QObject
{
    Q_OBJECT

public:
    explicit RigLink(QObject* parent = nullptr);
    ~RigLink() override;

    const ReceiverSettings& settings() const;
    // takes effect with the next rig call; emits linkChanged when the link itself changes
    void setSettings(const ReceiverSettings& settings);
    // true when Go and the other tuners reach the receiver through Hamlib rather than by UDP
    bool hamlibActive() const;

    // modeName is Hamlib's ("AM"), or empty to leave the rig's mode; answers tuned with the
    // status text or tuneFailed within 3 s, ahead of any read not yet answered
    void tune(double hz, const QString& modeName);
    // answers tested with the rig's frequency and mode, or with the error text
    void test(const ReceiverSettings& settings);

public slots:
    // answers frequencyRead or frequencyReadFailed, or nothing when a tune came first; ignored
    // while an earlier read is unanswered, so that a slow rig polled once a second does not
    // pile up reads
    void readFrequency();
    // answers receiverRead with the frequency and Hamlib's mode name (empty when the rig would
    // not tell it), or nothing when the rig does not answer or a tune came first
    void readReceiver();

signals:
    void linkChanged(bool hamlib);
    void tuned(const QString& status);
    void tuneFailed(const QString& error);
    void frequencyRead(double hz);
    void frequencyReadFailed(const QString& error);
    void receiverRead(double hz, const QString& modeName);
    void tested(const QString& result);

private:
    ReceiverSettings current;
    QThread rigThread;
    RigWorker* worker;
    bool readPending = false;
};
