#pragma once
#include <windows.h>

#include "platform/ShellLinks.h"

namespace tesvar::win32 {

class WinShellLinks : public ShellLinks {
public:
    std::unique_ptr<ShellLink> create() override;
};

}  // namespace tesvar::win32
