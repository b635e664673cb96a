// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/core/guidestore.h"

#include "app/core/settingsstore.h"

namespace {

struct GuideKeyRow
{
    GuideKey key;
    const char* name;
    QVariant fallback;
};

const GuideKeyRow& rowOf(GuideKey key)
{
    static const GuideKeyRow rows[] = {
        {GuideKey::LastFile, "lastFile", QString()},
        {GuideKey::Location, "location", QString()},
        {GuideKey::SeasonBaseUrl, "seasonBaseUrl", QStringLiteral("http://www.eibispace.de/dx/")},
        {GuideKey::SeasonAutoUpdate, "seasonAutoUpdate", false},
        {GuideKey::SeasonLastCheck, "seasonLastCheck", QVariant()},
        {GuideKey::SeasonValidators, "seasonValidators", QString()},
        {GuideKey::Splitter, "splitter", QByteArray()},
    };
    return rows[int(key)];
}

SettingsStore guideStore()
{
    return SettingsStore(QStringLiteral("Ledra-guide"));
}

} // namespace

QString guideKeyName(GuideKey key, const QString& below)
{
    const QString name = QLatin1String(rowOf(key).name);
    return below.isEmpty() ? name : name + QLatin1Char('/') + below;
}

QVariant guideDefault(GuideKey key)
{
    return rowOf(key).fallback;
}

QVariant guideValue(GuideKey key, const QString& below)
{
    return guideStore().value(guideKeyName(key, below), rowOf(key).fallback);
}

void setGuideValue(GuideKey key, const QVariant& value, const QString& below)
{
    guideStore().setValue(guideKeyName(key, below), value);
}
