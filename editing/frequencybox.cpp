#include "mainwindow.h"

#include "entryrules.h"
#include "ui_mainwindow.h"

#include <QItemSelectionModel>

void MainWindow::on_leFreq_textChanged(QString text)
{
    bool ok = false;
    const int frequency = text.toInt(&ok, 10);
    if (!ok) {
        if (!text.isEmpty())
            ui->leFreq->setText(QString());
        return;
    }

    QStringList frequencies;
    const int rows = ui->thetable->rowCount();
    frequencies.reserve(rows);
    for (int row = 0; row < rows; ++row)
        frequencies.append(getTableItem(row, 0));
    const int target = frequencyTargetRow(frequencies, frequency);
    if (target >= 0)
        ui->thetable->setCurrentCell(target, 0, QItemSelectionModel::Deselect);
}
