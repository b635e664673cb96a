// Placeholders until the schedule subsystem lands.
#include "mainwindow.h"

#include <QCloseEvent>

void MainWindow::getdbfile(QString) {}
void MainWindow::savepelkin() {}
void MainWindow::on_savedata_clicked() {}
void MainWindow::on_sortnow_clicked() {}
void MainWindow::closeEvent(QCloseEvent* event) { event->accept(); }
void MainWindow::on_go_clicked() {}
