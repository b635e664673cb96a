// SPDX-License-Identifier: GPL-3.0-or-later
#include "radiolink/rigmodels.h"

#include <hamlib/rig.h>

#include <algorithm>
#include <clocale>

namespace {

int collectModel(const rig_caps* caps, void* models)
{
    static_cast<QList<RigModel>*>(models)->append(
        {int(caps->rig_model), QString::fromUtf8(caps->mfg_name).trimmed(),
         QString::fromUtf8(caps->model_name).trimmed()});
    return 1; // go on with the next model
}

bool listedBefore(const RigModel& a, const RigModel& b)
{
    if (const int byMaker = a.maker.compare(b.maker, Qt::CaseInsensitive))
        return byMaker < 0;
    if (const int byModel = a.model.compare(b.model, Qt::CaseInsensitive))
        return byModel < 0;
    return a.number < b.number;
}

} // namespace

QString RigModel::label() const
{
    return QStringLiteral("%1 %2 (%3)").arg(maker, model).arg(number);
}

void loadHamlibBackends()
{
    // Hamlib registers a model again at every load, so the backends are loaded once per process
    static const bool loaded = [] {
        // Opening a rig saves the name of the numeric locale, switches to "C" and puts the saved
        // name back; the C library frees that name at the switch unless it is "C" already, so
        // the restore would read freed memory. Numbers in Qt do not depend on it.
        std::setlocale(LC_NUMERIC, "C");
        rig_set_debug(RIG_DEBUG_NONE);
        rig_load_all_backends();
        return true;
    }();
    Q_UNUSED(loaded);
}

QList<RigModel> hamlibRigModels()
{
    loadHamlibBackends();
    QList<RigModel> models;
    rig_list_foreach(collectModel, &models);
    std::sort(models.begin(), models.end(), listedBefore);
    return models;
}
