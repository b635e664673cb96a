// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recordings/core/recordingplan.h"

// Where a sound-card recording tunes the rig, as the receiver link does it: "udp:58084" for the
// UDP link's datagrams, a rigctl server's host:port, "hamlib" for a rig that only Hamlib
// reaches (left untuned, and said so), or empty for a rig left as it is.
QString udpTuning(quint16 port);

// Tunes the rig of a sound-card recording as Go does: through its rigctl server, with the
// mode and the frequency read back, or with the UDP link's datagrams. The empty text when
// tuned (or when there is nothing to tune), else what the recording says of it:
// "recorded untuned: <why>".
QString tuneForSound(const RecordingEntry& entry);
