// SPDX-License-Identifier: GPL-3.0-or-later
#include "log/receptionmodel.h"

void ReceptionModel::setReceptions(const QList<Reception>& receptions)
{
    beginResetModel();
    rows = receptions;
    endResetModel();
}

int ReceptionModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(rows.size());
}

int ReceptionModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : receptionColumns;
}

namespace {

QString qslText(const Reception& r)
{
    if (r.qslReceived.isValid())
        return QObject::tr("card %1").arg(r.qslReceived.toString(Qt::ISODate));
    if (r.qslSent.isValid())
        return QObject::tr("sent %1").arg(r.qslSent.toString(Qt::ISODate));
    return QString();
}

QString firstLine(const QString& text)
{
    return text.section(QLatin1Char('\n'), 0, 0);
}

} // namespace

QVariant ReceptionModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != sortRole && role != Qt::ToolTipRole))
        return {};
    const Reception& r = rows.at(index.row());
    switch (index.column()) {
    case StartColumn:
        return role == sortRole ? QVariant(r.start) : QVariant(logMomentText(r.start));
    case KhzColumn:
        return role == sortRole ? QVariant(r.khz) : QVariant(QString::number(r.khz, 'g', 10));
    case ModeColumn:
        return r.mode;
    case StationColumn:
        return r.station;
    case LanguageColumn:
        return r.language;
    case TargetColumn:
        return r.target;
    case CountryColumn:
        return r.country;
    case SinpoColumn:
        return r.sinpo;
    case KmColumn:
        if (role == sortRole)
            return r.km;
        return r.km >= 0 ? QVariant(QString::number(r.km)) : QVariant(QString());
    case QslColumn:
        return qslText(r);
    case NotesColumn:
        return role == Qt::ToolTipRole ? r.notes : firstLine(r.notes);
    default:
        return {};
    }
}

QVariant ReceptionModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    const QStringList titles = {tr("UTC"),     tr("kHz"),   tr("Mode"), tr("Station"), tr("Language"), tr("Target"),
                                tr("Country"), tr("SINPO"), tr("km"),   tr("QSL"),     tr("Notes")};
    return titles.value(section);
}

ReceptionFilter::ReceptionFilter(QObject* parent)
    : QSortFilterProxyModel(parent)
{
    setSortRole(ReceptionModel::sortRole);
}

void ReceptionFilter::setText(const QString& text)
{
    foldedText = text.trimmed().toCaseFolded();
    invalidateRowsFilter();
}

void ReceptionFilter::setDates(const QDate& first, const QDate& last)
{
    from = first;
    to = last;
    invalidateRowsFilter();
}

bool ReceptionFilter::filterAcceptsRow(int sourceRow, const QModelIndex&) const
{
    const Reception& r = static_cast<const ReceptionModel*>(sourceModel())->reception(sourceRow);
    const QDate day = r.start.date();
    if ((from.isValid() && day < from) || (to.isValid() && day > to))
        return false;
    if (foldedText.isEmpty())
        return true;
    for (const QString* field : {&r.station, &r.language, &r.target, &r.country, &r.site, &r.notes}) {
        if (field->toCaseFolded().contains(foldedText))
            return true;
    }
    return false;
}
