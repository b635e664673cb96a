// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recordings/core/recordingplan.h"

#include <QWidget>

class QPushButton;
class QTableWidget;

// The plan as a list: the planned recordings first, then the past ones, newest first, each with
// its station, kHz, UTC start and stop, recorder, state and file. Planned ones can be removed;
// a past one opens in the desktop's player, or its folder. It reads the stored plan anew every
// few seconds, so what the timer and ledra-sked do shows.
class RecordingsWindow : public QWidget
{
    Q_OBJECT

public:
    explicit RecordingsWindow(QWidget* parent = nullptr);

public slots:
    void refresh();

private:
    void removePlanned();
    void openFile(bool folder);
    int selectedRow() const;

    QTableWidget* table;
    QPushButton* removeButton;
    QPushButton* openButton;
    QPushButton* folderButton;
    RecordingPlan plan;
};
