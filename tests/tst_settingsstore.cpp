// SPDX-License-Identifier: GPL-3.0-or-later
// What the settings stores and the guide's last file refuse to open, without a window.
#include "app/core/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

class TestSettingsStore : public QObject
{
    Q_OBJECT
private slots:
    void notRegularFileKind_data()
    {
        QTest::addColumn<QString>("name"); // in a fresh folder holding each kind of thing
        QTest::addColumn<QString>("kind");
        QTest::newRow("missing") << "missing" << "";
        QTest::newRow("link to a regular file") << "link-to-file" << "";
        QTest::newRow("folder") << "folder" << "a folder";
        QTest::newRow("named pipe") << "pipe" << "a named pipe";
        QTest::newRow("link to a named pipe") << "link-to-pipe" << "a named pipe";
        QTest::newRow("device") << "/dev/null" << "a device";
        QTest::newRow("no path") << "" << "";
    }
    void notRegularFileKind()
    {
        QFETCH(QString, name);
        QTemporaryDir folder;
        const QString in = folder.path() + '/';
        QFile file(in + "file");
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(QDir(folder.path()).mkdir("folder"));
        QCOMPARE(::mkfifo(QFile::encodeName(in + "pipe").constData(), 0600), 0);
        QVERIFY(QFile::link(in + "file", in + "link-to-file"));
        QVERIFY(QFile::link(in + "pipe", in + "link-to-pipe"));
        const QString path = name.startsWith('/') || name.isEmpty() ? name : in + name;
        QTEST(::notRegularFileKind(path), "kind");
    }
};

QTEST_APPLESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
