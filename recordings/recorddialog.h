// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recordings/core/recordingplan.h"

#include <QDialog>

#include <memory>

class Ui_recordDialog;

// A broadcast to record, as the guide or the schedule table gives it.
struct BroadcastToRecord
{
    QString station;
    double khz = 0;
    QString mode;              // Hamlib's name; empty: the receiver's mode is left
    AirTimes times;
    int startDate = noDate;
    int stopDate = noDate;
};

// Plans a recording of the broadcast: once, the next time it is on the air, or every day it is;
// the margins, and gqrx or the sound card. OK adds it to the stored plan, unless it would
// overlap another recording on the same receiver.
class RecordDialog : public QDialog
{
    Q_OBJECT

public:
    RecordDialog(const BroadcastToRecord& broadcast, QWidget* parent = nullptr);
    ~RecordDialog() override;

    void accept() override;

private:
    RecordingEntry plannedEntry() const;

    std::unique_ptr<Ui_recordDialog> ui;
    BroadcastToRecord broadcast;
};
