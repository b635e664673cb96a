// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>

#include <memory>

class QSettings;

// What the thing at path is when it must be left alone, "a named pipe" for one: opening a named
// pipe waits for a writer for ever. Empty when path is missing or a regular file (or a link to one).
QString notRegularFileKind(const QString& path);

// "skipped "<path>": <kind>, not a regular file"; said once a run on stderr too, after the
// program's name.
QString reportSkippedPath(const QString& path, const QString& kind);

// One of the program's settings stores, the file <config folder>/Morvath/<name>.conf. When that
// file or its lock file is there but is no regular file, the store is never opened: each value is
// its fallback and nothing is written.
class SettingsStore
{
public:
    explicit SettingsStore(const QString& name);
    ~SettingsStore();

    QVariant value(const QString& key, const QVariant& fallback = QVariant()) const;
    void setValue(const QString& key, const QVariant& value);

private:
    std::unique_ptr<QSettings> settings;
};
