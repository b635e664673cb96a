// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/core/settingsstore.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>
#include <QSettings>
#include <QStandardPaths>

#include <cstdio>

#include <sys/stat.h>

namespace {

// where QSettings("Morvath", name) keeps its file
QString storePath(const QString& name)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/Morvath/") + name + QStringLiteral(".conf");
}

} // namespace

QString notRegularFileKind(const QString& path)
{
    struct stat status;
    if (path.isEmpty() || ::stat(QFile::encodeName(path).constData(), &status) != 0 || S_ISREG(status.st_mode))
        return QString();
    if (S_ISDIR(status.st_mode))
        return QStringLiteral("a folder");
    if (S_ISFIFO(status.st_mode))
        return QStringLiteral("a named pipe");
    if (S_ISSOCK(status.st_mode))
        return QStringLiteral("a socket");
    return QStringLiteral("a device");
}

QString reportSkippedPath(const QString& path, const QString& kind)
{
    static QSet<QString> reported;
    const QString text = QStringLiteral("skipped \"%1\": %2, not a regular file").arg(path, kind);
    if (!reported.contains(path)) {
        reported.insert(path);
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(text));
    }
    return text;
}

SettingsStore::SettingsStore(const QString& name)
{
    // QSettings reads the file as it opens and takes the lock file to write
    const QString file = storePath(name);
    for (const QString& used : {file, file + QStringLiteral(".lock")}) {
        const QString kind = notRegularFileKind(used);
        if (!kind.isEmpty()) {
            reportSkippedPath(used, kind);
            return;
        }
    }
    // by its file name, so that no organisation-wide or system-wide file is read besides it
    settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
}

SettingsStore::~SettingsStore() = default;

QVariant SettingsStore::value(const QString& key, const QVariant& fallback) const
{
    return settings ? settings->value(key, fallback) : fallback;
}

void SettingsStore::setValue(const QString& key, const QVariant& value)
{
    if (settings)
        settings->setValue(key, value);
}
