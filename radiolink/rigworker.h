// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "receiversettings.h"

#include <QObject>
#include <QString>

struct s_rig;

// Owns the one open rig and does all of its I/O on the thread it lives on. Every call gives up
// within three seconds; after an error the rig is closed, and the next call opens it again.
class RigWorker : public QObject
{
    Q_OBJECT

public:
    ~RigWorker() override;

    // the rig to open at the next call; a different rig closes the open one
    void useRig(const ReceiverSettings& settings);
    // sets the mode first, when there is one, so that the frequency lands exactly
    void tune(double hz, const QString& modeName, const QString& description);
    void readFrequency();
    // opens the given rig on its own, reads its frequency and mode, and closes it again
    void test(const ReceiverSettings& settings);

signals:
    void tuned(const QString& description);
    void tuneFailed(const QString& error);
    void frequencyRead(double hz);
    void frequencyReadFailed(const QString& error);
    void tested(const QString& result);

private:
    // opens the rig when it is closed; returns Hamlib's error text, or an empty text
    QString ensureOpen();
    void closeRig();

    s_rig* rig = nullptr;
    ReceiverSettings settings;
};
