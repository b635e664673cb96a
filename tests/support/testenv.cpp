// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/testenv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

namespace ledraTest {

namespace {
QTemporaryDir* privateHome = nullptr;
}

void usePrivateHome()
{
    privateHome = new QTemporaryDir(QDir::tempPath() + QStringLiteral("/ledra-test-XXXXXX"));
    const QByteArray home = QFile::encodeName(privateHome->path());
    qputenv("HOME", home);
    qputenv("XDG_CONFIG_HOME", home + "/.config");
    qputenv("XDG_DATA_HOME", home + "/.local/share");
}

QString homeFolder()
{
    return privateHome->path();
}

QString documentsFolder()
{
    return homeFolder() + QStringLiteral("/Documents");
}

void resetHome(bool removeFolder)
{
    QDir documents(documentsFolder());
    if (removeFolder) {
        documents.removeRecursively();
    } else if (documents.exists()) {
        const QFileInfoList entries =
            documents.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        for (const QFileInfo& entry : entries) {
            if (entry.isDir() && !entry.isSymLink())
                QDir(entry.filePath()).removeRecursively();
            else
                QFile::remove(entry.filePath());
        }
    } else {
        QDir(homeFolder()).mkdir(QStringLiteral("Documents"));
    }
    for (const QString& store : {QStringLiteral("Ledra"), QStringLiteral("Ledra-window")}) {
        QSettings settings(QCoreApplication::organizationName(), store);
        settings.clear();
        settings.sync();
    }
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    QCOMPARE(file.write(bytes), qint64(bytes.size()));
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

} // namespace ledraTest
