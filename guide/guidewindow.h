// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "seasonfilter.h"

#include <QDateTime>
#include <QString>
#include <QWidget>

class GuideFilterModel;
class GuideModel;
class MainWindow;
class QComboBox;
class QDragEnterEvent;
class QDropEvent;
class QHideEvent;
class QShowEvent;
class QModelIndex;
class QTimer;
class Ui_GuideWindow;

// The season-schedule guide: what a season file holds, filtered, with what is on the air now;
// tunes the receiver and adds broadcasts to the main window's schedule.
class GuideWindow : public QWidget
{
    Q_OBJECT

public:
    explicit GuideWindow(MainWindow* main);
    ~GuideWindow() override;

    // Shows the season file at path; a file that cannot be read or is no season schedule
    // leaves the one shown before and says why. True when it is shown.
    bool openFile(const QString& path);
    // The UTC moment for "On air now" and the status column; the window's timer sets it every minute.
    void showMoment(const QDateTime& utc);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void pickFile();
    void fillFilterBoxes();
    void applyFilter();
    void showCount();
    void showStationDay();
    int selectedSourceRow();
    void tune();
    void tuneRow(int sourceRow);
    void addToSchedule();
    void showInactiveRowsPlain();

    // Follow receiver: the rig's frequency read once a second narrows the guide to it
    bool following() const;
    void showFollow(bool hamlib);
    void follow(bool on);
    void showReceiverFrequency(double hz);
    void showReceiverFailure(const QString& error);

    Ui_GuideWindow* ui;
    MainWindow* mainWindow;
    GuideModel* model;
    GuideFilterModel* filtered;
    QTimer* minuteTimer;
    QDateTime moment;
    QTimer* followTimer;
    double receiverKhz = -1;   // while following, once the rig has answered
};
