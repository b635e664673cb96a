// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recordings/core/recorder.h"
#include "recordings/core/rigctlline.h"

// Records through gqrx's remote control: its receiver started (U DSP 1, as it records nothing
// while stopped), tuned as Go tunes and read back, then its own recorder switched on (U RECORD 1)
// and off. gqrx names the file itself, gqrx_yyyyMMdd_hhmmss_<Hz>.wav at the UTC second it began,
// in its recording folder; the stop finds it there and moves it to the planned path.
class GqrxRecorder : public Recorder
{
public:
    // folder: where gqrx writes its recordings
    GqrxRecorder(const QString& address, const QString& folder);

    QString extension() const override;
    QString start(const RecordingEntry& entry, const QString& path, const QDateTime& from, QString* note) override;
    QDateTime began() const override;
    QString check() override;
    QString stop(QString* file) override;
    // gqrx records on after the program that started it ended: it is stopped, and its file moved
    QString finishLeftOver(const Take& take, QString* file) override;

    // the exchange with gqrx so far
    QStringList wire() const { return line.wire; }

private:
    QString askReport(const QByteArray& command, int* report);
    QString askValue(const QByteArray& command, QString* value);
    QString recorderOn();
    QString gqrxFile() const;

    RigctlLine line;
    QString folder;
    QString target;
    double tunedHz = 0;
    QDateTime asked;   // just before U RECORD 1
    QDateTime confirmed;
    bool gone = false; // gqrx stopped answering during the recording
};

// Where gqrx writes its recordings: [audio] rec_dir of its settings
// (~/.config/gqrx/default.conf), else the home folder.
QString gqrxRecordingFolder();
