// SPDX-License-Identifier: GPL-3.0-or-later
#include "guide/guidemodel.h"
#include "guide/guidewindow.h"
#include "log/core/logstats.h"
#include "ui_guidewindow.h"

#include <QBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace {

// puts the widget right after another one in whichever box layout holds that one
void placeAfter(QWidget* window, QWidget* beside, QWidget* widget)
{
    for (QBoxLayout* box : window->findChildren<QBoxLayout*>()) {
        const int at = box->indexOf(beside);
        if (at >= 0) {
            box->insertWidget(at + 1, widget);
            return;
        }
    }
}

} // namespace

void GuideWindow::setUpHeard()
{
    heardButton = new QPushButton(tr("Heard it"), this);
    heardButton->setObjectName(QStringLiteral("guideHeard"));
    heardButton->setToolTip(tr("Log the selected broadcast as heard now"));
    placeAfter(this, ui->guideTune, heardButton);
    heardLine = new QLabel(this);
    heardLine->setObjectName(QStringLiteral("guideHeardLine"));
    placeAfter(this, ui->guideDistance, heardLine);
    connect(heardButton, &QPushButton::clicked, this, [this] {
        const QModelIndexList rows = ui->guideTable->selectionModel()->selectedRows();
        if (rows.size() != 1) {
            QMessageBox::information(nullptr, QStringLiteral("Notice"),
                                     QStringLiteral("You must select one broadcast for Heard it"));
            return;
        }
        emit heardRequested(model->record(filtered->sourceRow(rows.first().row())).line);
    });
    connect(filtered, &QAbstractItemModel::modelReset, this, &GuideWindow::showHeardLine);
    connect(ui->guideTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &GuideWindow::showHeardLine);
    connect(ui->guideTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &GuideWindow::showHeardLine);
}

void GuideWindow::showHeard(const QList<Reception>& receptions)
{
    heard = receptions;
    QSet<QString> keys;
    for (const Reception& reception : receptions)
        keys.insert(GuideModel::heardKey(reception.station, reception.khz));
    model->setHeard(keys);
    showHeardLine();
}

void GuideWindow::showHeardLine()
{
    const QModelIndexList selected = ui->guideTable->selectionModel()->selectedRows();
    const QModelIndex current =
        selected.size() == 1 ? selected.first() : ui->guideTable->selectionModel()->currentIndex();
    if (!current.isValid()) {
        heardLine->clear();
        return;
    }
    const SeasonRecord& record = model->record(filtered->sourceRow(current.row()));
    heardLine->setText(heardBeforeText(heard, record.field(StationField).toString(), record.khz));
}
