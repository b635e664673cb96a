// SPDX-License-Identifier: GPL-3.0-or-later
#include "sked/seasonupdate.h"

#include "download/core/seasondownload.h"
#include "download/core/seasonstore.h"
#include "season/core/seasoncode.h"

#include <QCommandLineParser>
#include <QEventLoop>
#include <QFileInfo>

#include <cstdio>
#include <optional>

namespace {

const int updated = 0;
const int copyKept = 1;
const int noCopy = 2;

void say(const QString& text)
{
    std::fputs(qPrintable(QStringLiteral("ledra-sked: ") + text + QLatin1Char('\n')), stderr);
}

void printPath(const QString& path)
{
    std::fputs(qPrintable(path + QLatin1Char('\n')), stdout);
}

std::optional<QUrl> baseFrom(const QCommandLineParser& parser)
{
    if (!parser.isSet(QStringLiteral("season-url")))
        return storedSeasonBaseUrl();
    const QString text = parser.value(QStringLiteral("season-url"));
    const QUrl url(text, QUrl::StrictMode);
    if (!isDownloadAddress(url)) {
        say(QStringLiteral("bad value \"%1\" for --season-url: expected an http:// or https:// address").arg(text));
        return std::nullopt;
    }
    return url;
}

// in milliseconds; 0 for the download's own
std::optional<int> stallTimeoutFrom(const QCommandLineParser& parser)
{
    if (!parser.isSet(QStringLiteral("timeout")))
        return 0;
    const QString text = parser.value(QStringLiteral("timeout"));
    bool read = false;
    const double seconds = text.toDouble(&read);
    if (!read || seconds <= 0 || seconds > 3600) {
        say(QStringLiteral("bad value \"%1\" for --timeout: expected seconds, at most 3600").arg(text));
        return std::nullopt;
    }
    return int(seconds * 1000);
}

SeasonOutcome downloadCurrentSeason(const QUrl& base, int stallTimeout)
{
    SeasonDownload download;
    download.setBaseUrl(base);
    if (stallTimeout > 0)
        download.setStallTimeout(stallTimeout);
    SeasonOutcome outcome;
    QEventLoop loop;
    QObject::connect(&download, &SeasonDownload::finished, &loop, [&](const SeasonOutcome& answer) {
        outcome = answer;
        loop.quit();
    });
    download.start(seasonCodeAt(QDateTime::currentDateTimeUtc()));
    loop.exec();
    return outcome;
}

} // namespace

void addSeasonOptions(QCommandLineParser& parser)
{
    parser.addOptions({
        {QStringLiteral("update"),
         QStringLiteral("Download the current season's schedule into Ledra's season folder, or check that the kept "
                        "copy is current, and print its path.")},
        {QStringLiteral("season-url"),
         QStringLiteral("The folder --update downloads from (default: the guide's, else http://www.eibispace.de/dx/)."),
         QStringLiteral("URL")},
        {QStringLiteral("timeout"), QStringLiteral("Seconds without data before --update gives up (default 30)."),
         QStringLiteral("SECONDS")},
    });
}

int updateSeasonFile(const QCommandLineParser& parser)
{
    const std::optional<QUrl> base = baseFrom(parser);
    const std::optional<int> stallTimeout = stallTimeoutFrom(parser);
    if (!base || !stallTimeout)
        return noCopy;
    const SeasonOutcome outcome = downloadCurrentSeason(*base, *stallTimeout);
    say(outcome.message);
    if (outcome.kind != SeasonOutcome::Failed) {
        printPath(outcome.path);
        return updated;
    }
    const QString kept = newestKeptSeasonFile();
    if (kept.isEmpty())
        return noCopy;
    printPath(kept);
    return copyKept;
}

QString keptSeasonFileToRead()
{
    const QString path = newestKeptSeasonFile();
    const QString fileName = QFileInfo(path).fileName();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (!path.isEmpty() && seasonOfFileName(fileName) != seasonCodeAt(now))
        say(seasonNote(fileName, now));
    return path;
}
