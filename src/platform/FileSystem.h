#pragma once
#include <string>

namespace tesvar {

// The file system as the program sees it: paths are ANSI byte strings, used as given.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual std::string currentDirectory() = 0;
    // True when something exists at the path (file or folder).
    virtual bool fileExists(const std::string& path) = 0;
    // True when the path names an existing folder (the directory attribute is set).
    virtual bool directoryExists(const std::string& path) = 0;
};

}  // namespace tesvar
