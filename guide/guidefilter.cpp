// SPDX-License-Identifier: GPL-3.0-or-later
#include "guide/guidewindow.h"

#include "guide/guidemodel.h"
#include "guide/receiverfollower.h"
#include "season/core/seasoncodes.h"
#include "ui_guidewindow.h"

#include <QComboBox>
#include <QSignalBlocker>

#include <algorithm>
#include <functional>

namespace {

// how far from the receiver's frequency Follow receiver still shows a broadcast
const double followKhz = 5;

// fills a filter box with an "all" item and then code and name of each code, in code order
void fillBox(QComboBox* box, const QString& all, const QSet<QStringView>& codes,
             const std::function<QString(const QString&)>& nameOf)
{
    QStringList sorted;
    for (QStringView code : codes) {
        if (!code.isEmpty())
            sorted.append(code.toString());
    }
    std::sort(sorted.begin(), sorted.end());
    const QSignalBlocker quiet(box);
    box->clear();
    box->addItem(all, QString());
    for (const QString& code : sorted) {
        const QString name = nameOf(code);
        box->addItem(name.isEmpty() ? code : code + QStringLiteral("  ") + name, code);
    }
}

} // namespace

void GuideWindow::fillFilterBoxes()
{
    const CodeNames& names = model->names();
    const SeasonCodes codes = seasonCodes(model->records());
    {
        const QSignalBlocker quiet(ui->guideBand);
        ui->guideBand->clear();
        ui->guideBand->addItem(tr("All bands"), QString());
        for (const Band& band : bands()) {
            if (codes.bands.contains(band.name))
                ui->guideBand->addItem(band.name, band.name);
        }
    }
    fillBox(ui->guideLanguage, tr("All languages"), codes.languages, [&names](const QString& code) { return names.language(code); });
    fillBox(ui->guideTarget, tr("All targets"), codes.targets, [&names](const QString& code) { return names.target(code); });
    fillBox(ui->guideCountry, tr("All countries"), codes.countries, [&names](const QString& code) { return names.country(code); });
}

void GuideWindow::applyFilter()
{
    SeasonFilter filter;
    filter.foldedFind = ui->guideFind->text().toCaseFolded();
    KhzRange range;
    if (bandNamed(ui->guideBand->currentData().toString(), range))
        filter.ranges.append(range);
    filter.language = ui->guideLanguage->currentData().toString();
    filter.target = ui->guideTarget->currentData().toString();
    filter.country = ui->guideCountry->currentData().toString();
    filter.atMoment = ui->guideOnAir->isChecked();
    filter.withinKm = model->hasLocation() ? ui->guideWithin->value() : 0;
    filter.moment = airMoment(moment);
    const double receiverKhz = follower->khz();
    if (follower->active() && receiverKhz >= 0) {
        filter.ranges.append({receiverKhz - followKhz, receiverKhz + followKhz});
        filter.atMoment = true;
        filtered->setFilter(filter, receiverKhz);
    } else {
        filtered->setFilter(filter);
    }
    showCount();
}
