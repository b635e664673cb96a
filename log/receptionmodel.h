// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "log/core/reception.h"

#include <QAbstractTableModel>
#include <QDate>
#include <QList>
#include <QSortFilterProxyModel>

// The log's receptions as table rows, a column for each field the window shows.
class ReceptionModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { StartColumn, KhzColumn, ModeColumn, StationColumn, LanguageColumn, TargetColumn, CountryColumn,
                  SinpoColumn, KmColumn, QslColumn, NotesColumn, receptionColumns };
    // the value a column sorts by
    static const int sortRole = Qt::UserRole;

    using QAbstractTableModel::QAbstractTableModel;

    void setReceptions(const QList<Reception>& receptions);
    const Reception& reception(int row) const { return rows.at(row); }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QList<Reception> rows;
};

// The rows whose station, language, target, country, site or notes hold the text (any case) and
// whose UTC start lies within the dates (an invalid date sets no limit).
class ReceptionFilter : public QSortFilterProxyModel
{
    Q_OBJECT

public:
    explicit ReceptionFilter(QObject* parent = nullptr);
    void setText(const QString& text);
    void setDates(const QDate& from, const QDate& to);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

private:
    QString foldedText;
    QDate from;
    QDate to;
};
