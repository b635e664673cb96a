// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>

// The season guide's own store, "Morvath" / "Ledra-guide", apart from the main window's
// settings. Like every store it stays unopened when its file is no regular file.
enum class GuideKey {
    LastFile,          // the season file the guide showed last
    Location,          // the listener's location as typed; empty for none
    SeasonBaseUrl,     // the folder season files are downloaded from
    SeasonAutoUpdate,  // the daily check for a newer season file
    SeasonLastCheck,   // when that check last ran (UTC)
    SeasonValidators,  // a group: <season>/etag and <season>/lastModified of each kept copy
    Splitter,          // where the guide window's splitter parts the table and the band map
};

// The key's name in the store, with the part below a group's name (a season's "b26/etag").
QString guideKeyName(GuideKey key, const QString& below = QString());

QVariant guideDefault(GuideKey key);
// The stored value, or the key's default.
QVariant guideValue(GuideKey key, const QString& below = QString());
void setGuideValue(GuideKey key, const QVariant& value, const QString& below = QString());
