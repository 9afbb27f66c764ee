#pragma once
// Every sim service together, handed out as one Platform.

#include "platform/Platform.h"
#include "platform/sim/SimClipboard.h"
#include "platform/sim/SimDesktop.h"
#include "platform/sim/SimPlatform.h"
#include "platform/sim/SimRegistry.h"
#include "platform/sim/SimShell.h"
#include "platform/sim/SimShellLinks.h"
#include "platform/sim/SimSkin.h"

namespace tesvar::sim {

struct Sim {
    SimFileSystem files;
    SimSound sound;
    SimDialogs dialogs;
    SimSystemInfo system;
    SimShell shell;
    SimRegistry registry;
    SimDesktop desktop;
    SimShellLinks links;
    SimSkin skin{files};
    SimClipboard clipboard;
    Platform platform{files, sound, dialogs, system, shell, registry, desktop, links, skin, clipboard};
};

}  // namespace tesvar::sim
