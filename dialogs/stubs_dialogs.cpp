// Placeholders until the dialogs land.
#include "mainwindow.h"

bool MainWindow::loadDbFile(QWidget*) { return false; }
void MainWindow::on_loadnow_clicked() {}
void MainWindow::on_actionSet_UDP_Ports_triggered() {}
