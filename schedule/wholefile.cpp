// SPDX-License-Identifier: GPL-3.0-or-later
#include "wholefile.h"

#include <QFile>
#include <QSaveFile>

QString writeWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    // unbuffered, so that a short write is retried here and the retry reports why it failed
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            return file.errorString();
        written += count;
    }
    return file.commit() ? QString() : file.errorString();
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
