// Placeholders until the editing subsystem lands.
#include "mainwindow.h"

void MainWindow::on_additem_clicked() {}
void MainWindow::on_deleteitem_clicked() {}
void MainWindow::on_leFreq_textChanged(QString) {}
bool MainWindow::d4test(QString) { return false; }
