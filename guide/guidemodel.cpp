// SPDX-License-Identifier: GPL-3.0-or-later
#include "guide/guidemodel.h"

#include "season/core/onair.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// a language's name without where it is spoken: "English" of "English: UK (60m), ... [eng]"
QString shortName(const QString& text)
{
    qsizetype end = text.size();
    for (const char* mark : {":", " (", " ["}) {
        const qsizetype at = text.indexOf(QLatin1String(mark));
        if (at > 0 && at < end)
            end = at;
    }
    return text.left(end);
}

bool sameRanges(const QList<KhzRange>& first, const QList<KhzRange>& second)
{
    return std::equal(first.begin(), first.end(), second.begin(), second.end(),
                      [](const KhzRange& one, const KhzRange& other) { return one.low == other.low && one.high == other.high; });
}

bool sameMoment(const AirMoment& first, const AirMoment& second)
{
    return first.minute == second.minute && first.weekday == second.weekday && first.monthDay == second.monthDay
           && first.weekdayBefore == second.weekdayBefore && first.monthDayBefore == second.monthDayBefore;
}

bool sameApartFromFind(const SeasonFilter& first, const SeasonFilter& second)
{
    return first.atMoment == second.atMoment && (!first.atMoment || sameMoment(first.moment, second.moment))
           && sameRanges(first.ranges, second.ranges) && first.language == second.language
           && first.target == second.target && first.country == second.country && first.withinKm == second.withinKm;
}

bool asksNothing(const SeasonFilter& filter)
{
    return !filter.atMoment && filter.ranges.isEmpty() && filter.language.isEmpty() && filter.target.isEmpty()
           && filter.country.isEmpty() && filter.foldedFind.isEmpty() && filter.withinKm <= 0;
}

PathField pathFieldOf(int column)
{
    return column == KmColumn ? PathField::Km : column == BearingColumn ? PathField::Bearing : PathField::Light;
}

} // namespace

GuideModel::GuideModel(QObject* parent)
    : QAbstractTableModel(parent)
    , now(QDateTime::currentDateTimeUtc())
{
}

void GuideModel::setRecords(QList<SeasonRecord> records)
{
    beginResetModel();
    all = std::move(records);
    placeRecords();
    endResetModel();
    emit pathsChanged();
}

void GuideModel::setMoment(const QDateTime& utc)
{
    now = utc;
    recordPaths->setMoment(utc);
    if (!all.isEmpty())
        emit dataChanged(index(0, PathColumn), index(int(all.size()) - 1, StatusColumn), {Qt::DisplayRole});
}

void GuideModel::setLocation(const std::optional<GeoPosition>& location)
{
    listener = location;
    placeRecords();
    if (!all.isEmpty())
        emit dataChanged(index(0, KmColumn), index(int(all.size()) - 1, PathColumn), {Qt::DisplayRole});
    emit pathsChanged();
}

// once per file and location: paints only look the paths up
void GuideModel::placeRecords()
{
    // a new object: the band map may still hold the one before
    recordPaths = listener ? std::make_shared<RecordPaths>(all, sitePositions, *listener) : std::make_shared<RecordPaths>();
    recordPaths->markDistances(all);
    recordPaths->setMoment(now);
}

int GuideModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(all.size());
}

int GuideModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : guideColumnCount;
}

QVariant GuideModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= all.size())
        return QVariant();
    const SeasonRecord& record = all.at(index.row());
    if (role == Qt::DisplayRole && index.column() >= KmColumn && index.column() <= PathColumn)
        return pathFieldText(*recordPaths, index.row(), pathFieldOf(index.column()));
    if (role == Qt::DisplayRole)
        return displayText(record, index.column());
    if (role == Qt::ToolTipRole && index.column() == LanguageColumn) {
        QStringList names;
        for (QStringView code : record.languages())
            names.append(code.toString() + QStringLiteral(": ") + codeNames.language(code.toString()));
        return names.join(QLatin1Char('\n'));
    }
    if (role == Qt::ToolTipRole && index.column() == TargetColumn)
        return codeNames.target(record.field(TargetField).toString());
    if (role == Qt::ToolTipRole && index.column() == CountryColumn)
        return codeNames.country(record.field(CountryField).toString());
    if (role == Qt::TextAlignmentRole && (index.column() == KhzColumn || index.column() == KmColumn || index.column() == BearingColumn))
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    return QVariant();
}

QString GuideModel::displayText(const SeasonRecord& record, int column) const
{
    switch (column) {
    case KhzColumn:
        return record.field(KhzField).toString();
    case TimeColumn:
        return record.field(TimeField).toString();
    case DaysColumn:
        return record.field(DaysField).toString();
    case StationColumn:
        return record.field(StationField).toString();
    case LanguageColumn: {
        QStringList names;
        for (QStringView code : record.languages()) {
            const QString name = shortName(codeNames.language(code.toString()));
            if (!name.isEmpty())
                names.append(name);
        }
        const QString codes = record.field(LanguageField).toString();
        return names.isEmpty() ? codes : codes + QStringLiteral(" (") + names.join(QStringLiteral("; ")) + QLatin1Char(')');
    }
    case TargetColumn:
        return record.field(TargetField).toString();
    case CountryColumn:
        return record.field(CountryField).toString();
    case SiteColumn: {
        const QString remarks = record.field(SiteField).toString();
        const QString name = codeNames.site(remarks, record.field(CountryField).toString());
        return name.isEmpty() ? remarks : remarks + QStringLiteral(" (") + name + QLatin1Char(')');
    }
    case StatusColumn: {
        const QString key = stationKey(record.field(StationField), record.khz);
        QString status = statusText(record, now);
        if (heardKeys.contains(key))
            status += status.isEmpty() ? QStringLiteral("heard") : QStringLiteral(", heard");
        return favouriteKeys.contains(key) ? QStringLiteral("★ ") + status : status;
    }
    }
    return QString();
}

QVariant GuideModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char* const titles[] = {"kHz", "Time", "Days", "Station", "Language", "Target",
                                         "Country", "Site", "km", "Bearing", "Path", "Status"};
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return section + 1;
    return section >= 0 && section < guideColumnCount ? tr(titles[section]) : QVariant();
}

GuideFilterModel::GuideFilterModel(GuideModel* source, QObject* parent)
    : QAbstractProxyModel(parent)
    , guide(source)
{
    setSourceModel(source);
    connect(source, &QAbstractItemModel::modelReset, this, &GuideFilterModel::sourceReset);
    connect(source, &QAbstractItemModel::dataChanged, this, [this](const QModelIndex& from, const QModelIndex& to) {
        shownCurrent = false;
        if (!shown.empty())
            emit dataChanged(index(0, from.column()), index(int(shown.size()) - 1, to.column()));
    });
    sourceReset();
}

void GuideFilterModel::setFilter(const SeasonFilter& filter, double nearestKhz)
{
    // a longer text finds only among the rows the shorter one found, in the same order
    const bool narrowing = shownCurrent && nearestKhz == nearest && sameApartFromFind(filter, current)
                           && filter.foldedFind.size() > current.foldedFind.size()
                           && filter.foldedFind.contains(current.foldedFind);
    current = filter;
    nearest = nearestKhz;
    if (narrowing)
        narrow();
    else
        refilter();
}

void GuideFilterModel::sourceReset()
{
    const QList<SeasonRecord>& records = guide->records();
    // the old names are let go first, so that the heap need not hold both
    names = StationNames();
    names = StationNames(foldedNames(records));
    order.resize(size_t(records.size()));
    std::iota(order.begin(), order.end(), 0);
    if (sortColumn >= 0)
        sort(sortColumn, sortOrder);
    else
        refilter();
}

void GuideFilterModel::refilter()
{
    const QList<SeasonRecord>& records = guide->records();
    SeasonFilter others = current;
    others.foldedFind.clear();
    const std::vector<char> found = current.foldedFind.isEmpty() ? std::vector<char>()
                                                                  : names.namesHolding(names.find(current.foldedFind));
    beginResetModel();
    const std::vector<int> before = std::move(shown);
    shown.clear();
    const bool everyRecord = asksNothing(others);
    for (int row : order) {
        if ((found.empty() || found[size_t(row)]) && (everyRecord || matches(records.at(row), others)))
            shown.push_back(row);
    }
    // only the few rows left are sorted, so following a receiver stays cheap on a long file
    if (nearest >= 0) {
        std::stable_sort(shown.begin(), shown.end(), [&records, this](int first, int second) {
            return std::abs(records.at(first).khz - nearest) < std::abs(records.at(second).khz - nearest);
        });
    }
    placeShown(before);
    endResetModel();
}

void GuideFilterModel::narrow()
{
    beginResetModel();
    const std::vector<int> before = shown;
    const StationNames::Find find = names.find(current.foldedFind);
    shown.erase(std::remove_if(shown.begin(), shown.end(), [this, &find](int row) { return !names.holds(row, find); }),
                shown.end());
    placeShown(before);
    endResetModel();
}

void GuideFilterModel::placeShown(const std::vector<int>& before)
{
    if (rowOf.size() != order.size())
        rowOf.assign(order.size(), -1);
    for (int row : before) {
        if (size_t(row) < rowOf.size())
            rowOf[size_t(row)] = -1;
    }
    for (size_t place = 0; place < shown.size(); ++place)
        rowOf[size_t(shown[place])] = int(place);
    shownCurrent = true;
}

void GuideFilterModel::sort(int column, Qt::SortOrder sortingOrder)
{
    sortColumn = column;
    sortOrder = sortingOrder;
    const QList<SeasonRecord>& records = guide->records();
    std::iota(order.begin(), order.end(), 0);
    // no column: the file's order
    if (column < 0 || column >= guideColumnCount) {
        refilter();
        return;
    }
    const auto byKey = [&order = this->order](auto key, bool descending) {
        std::vector<decltype(key(0))> keys;
        keys.reserve(order.size());
        for (size_t row = 0; row < order.size(); ++row)
            keys.push_back(key(int(row)));
        std::stable_sort(order.begin(), order.end(), [&keys, descending](int first, int second) {
            return descending ? keys[size_t(second)] < keys[size_t(first)] : keys[size_t(first)] < keys[size_t(second)];
        });
    };
    const bool descending = sortingOrder == Qt::DescendingOrder;
    const QDateTime moment = guide->moment();
    switch (column) {
    case KhzColumn:
        byKey([&](int row) { return records.at(row).khz; }, descending);
        break;
    case TimeColumn:
        byKey([&](int row) { return records.at(row).times.start * 10000 + records.at(row).times.end; }, descending);
        break;
    case KmColumn:
    case BearingColumn:
    case PathColumn:
        byKey([&](int row) { return pathFieldKey(guide->paths(), row, pathFieldOf(column)); }, descending);
        break;
    case StatusColumn:
        // on the air first, fewest minutes left first; then those about to start
        byKey([&](int row) {
            const int left = minutesLeft(records.at(row), moment);
            const int toStart = minutesToStart(records.at(row), moment, 60);
            return left >= 0 ? left : toStart >= 0 ? 10000 + toStart : 20000;
        }, descending);
        break;
    default: {
        // the columns shown as their field, in column order up to the status
        static const SeasonField fieldOf[] = {KhzField, TimeField, DaysField, StationField, LanguageField,
                                              TargetField, CountryField, SiteField};
        const SeasonField field = fieldOf[column];
        byKey([&](int row) { return records.at(row).field(field).toString().toCaseFolded(); }, descending);
    }
    }
    refilter();
}

QModelIndex GuideFilterModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || row < 0 || row >= int(shown.size()) || column < 0 || column >= guideColumnCount)
        return QModelIndex();
    return createIndex(row, column);
}

QModelIndex GuideFilterModel::parent(const QModelIndex&) const
{
    return QModelIndex();
}

int GuideFilterModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(shown.size());
}

int GuideFilterModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : guideColumnCount;
}

QModelIndex GuideFilterModel::mapToSource(const QModelIndex& proxyIndex) const
{
    if (!proxyIndex.isValid())
        return QModelIndex();
    return guide->index(shown.at(size_t(proxyIndex.row())), proxyIndex.column());
}

QModelIndex GuideFilterModel::mapFromSource(const QModelIndex& sourceIndex) const
{
    if (!sourceIndex.isValid() || size_t(sourceIndex.row()) >= rowOf.size())
        return QModelIndex();
    const int row = rowOf.at(size_t(sourceIndex.row()));
    return row < 0 ? QModelIndex() : index(row, sourceIndex.column());
}

QVariant GuideFilterModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    return guide->headerData(section, orientation, role);
}

void GuideModel::setMarks(const QSet<QString>& heard, const QSet<QString>& favourites)
{
    heardKeys = heard;
    favouriteKeys = favourites;
    if (!all.isEmpty())
        emit dataChanged(index(0, StatusColumn), index(int(all.size()) - 1, StatusColumn), {Qt::DisplayRole});
}

QString GuideModel::stationKey(QStringView station, double khz)
{
    return station.toString() + QLatin1Char('\n') + roundedKhz(khz);
}
