// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// One rig model that the linked Hamlib can drive.
struct RigModel
{
    int number;
    QString maker;
    QString model;

    // "Maker Model (number)", as the receiver dialog lists it
    QString label() const;
};

// Quiets Hamlib's own messages and makes every model known; once per process, from any thread.
void loadHamlibBackends();

// Every model the linked Hamlib knows, sorted by maker, then model, then number.
QList<RigModel> hamlibRigModels();
