#include "mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    int result = 0;
    {
        // the window's destructor writes the settings before the application goes
        MainWindow window;
        window.show();
        result = app.exec();
    }
    return result;
}
