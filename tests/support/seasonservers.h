// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

namespace ledraTest {

// A season file of so many records, CR LF as published.
QByteArray seasonBody(int records);

// lighttpd serving a folder on 127.0.0.1 as the publisher's server does: ETag and
// Last-Modified, 304 to a conditional request for an unchanged file, 404 for a missing one.
struct Lighttpd
{
    ~Lighttpd();
    static bool installed();
    // an empty text once it listens, else what went wrong
    QString start();
    // serves the bytes as the file name; each call makes a new version (a later modification time)
    void serve(const QString& name, const QByteArray& bytes);
    QUrl url() const;
    // stops the server and returns its log, a line a request: "GET /sked-b26.csv 304 "etag""
    QStringList stop();

    QTemporaryDir folder;
    QProcess process;
    quint16 port = 0;
    int versions = 0;
};

// Answers every request with the same bytes, then closes the connection, or holds it open as a
// server that stops sending does. For the faults a real server is not made to produce.
class ScriptedServer : public QObject
{
    Q_OBJECT

public:
    ScriptedServer(const QByteArray& answer, bool holdOpen);
    QUrl url() const;

    QList<QByteArray> requests;   // the head of each request

private:
    void answer(QTcpSocket* socket);

    QTcpServer server;
    QHash<QTcpSocket*, QByteArray> pending;
    QByteArray bytes;
    bool holdOpen;
};

// A whole HTTP/1.1 answer; the Content-Length announces announced bytes (-1: the body's size).
QByteArray httpAnswer(const QByteArray& status, const QByteArray& type, const QByteArray& body,
                      qint64 announced = -1);

// A fault for ScriptedServer to play, and the reason the download gives. The kept copy before
// it holds keptRecords; PATH in the reason stands for the kept file's path.
struct SeasonFault
{
    const char* name;
    QByteArray answer;
    bool holdOpen;
    QString reason;
    bool diskFull = false;   // a good answer too big for the folder
};
const int keptRecords = 20;
QList<SeasonFault> seasonFaults(double stallSeconds);

} // namespace ledraTest

#define LEDRA_START_LIGHTTPD(lighttpd)                                                            \
    do {                                                                                          \
        if (!ledraTest::Lighttpd::installed())                                                    \
            QSKIP("lighttpd is not installed (Debian package lighttpd): no real server to ask");  \
        const QString failure = (lighttpd).start();                                               \
        QVERIFY2(failure.isEmpty(), qPrintable(failure));                                         \
    } while (false)
