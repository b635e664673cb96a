// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/seasonservers.h"

#include "tests/support/rigctld.h"
#include "tests/support/testenv.h"

#include <QDateTime>
#include <QFile>
#include <QStandardPaths>
#include <QTcpSocket>

#include <utility>

namespace ledraTest {

namespace {

QString lighttpdProgram()
{
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("lighttpd"));
    return onPath.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("lighttpd"), {"/usr/sbin"}) : onPath;
}

} // namespace

QByteArray seasonBody(int records)
{
    QByteArray text = "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;Remarks:135;P:35;"
                      "Start:60;Stop:60;\r\n";
    for (int record = 0; record < records; ++record)
        text += QByteArray::number(5900 + record * 5) + ";0000-0100;;D;Station " + QByteArray::number(record)
                + ";E;Eu;;;;\r\n";
    return text;
}

Lighttpd::~Lighttpd()
{
    process.kill();
    process.waitForFinished();
}

bool Lighttpd::installed()
{
    return !lighttpdProgram().isEmpty();
}

QString Lighttpd::start()
{
    port = unusedPort();
    const QString root = folder.filePath(QStringLiteral("htdocs"));
    writeFile(root + QStringLiteral("/.keep"), QByteArray());
    const QString config = folder.filePath(QStringLiteral("lighttpd.conf"));
    writeFile(config, QStringLiteral("server.document-root = \"%1\"\n"
                                     "server.bind = \"127.0.0.1\"\n"
                                     "server.port = %2\n"
                                     "server.errorlog = \"%3/error.log\"\n"
                                     // each request sees the file as it is now
                                     "server.stat-cache-engine = \"disable\"\n"
                                     "server.modules += (\"mod_accesslog\")\n"
                                     "accesslog.filename = \"%3/access.log\"\n"
                                     "accesslog.format = \"%m %U %>s %{If-None-Match}i\"\n"
                                     "mimetype.assign = (\".csv\" => \"text/csv\")\n")
                          .arg(root)
                          .arg(port)
                          .arg(folder.path())
                          .toUtf8());
    process.start(lighttpdProgram(), {"-D", "-f", config});
    return process.waitForStarted() ? waitForListener(port, QStringLiteral("lighttpd")) : process.errorString();
}

void Lighttpd::serve(const QString& name, const QByteArray& bytes)
{
    const QString path = folder.filePath(QStringLiteral("htdocs/") + name);
    writeFile(path, bytes);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    // a new version, even within the same second
    QVERIFY(file.setFileTime(QDateTime(QDate(2026, 1, 1), QTime(0, 0), Qt::UTC).addSecs(60 * ++versions),
                             QFileDevice::FileModificationTime));
}

QUrl Lighttpd::url() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1/dx/").arg(port));
}

QStringList Lighttpd::stop()
{
    // the log is written out as the server ends
    process.terminate();
    process.waitForFinished();
    return QString::fromUtf8(readFile(folder.filePath(QStringLiteral("access.log"))))
        .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

ScriptedServer::ScriptedServer(const QByteArray& answer, bool holdOpen)
    : bytes(answer)
    , holdOpen(holdOpen)
{
    server.listen(QHostAddress::LocalHost);
    connect(&server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server.nextPendingConnection())
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { this->answer(socket); });
    });
}

QUrl ScriptedServer::url() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1/dx/").arg(server.serverPort()));
}

void ScriptedServer::answer(QTcpSocket* socket)
{
    QByteArray& head = pending[socket];
    head += socket->readAll();
    if (!head.endsWith("\r\n\r\n"))
        return;
    requests.append(std::exchange(head, QByteArray()));
    socket->write(bytes);
    if (!holdOpen)
        socket->disconnectFromHost();
}

QByteArray httpAnswer(const QByteArray& status, const QByteArray& type, const QByteArray& body, qint64 announced)
{
    return "HTTP/1.1 " + status + "\r\nContent-Type: " + type + "\r\nContent-Length: "
           + QByteArray::number(announced < 0 ? body.size() : announced) + "\r\nConnection: close\r\n\r\n" + body;
}

QList<SeasonFault> seasonFaults(double stallSeconds)
{
    const QByteArray big = seasonBody(200);
    return {
        {"HTTP 500", httpAnswer("500 Internal Server Error", "text/plain", "broken"), false,
         QStringLiteral("the server answered HTTP 500 Internal Server Error")},
        {"web page", httpAnswer("200 OK", "text/html", "<!DOCTYPE html>\n<title>Moved</title>\n"), false,
         QStringLiteral("the answer is not a season schedule: its first line does not begin with \"kHz:\"")},
        {"cut short", httpAnswer("200 OK", "text/csv", big.left(1000), big.size()), false,
         QStringLiteral("the answer ended after 1000 of %1 bytes").arg(big.size())},
        {"a tenth", httpAnswer("200 OK", "text/csv", seasonBody(keptRecords / 10)), false,
         QStringLiteral("the answer holds 2 broadcasts, fewer than half of the 20 in the kept copy")},
        {"stalls", httpAnswer("200 OK", "text/csv", big.left(1000), big.size()), true,
         QStringLiteral("the server sent nothing for %1 s").arg(stallSeconds)},
        {"disk full", httpAnswer("200 OK", "text/csv", big.repeated(10)), false,
         QStringLiteral("cannot write PATH: No space left on device"), true},
    };
}

} // namespace ledraTest
