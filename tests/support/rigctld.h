// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTest>

class MainWindow;

namespace ledraTest {

// "127.0.0.1:PORT", as the network rig model is pointed at a server
QString address(quint16 port);

// a TCP port on this host that nothing listens on
quint16 unusedPort();

// an empty text once something listens on the port, else "<name> does not listen"
QString waitForListener(quint16 port, const QString& name);

// rigctl's answers through the network model, one a line (for "f m": frequency, then mode)
QStringList rigctl(quint16 port, const QStringList& commands);

// Go and the guide reach the rig at address through Hamlib's network model
void useHamlib(MainWindow& window, const QString& address);

bool rigctldInstalled();

// Hamlib's dummy rig behind rigctld on a free port, as a real rig would be; ends with this object.
struct Rigctld
{
    ~Rigctld();
    // an empty text once rigctld listens, else what went wrong
    QString start();

    QProcess process;
    quint16 port = 0;
};

} // namespace ledraTest

#define LEDRA_START_RIGCTLD(rigctld)                                                                        \
    do {                                                                                                    \
        if (!ledraTest::rigctldInstalled())                                                                 \
            QSKIP("rigctld is not installed (Debian package libhamlib-utils): the Hamlib link goes untested"); \
        const QString failure = (rigctld).start();                                                          \
        QVERIFY2(failure.isEmpty(), qPrintable(failure));                                                   \
    } while (false)
