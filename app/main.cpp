// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/commandline.h"
#include "app/mainwindow.h"

#include <QApplication>
#include <QLoggingCategory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ledra"));
    QApplication::setApplicationVersion(QStringLiteral(LEDRA_VERSION));
    const QString scheduleFile = scheduleFileFromCommandLine(QApplication::arguments());
    // The Set UDP Ports action is connected by hand: the name of its slot matches no object of
    // the window, which Qt would otherwise report at every start.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.core.qmetaobject.connectslotsbyname=false"));
    int result = 0;
    {
        // the window's destructor writes the settings before the application goes
        MainWindow window;
        window.show();
        // a file named on the command line goes through the same checks as a picked one
        if (!scheduleFile.isEmpty())
            window.getdbfile(scheduleFile);
        result = app.exec();
    }
    return result;
}
