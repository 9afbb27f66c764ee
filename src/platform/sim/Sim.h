#pragma once
// Every sim service together, handed out as one Platform.

#include "platform/Platform.h"
#include "platform/sim/SimPlatform.h"
#include "platform/sim/SimShell.h"

namespace tesvar::sim {

struct Sim {
    SimFileSystem files;
    SimSound sound;
    SimDialogs dialogs;
    SimSystemInfo system;
    SimShell shell;
    Platform platform{files, sound, dialogs, system, shell};
};

}  // namespace tesvar::sim
