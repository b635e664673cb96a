// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

// What a download came to.
struct SeasonOutcome
{
    enum Kind { Updated, Current, Failed, Cancelled };
    Kind kind = Failed;
    QString path;      // the kept file, for Updated and Current
    QString message;   // in words, for the user
};

// Fetches the season file of a season into the season folder (see seasonstore.h): the season's
// own file, or the one before when the server has none yet (HTTP 404). The request carries
// what the server said of the kept copy, so an unchanged file costs one short exchange. Nothing
// kept is touched unless a complete, readable answer replaces it.
class SeasonDownload : public QObject
{
    Q_OBJECT

public:
    explicit SeasonDownload(QObject* parent = nullptr);

    void setBaseUrl(const QUrl& base);
    // how long the server may send nothing before the download gives up
    void setStallTimeout(int milliseconds);

    void start(const QString& season);
    void cancel();
    bool running() const;

signals:
    void progress(qint64 received, qint64 total); // total -1 while unknown
    void finished(const SeasonOutcome& outcome);

private:
    void request(const QString& season);
    void readBody();
    void answerArrived();
    void stalled();
    void keep(const QNetworkReply& answer);
    void finish(SeasonOutcome::Kind kind, const QString& message, const QString& path = QString());
    void fail(const QString& reason);

    QNetworkAccessManager* manager;
    QTimer* stallTimer;
    QNetworkReply* reply = nullptr;
    QUrl base;
    int stallTimeout = 30 * 1000;
    QString wanted;      // the season asked for
    QString season;      // the season now requested: wanted, or the one before
    QByteArray body;
    bool cancelled = false;
    bool timedOut = false;
};
