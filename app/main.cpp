#include "mainwindow.h"

#include <QApplication>
#include <QLoggingCategory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // The Set UDP Ports action is connected by hand: the name of its slot matches no object of
    // the window, which Qt would otherwise report at every start.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.core.qmetaobject.connectslotsbyname=false"));
    int result = 0;
    {
        // the window's destructor writes the settings before the application goes
        MainWindow window;
        window.show();
        result = app.exec();
    }
    return result;
}
