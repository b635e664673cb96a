// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/core/seasonstore.h"

#include "app/core/guidestore.h"
#include "schedule/core/wholefile.h"
#include "season/core/seasoncode.h"
#include "season/core/seasonrecord.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>

QUrl storedSeasonBaseUrl()
{
    return QUrl(guideValue(GuideKey::SeasonBaseUrl).toString());
}

void storeSeasonBaseUrl(const QUrl& base)
{
    setGuideValue(GuideKey::SeasonBaseUrl, base.isEmpty() ? guideDefault(GuideKey::SeasonBaseUrl) : base.toString());
}

bool isDownloadAddress(const QUrl& url)
{
    return url.isValid() && !url.host().isEmpty()
           && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

QUrl seasonFileUrl(const QUrl& base, const QString& season)
{
    QUrl folder = base;
    if (!folder.path().endsWith(QLatin1Char('/')))
        folder.setPath(folder.path() + QLatin1Char('/'));
    return folder.resolved(QUrl(seasonFileName(season)));
}

// named in full rather than by the application's name, so that ledra-sked finds the window's copies
QString seasonFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/Morvath/Ledra/seasons");
}

QString keptSeasonPath(const QString& season)
{
    return seasonFolder() + QLatin1Char('/') + seasonFileName(season);
}

QString backupPath(const QString& keptPath)
{
    QString path = keptPath;
    return path.replace(path.size() - 4, 4, QStringLiteral(".bak"));
}

QString newestKeptSeasonFile()
{
    QString newest;
    const QStringList names = QDir(seasonFolder()).entryList({QStringLiteral("sked-*.csv")}, QDir::Files);
    for (const QString& name : names) {
        const QString season = seasonOfFileName(name);
        if (!season.isEmpty() && (newest.isEmpty() || laterSeason(season, seasonOfFileName(newest))))
            newest = name;
    }
    return newest.isEmpty() ? QString() : seasonFolder() + QLatin1Char('/') + newest;
}

SeasonValidators storedValidators(const QString& season)
{
    return {guideValue(GuideKey::SeasonValidators, season + QStringLiteral("/etag")).toString().toLatin1(),
            guideValue(GuideKey::SeasonValidators, season + QStringLiteral("/lastModified")).toString().toLatin1()};
}

void storeValidators(const QString& season, const SeasonValidators& validators)
{
    setGuideValue(GuideKey::SeasonValidators, QString::fromLatin1(validators.etag), season + QStringLiteral("/etag"));
    setGuideValue(GuideKey::SeasonValidators, QString::fromLatin1(validators.lastModified),
                  season + QStringLiteral("/lastModified"));
}

BodyCheck checkSeasonBody(const QByteArray& body, qint64 announcedLength, int keptRecords)
{
    if (announcedLength >= 0 && body.size() < announcedLength)
        return {QStringLiteral("the answer ended after %1 of %2 bytes").arg(body.size()).arg(announcedLength), 0};
    const SeasonFile season = parseSeasonFile(body);
    const int records = int(season.records.size());
    if (!season.recognised)
        return {QStringLiteral("the answer is not a season schedule: its first line does not begin with \"kHz:\""), 0};
    if (records == 0)
        return {QStringLiteral("the answer holds no broadcast"), 0};
    if (records * 2 < keptRecords)
        return {QStringLiteral("the answer holds %1 broadcasts, fewer than half of the %2 in the kept copy")
                    .arg(records)
                    .arg(keptRecords),
                records};
    return {QString(), records};
}

int keptRecordCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return int(parseSeasonFile(file.readAll()).records.size());
}

QString keepSeasonFile(const QString& path, const QByteArray& bytes)
{
    return replaceKeepingBackup(path, backupPath(path), bytes, Backup::Required).problem;
}

bool dailyCheckDue(const QDateTime& lastCheck, const QDateTime& now)
{
    const qint64 day = 24 * 60 * 60;
    return !lastCheck.isValid() || lastCheck > now || lastCheck.secsTo(now) >= day;
}
