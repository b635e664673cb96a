// SPDX-License-Identifier: GPL-3.0-or-later
#include "schedule/core/wholefile.h"

#include "schedule/core/scheduleformat.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>

namespace {

// the bytes into the file beside its place, not yet put there
QString writeBeside(QSaveFile& file, const QByteArray& bytes)
{
    // unbuffered, so that a short write is retried here and the retry reports why it failed
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            return file.errorString();
        written += count;
    }
    return QString();
}

} // namespace

QString writeWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    const QString problem = writeBeside(file, bytes);
    if (!problem.isEmpty())
        return problem;
    return file.commit() ? QString() : file.errorString();
}

Replacement replaceKeepingBackup(const QString& path, const QString& backupPath, const QByteArray& bytes, Backup backup)
{
    Replacement result;
    result.hadFile = QFileInfo::exists(path);
    auto file = std::make_unique<QSaveFile>(path);
    const QString writeProblem = writeBeside(*file, bytes);
    // what a failed write left beside the file goes first, so that its room serves the backup
    if (!writeProblem.isEmpty())
        file.reset();
    QString backupProblem;
    if (result.hadFile && (writeProblem.isEmpty() || backup == Backup::Attempted)) {
        backupProblem = copyWholeFile(path, backupPath);
        result.backedUp = backupProblem.isEmpty();
    }
    if (!writeProblem.isEmpty())
        result.problem = writeProblem;
    else if (result.hadFile && !result.backedUp && backup == Backup::Required)
        result.problem = backupProblem;
    else if (!file->commit())
        result.problem = file->errorString();
    return result;
}

QString copyWholeFile(const QString& from, const QString& to)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        return source.errorString();
    const QByteArray bytes = source.readAll();
    if (source.error() != QFileDevice::NoError)
        return source.errorString();
    return writeWholeFile(to, bytes);
}

ScheduleRead readScheduleFile(const QString& path, bool picked)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return {QString(), QStringLiteral("\"%1\" is not a regular file").arg(path)};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {QString(), file.errorString()};
    // room for a first line of the full limit and its CR LF
    if (picked && !isOrvaneFirstLine(file.peek(firstLineLimit + 2)))
        return {QString(), QStringLiteral("Can't load Pelkin format file")};
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return {QString(), file.errorString()};
    return {decodeScheduleText(bytes), QString()};
}
