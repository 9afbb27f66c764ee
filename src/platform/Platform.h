#pragma once
#include "platform/Clipboard.h"
#include "platform/Desktop.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Registry.h"
#include "platform/Shell.h"
#include "platform/ShellLinks.h"
#include "platform/Skin.h"
#include "platform/Sound.h"
#include "platform/SystemInfo.h"

namespace tesvar {

// The services the program takes from the system, handed to the main window at creation.
struct Platform {
    FileSystem& files;
    Sound& sound;
    Dialogs& dialogs;
    SystemInfo& system;
    Shell& shell;
    Registry& registry;
    Desktop& desktop;
    ShellLinks& links;
    Skin& skin;
    Clipboard& clipboard;
};

}  // namespace tesvar
