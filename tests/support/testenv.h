// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QApplication>
#include <QString>
#include <QTest>

namespace ledraTest {

// Gives the test process a home folder and settings store of its own; call before QApplication.
void usePrivateHome();

// The private home folder and its Documents folder.
QString homeFolder();
QString documentsFolder();

// Empties the Documents folder (removing it too when removeFolder) and the settings stores,
// so the next window starts as on a first run.
void resetHome(bool removeFolder = false);

// Writes a file with exactly these bytes; creates missing folders.
void writeFile(const QString& path, const QByteArray& bytes);

// The bytes of a file, or an empty array when it cannot be read.
QByteArray readFile(const QString& path);

} // namespace ledraTest

#define LEDRA_TEST_MAIN(TestObject)                      \
    int main(int argc, char* argv[])                      \
    {                                                     \
        ledraTest::usePrivateHome();                      \
        QApplication app(argc, argv);                     \
        QApplication::setOrganizationName("Morvath");     \
        QApplication::setApplicationName("Ledra");        \
        TestObject test;                                  \
        return QTest::qExec(&test, argc, argv);           \
    }
