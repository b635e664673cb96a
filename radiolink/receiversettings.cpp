// SPDX-License-Identifier: GPL-3.0-or-later
#include "radiolink/receiversettings.h"

#include "app/core/settingsstore.h"

namespace {

const char* const hamlibLink = "hamlib";
const char* const orvaneLink = "orvane";

} // namespace

bool ReceiverSettings::operator==(const ReceiverSettings& other) const
{
    return hamlib == other.hamlib && hamlibModel == other.hamlibModel
           && hamlibPort == other.hamlibPort && hamlibSpeed == other.hamlibSpeed;
}

ReceiverSettings ReceiverSettings::read()
{
    const SettingsStore store(QStringLiteral("Ledra-receiver"));
    ReceiverSettings settings;
    settings.hamlib = store.value(QStringLiteral("link")).toString() == QLatin1String(hamlibLink);
    settings.hamlibModel = store.value(QStringLiteral("hamlibModel"), settings.hamlibModel).toInt();
    settings.hamlibPort = store.value(QStringLiteral("hamlibPort"), settings.hamlibPort).toString();
    settings.hamlibSpeed = store.value(QStringLiteral("hamlibSpeed"), settings.hamlibSpeed).toInt();
    return settings;
}

void ReceiverSettings::write() const
{
    SettingsStore store(QStringLiteral("Ledra-receiver"));
    store.setValue(QStringLiteral("link"), QLatin1String(hamlib ? hamlibLink : orvaneLink));
    store.setValue(QStringLiteral("hamlibModel"), hamlibModel);
    store.setValue(QStringLiteral("hamlibPort"), hamlibPort);
    store.setValue(QStringLiteral("hamlibSpeed"), hamlibSpeed);
}
