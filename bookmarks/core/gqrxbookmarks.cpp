// SPDX-License-Identifier: GPL-3.0-or-later
#include "bookmarks/core/gqrxbookmarks.h"

#include "bookmarks/core/programmode.h"
#include "schedule/core/wholefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPair>
#include <QSet>

namespace {

// gqrx's normal passbands, as it sets them for "M <mode> 0"; it has no RTTY
const ProgramModes gqrxModes{{{"AM", 0, -5000, 5000}, {"AM-Sync", 0, -5000, 5000}, {"Narrow FM", 0, -5000, 5000},
                              {"USB", 0, 100, 2800}, {"LSB", 0, -2800, -100}, {"CW-U", 0, -250, 250},
                              {"CW-L", 0, -250, 250}, {"WFM (mono)", 0, -80000, 80000}, {}, {}}};
const char* const ledraTag = "Ledra";
const char* const ledraTagColor = "#c0ff00";
const int gqrxFields = 5;

using BookmarkKey = QPair<qint64, QString>;

// What merging needs to know of a file.
struct GqrxFile
{
    qsizetype tagsEnd = -1;        // where the empty line after the tags begins; -1 when none
    bool tagged = false;           // the tag "Ledra" is there
    QSet<BookmarkKey> bookmarks;
    QByteArray lineEnd = "\n";
};

// gqrx splits its lines at every ";", so a name keeps none
QString gqrxName(const QString& name)
{
    return QString(name).replace(QLatin1Char(';'), QLatin1Char(','));
}

QByteArray tagLine()
{
    return QString::fromLatin1(ledraTag).leftJustified(20).toUtf8() + "; " + ledraTagColor;
}

// the columns as wide as gqrx writes them
QByteArray bookmarkLine(qint64 hz, const QString& name, const ProgramMode& mode)
{
    return (QString::number(hz).rightJustified(12) + QStringLiteral("; ") + name.leftJustified(25) + QStringLiteral("; ")
            + QString::fromLatin1(mode.name).leftJustified(20) + QStringLiteral("; ")
            + QString::number(mode.bandwidth()).rightJustified(10) + QStringLiteral("; ") + QLatin1String(ledraTag))
        .toUtf8();
}

GqrxFile readGqrxFile(const QByteArray& file)
{
    GqrxFile read;
    if (file.contains("\r\n"))
        read.lineEnd = "\r\n";
    for (qsizetype from = 0; from < file.size();) {
        qsizetype end = file.indexOf('\n', from);
        if (end < 0)
            end = file.size();
        const QByteArray line = file.mid(from, end - from).trimmed();
        if (line.isEmpty() && read.tagsEnd < 0) {
            read.tagsEnd = from;
        } else if (!line.isEmpty() && !line.startsWith('#')) {
            const QList<QByteArray> fields = line.split(';');
            if (read.tagsEnd < 0)
                read.tagged = read.tagged || (fields.size() == 2 && fields.first().trimmed() == ledraTag);
            else if (fields.size() == gqrxFields)
                read.bookmarks.insert({fields.at(0).trimmed().toLongLong(), QString::fromUtf8(fields.at(1).trimmed())});
        }
        from = end + 1;
    }
    return read;
}

QByteArray newFileStart(const QByteArray& lineEnd)
{
    return "# Tag name          ;  color" + lineEnd + tagLine() + lineEnd + lineEnd
           + "# Frequency ; Name                     ; Modulation          ;  Bandwidth; Tags" + lineEnd;
}

} // namespace

BookmarkExport mergeGqrxBookmarks(const QByteArray& file, const QList<Broadcast>& broadcasts)
{
    const GqrxFile read = readGqrxFile(file);
    BookmarkExport result;
    QSet<BookmarkKey> there = read.bookmarks;
    QByteArray added;
    for (const Broadcast& broadcast : broadcasts) {
        const BookmarkKey key{broadcastHz(broadcast), gqrxName(broadcast.name)};
        if (there.contains(key)) {
            ++result.skipped;
            continue;
        }
        there.insert(key);
        added += bookmarkLine(key.first, key.second, programMode(gqrxModes, broadcast.modeCode, result.asAm))
                 + read.lineEnd;
        ++result.written;
    }
    if (result.written == 0) {
        result.bytes = file;
        return result;
    }
    if (file.trimmed().isEmpty()) {
        result.bytes = newFileStart(read.lineEnd) + added;
        return result;
    }
    result.bytes = file;
    if (!read.tagged && read.tagsEnd >= 0)
        result.bytes.insert(read.tagsEnd, tagLine() + read.lineEnd);
    if (!result.bytes.endsWith('\n'))
        result.bytes += read.lineEnd;
    // a file of tags alone: the bookmarks begin after an empty line
    if (read.tagsEnd < 0)
        result.bytes += (read.tagged ? QByteArray() : tagLine() + read.lineEnd) + read.lineEnd;
    result.bytes += added;
    return result;
}

QString gqrxBookmarksPath()
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    return (config.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : config)
           + QStringLiteral("/gqrx/bookmarks.csv");
}

QString mergeIntoGqrxFile(const QString& path, const QList<Broadcast>& broadcasts, BookmarkExport& result)
{
    QByteArray before;
    const bool existed = QFileInfo::exists(path);
    if (existed) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return file.errorString();
        before = file.readAll();
        if (file.error() != QFileDevice::NoError)
            return file.errorString();
    }
    result = mergeGqrxBookmarks(before, broadcasts);
    if (result.written == 0)
        return QString();
    const QString folder = QFileInfo(path).path();
    if (!QDir().mkpath(folder))
        return QStringLiteral("cannot make the folder \"%1\"").arg(folder);
    return replaceKeepingBackup(path, path + QStringLiteral(".bak"), result.bytes, Backup::Required).problem;
}
