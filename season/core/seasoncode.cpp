// SPDX-License-Identifier: GPL-3.0-or-later
#include "season/core/seasoncode.h"

#include <QRegularExpression>

namespace {

const QChar summer = QLatin1Char('a');
const QChar winter = QLatin1Char('b');

QString code(QChar half, int year)
{
    return half + QStringLiteral("%1").arg(year % 100, 2, 10, QLatin1Char('0'));
}

int yearOf(const QString& season)
{
    return 2000 + season.mid(1).toInt();
}

// 00:00 UTC on the last Sunday of the month
QDateTime lastSundayOf(int year, int month)
{
    QDate day(year, month, QDate(year, month, 1).daysInMonth());
    day = day.addDays(-(day.dayOfWeek() % 7));
    return QDateTime(day, QTime(0, 0), Qt::UTC);
}

// seasons in order of time
int seasonRank(const QString& season)
{
    return season.mid(1).toInt() * 2 + (season.at(0) == winter ? 1 : 0);
}

} // namespace

QString seasonCodeAt(const QDateTime& moment)
{
    const QDateTime utc = moment.toUTC();
    const int year = utc.date().year();
    if (utc >= lastSundayOf(year, 10))
        return code(winter, year);
    if (utc >= lastSundayOf(year, 3))
        return code(summer, year);
    return code(winter, year - 1);
}

QString previousSeason(const QString& season)
{
    const int year = yearOf(season);
    return season.at(0) == winter ? code(summer, year) : code(winter, year - 1);
}

QString seasonFileName(const QString& season)
{
    return QStringLiteral("sked-%1.csv").arg(season);
}

QString seasonOfFileName(const QString& fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^sked-([ab][0-9][0-9])\\.csv$"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern.match(fileName).captured(1).toLower();
}

QString seasonDescription(const QString& season)
{
    const int year = yearOf(season);
    if (season.at(0) == summer)
        return QStringLiteral("the summer %1 schedule").arg(year);
    return QStringLiteral("the winter %1/%2 schedule").arg(year).arg((year + 1) % 100, 2, 10, QLatin1Char('0'));
}

QString seasonNote(const QString& fileName, const QDateTime& moment)
{
    const QString season = seasonOfFileName(fileName);
    if (season.isEmpty())
        return QString();
    const QString note = QStringLiteral("%1 is %2").arg(fileName, seasonDescription(season));
    const QString today = seasonCodeAt(moment);
    return season == today ? note : note + QStringLiteral("; today is in ") + today;
}

bool laterSeason(const QString& first, const QString& second)
{
    return seasonRank(first) > seasonRank(second);
}
