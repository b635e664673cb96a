// SPDX-License-Identifier: GPL-3.0-or-later
#include "download/core/seasondownload.h"

#include "download/core/seasonstore.h"
#include "season/core/seasoncode.h"

#include <QDir>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QTimer>

#include <utility>

namespace {

const int httpOk = 200;
const int httpNotModified = 304;
const int httpNotFound = 404;

// the proxy the desktop or the environment (http_proxy, no_proxy) names, for this download only
class SystemProxies : public QNetworkProxyFactory
{
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override
    {
        return systemProxyForQuery(query);
    }
};

} // namespace

SeasonDownload::SeasonDownload(QObject* parent)
    : QObject(parent)
    , manager(new QNetworkAccessManager(this))
    , stallTimer(new QTimer(this))
    , base(storedSeasonBaseUrl())
{
    manager->setProxyFactory(new SystemProxies);
    stallTimer->setSingleShot(true);
    connect(stallTimer, &QTimer::timeout, this, &SeasonDownload::stalled);
}

void SeasonDownload::setBaseUrl(const QUrl& url)
{
    base = url;
}

void SeasonDownload::setStallTimeout(int milliseconds)
{
    stallTimeout = milliseconds;
}

void SeasonDownload::start(const QString& seasonWanted)
{
    if (running())
        return;
    wanted = seasonWanted;
    cancelled = false;
    request(wanted);
}

void SeasonDownload::cancel()
{
    if (!running())
        return;
    cancelled = true;
    reply->abort();
}

bool SeasonDownload::running() const
{
    return reply != nullptr;
}

void SeasonDownload::request(const QString& requested)
{
    season = requested;
    body.clear();
    timedOut = false;
    QNetworkRequest request(seasonFileUrl(base, season));
    // uncompressed, so that the body is as long as its Content-Length says
    request.setRawHeader("Accept-Encoding", "identity");
    if (QFileInfo::exists(keptSeasonPath(season))) {
        const SeasonValidators validators = storedValidators(season);
        if (!validators.etag.isEmpty())
            request.setRawHeader("If-None-Match", validators.etag);
        if (!validators.lastModified.isEmpty())
            request.setRawHeader("If-Modified-Since", validators.lastModified);
    }
    reply = manager->get(request);
    connect(reply, &QNetworkReply::readyRead, this, &SeasonDownload::readBody);
    connect(reply, &QNetworkReply::finished, this, &SeasonDownload::answerArrived);
    stallTimer->start(stallTimeout);
}

// at once for every chunk: QNetworkReply's own progress signal holds back the first ones
void SeasonDownload::readBody()
{
    body += reply->readAll();
    stallTimer->start(stallTimeout);
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    emit progress(body.size(), length.isValid() ? length.toLongLong() : -1);
}

void SeasonDownload::stalled()
{
    timedOut = true;
    reply->abort();
}

void SeasonDownload::answerArrived()
{
    stallTimer->stop();
    // an aborted reply is closed, with nothing more to read
    if (reply->isOpen())
        body += reply->readAll();
    QNetworkReply* answer = std::exchange(reply, nullptr);
    answer->deleteLater();
    const int status = answer->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (cancelled)
        return finish(SeasonOutcome::Cancelled, QStringLiteral("Update of %1 cancelled").arg(seasonFileName(season)));
    if (timedOut)
        return fail(QStringLiteral("the server sent nothing for %1 s").arg(stallTimeout / 1000.0));
    if (status == httpNotFound && season == wanted)
        return request(previousSeason(wanted));
    if (status == httpNotFound)
        return finish(SeasonOutcome::Failed,
                      QStringLiteral("Could not update the season schedule: neither %1 nor %2 is on the server (HTTP 404)")
                          .arg(seasonFileName(wanted), seasonFileName(season)));
    if (status == httpNotModified && QFileInfo::exists(keptSeasonPath(season)))
        return finish(SeasonOutcome::Current, QStringLiteral("%1 is already current").arg(seasonFileName(season)),
                      keptSeasonPath(season));
    if (status == httpOk)
        return keep(*answer);
    if (status == 0)
        return fail(answer->errorString());
    fail(QStringLiteral("the server answered HTTP %1 %2")
             .arg(status)
             .arg(answer->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()));
}

void SeasonDownload::keep(const QNetworkReply& answer)
{
    const QString path = keptSeasonPath(season);
    const QVariant length = answer.header(QNetworkRequest::ContentLengthHeader);
    const BodyCheck check = checkSeasonBody(body, length.isValid() ? length.toLongLong() : -1, keptRecordCount(path));
    if (!check.problem.isEmpty())
        return fail(check.problem);
    // all the bytes came, and yet the exchange failed
    if (answer.error() != QNetworkReply::NoError)
        return fail(answer.errorString());
    if (!QDir().mkpath(seasonFolder()))
        return fail(QStringLiteral("cannot create the folder %1").arg(seasonFolder()));
    const QString problem = keepSeasonFile(path, body);
    if (!problem.isEmpty())
        return fail(QStringLiteral("cannot write %1: %2").arg(path, problem));
    storeValidators(season, {answer.rawHeader("ETag"), answer.rawHeader("Last-Modified")});
    QString message = QStringLiteral("Downloaded %1: %2 broadcasts").arg(seasonFileName(season)).arg(check.records);
    if (season != wanted)
        message += QStringLiteral(" (%1 is not on the server yet)").arg(seasonFileName(wanted));
    finish(SeasonOutcome::Updated, message, path);
}

void SeasonDownload::finish(SeasonOutcome::Kind kind, const QString& message, const QString& path)
{
    emit finished({kind, path, message});
}

void SeasonDownload::fail(const QString& reason)
{
    finish(SeasonOutcome::Failed, QStringLiteral("Could not update %1: %2").arg(seasonFileName(season), reason));
}
