// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "geo/core/geoposition.h"

#include <QString>

#include <optional>

// The listener's location as typed under Settings > My location..., in the guide's store
// ("Morvath" / "Ledra-guide", key "location"); an empty text means none.
QString storedLocationText();
void storeLocationText(const QString& text);

// The stored location read as a position; none when it is empty or refused.
std::optional<GeoPosition> storedLocation();
