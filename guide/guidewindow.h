// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geo/core/geoposition.h"
#include "log/core/reception.h"
#include "log/core/receptionlog.h"
#include "season/core/seasonfilter.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <optional>

class GuideFilterModel;
class GuideModel;
class QAbstractItemModel;
class QComboBox;
class QDragEnterEvent;
class QDropEvent;
class QHideEvent;
class QLabel;
class QPushButton;
class QShowEvent;
class QModelIndex;
class QTimer;
class ReceiverFollower;
class SeasonUpdater;
class RigLink;
class Ui_GuideWindow;

// The season-schedule guide: what a season file holds, filtered, with what is on the air now.
// It reads the schedule through a read-only view (nine columns, one row a line) and asks for
// tuning and for rows to be added through its signals.
class GuideWindow : public QWidget
{
    Q_OBJECT

public:
    GuideWindow(const QAbstractItemModel* schedule, RigLink* rig, QWidget* parent = nullptr);
    ~GuideWindow() override;

    // Shows the season file at path; a file that cannot be read or is no season schedule
    // leaves the one shown before and says why. True when it is shown.
    bool openFile(const QString& path);
    // The UTC moment for "On air now" and the status column; the window's timer sets it every minute.
    void showMoment(const QDateTime& utc);
    // The listener's location, for the km, Bearing and Path columns and "Within"; none empties them.
    void setLocation(const std::optional<GeoPosition>& location);
    // The receptions of the log: the broadcasts heard before are marked, and the selected one's
    // line says how often and how well (in guideheard.cpp).
    void showHeard(const QList<Reception>& receptions);
    // the favourites, starred in the status column and on the Favourite button
    void showFavourites(const QList<Favourite>& favourites);

signals:
    void tuneRequested(const QString& khz, const QString& modeCode);
    // schedule rows, nine fields each, that are not in the schedule yet
    void rowsToAdd(const QList<QStringList>& rows);
    // the schedule lines (nine fields joined by ";") that stand for inactive records only
    void inactiveLinesChanged(const QSet<QString>& lines);
    // a season file was opened and is shown now
    void fileShown(const QString& path);
    // Heard it for the selected broadcast: its season-file line
    void heardRequested(const QString& recordLine);
    // the Favourite button for the selected broadcast's station and frequency
    void favouriteToggled(const Favourite& favourite, bool starred);
    // Record... for the selected broadcast
    void recordRequested(const SeasonRecord& record);

protected:
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void reopenLastFile();
    void pickFile();
    void fillFilterBoxes();
    void applyFilter();
    void showCount();
    void showStationDay();
    void showPathWords();
    int selectedSourceRow();
    void tune();
    void tuneRow(int sourceRow);
    // in guiderecord.cpp
    void record();
    QSet<QString> scheduleLines() const;
    void addToSchedule();
    void exportRows();
    void follow(bool on);
    // the band map, in guidebandmap.cpp
    void setUpBandMap();
    void showMapMoment(const QDateTime& utc);
    void showRowsOnMap();
    void chooseMapBand();
    void showSelectionOnMap();
    void selectSourceRow(int sourceRow);
    // the splitter's place: the user's, kept in the guide's store, or else a share by whether a band is shown
    void restoreSplitter();
    void shareWidth(bool bandShown);
    // Heard it and the line of a broadcast heard before, in guideheard.cpp
    void setUpHeard();
    void showHeardLine();
    void showMarks();
    QList<Reception> heard;
    QList<Favourite> favourites;
    QPushButton* heardButton = nullptr;
    QPushButton* starButton = nullptr;
    QLabel* heardLine = nullptr;

    Ui_GuideWindow* ui;
    const QAbstractItemModel* schedule;
    GuideModel* model;
    GuideFilterModel* filtered;
    QTimer* minuteTimer;
    QDateTime moment;
    // Follow receiver: the rig's frequency narrows the guide to what is on the air near it
    ReceiverFollower* follower;
    SeasonUpdater* updater;
    QString shownPath;
    bool splitterPlaced = false;
    bool mapBandShown = false;
    int mapMinimumWidth = 0;
};
