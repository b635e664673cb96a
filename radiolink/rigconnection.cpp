// SPDX-License-Identifier: GPL-3.0-or-later
#include "radiolink/rigconnection.h"

#include "radiolink/hamlibrig.h"
#include "radiolink/rigctlrig.h"

#include <hamlib/rig.h>

// Hamlib 4.5's own network model asks the server for its lock mode before setting a mode and,
// when that fails (gqrx knows no such command), reports success without sending the mode.
std::unique_ptr<RigConnection> makeRigConnection(const ReceiverSettings& settings)
{
    if (settings.hamlibModel == RIG_MODEL_NETRIGCTL)
        return std::make_unique<RigctlRig>(settings.hamlibPort);
    return std::make_unique<HamlibRig>(settings);
}
