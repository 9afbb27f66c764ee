#pragma once
#include <memory>
#include <string>

#include "platform/Desktop.h"

namespace tesvar {

namespace slr {
constexpr unsigned kNoUpdate = 0x0008;
}
namespace slgp {
constexpr unsigned kUncPriority = 0x0002;
}

// One instance of the shell's shortcut object, seen through IShellLinkA and IPersistFile;
// both interfaces are released when it is destroyed.
class ShellLink {
public:
    virtual ~ShellLink() = default;
    // IPersistFile::Load of the shortcut file (path in UTF-16, STGM_READ).
    virtual bool load(const std::string& path) = 0;
    // IShellLinkA::Resolve; the shell may show its own dialog over `owner` while it searches.
    virtual bool resolve(WindowHandle owner, unsigned flags) = 0;
    // IShellLinkA::GetPath into a buffer of 261 characters with a find-data record.
    virtual bool getPath(std::string& path, unsigned flags) = 0;
};

// Makes shortcut objects (CoCreateInstance of CLSID_ShellLink on the calling thread, which
// has joined a single-threaded apartment).
class ShellLinks {
public:
    virtual ~ShellLinks() = default;
    // Raises ComError when the object or one of its interfaces is not available.
    virtual std::unique_ptr<ShellLink> create() = 0;
};

}  // namespace tesvar
