// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geo/core/recordpaths.h"
#include "geo/core/sitepositions.h"
#include "season/core/codenames.h"
#include "season/core/seasonfilter.h"
#include "season/core/seasonrecord.h"
#include "season/core/stationnames.h"

#include <QAbstractProxyModel>
#include <QAbstractTableModel>
#include <QDateTime>
#include <QList>

#include <QSet>

#include <memory>
#include <optional>
#include <vector>

enum GuideColumn { KhzColumn, TimeColumn, DaysColumn, StationColumn, LanguageColumn, TargetColumn,
                   CountryColumn, SiteColumn, KmColumn, BearingColumn, PathColumn, StatusColumn, guideColumnCount };

// The records of a season file, one row each, and their status at a moment.
class GuideModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit GuideModel(QObject* parent = nullptr);

    void setRecords(QList<SeasonRecord> records);
    const QList<SeasonRecord>& records() const { return all; }
    const SeasonRecord& record(int row) const { return all.at(row); }

    // the UTC moment the status column speaks of
    void setMoment(const QDateTime& utc);
    const QDateTime& moment() const { return now; }

    const CodeNames& names() const { return codeNames; }

    // the listener's location: km, bearing and path to each site; none leaves them empty
    void setLocation(const std::optional<GeoPosition>& location);
    bool hasLocation() const { return listener.has_value(); }
    const RecordPaths& paths() const { return *recordPaths; }
    // the same paths, for the band map, which keeps them as long as it draws them
    std::shared_ptr<const RecordPaths> sharedPaths() const { return recordPaths; }

    // the station and frequency (stationKey) of each broadcast heard before, which the status
    // column marks "heard", and of each favourite, marked with a star
    void setMarks(const QSet<QString>& heard, const QSet<QString>& favourites);
    static QString stationKey(QStringView station, double khz);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    // a new file or location: new records or paths
    void pathsChanged();

private:
    QString displayText(const SeasonRecord& record, int column) const;
    void placeRecords();

    QList<SeasonRecord> all;
    QDateTime now;
    CodeNames codeNames;
    SitePositions sitePositions;
    std::optional<GeoPosition> listener;
    std::shared_ptr<RecordPaths> recordPaths = std::make_shared<RecordPaths>();
    QSet<QString> heardKeys;
    QSet<QString> favouriteKeys;
};

// The rows of a GuideModel that match a filter, in a chosen order. Keys are compared, never
// texts built per row, so a keystroke in a filter box stays quick at a hundred thousand rows.
class GuideFilterModel : public QAbstractProxyModel
{
    Q_OBJECT

public:
    explicit GuideFilterModel(GuideModel* source, QObject* parent = nullptr);

    // nearestKhz >= 0 puts the matching rows nearest that frequency first; the chosen sort
    // order stays, and returns once the filter comes without a frequency
    void setFilter(const SeasonFilter& filter, double nearestKhz = -1);
    int sourceRow(int row) const { return shown.at(size_t(row)); }
    // the source rows shown, in their order
    const std::vector<int>& sourceRows() const { return shown; }

    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void sourceReset();
    void refilter();
    void narrow();
    void placeShown(const std::vector<int>& before);

    GuideModel* guide;
    SeasonFilter current;
    // shown holds what current picks of the records as they are now; a change in the source clears it
    bool shownCurrent = false;
    StationNames names; // of all source rows
    double nearest = -1;
    int sortColumn = -1;
    Qt::SortOrder sortOrder = Qt::AscendingOrder;
    std::vector<int> order;     // every source row, in the chosen order
    std::vector<int> shown;     // the source rows that match, in that order
    std::vector<int> rowOf;     // each source row's place in shown, or -1
};
