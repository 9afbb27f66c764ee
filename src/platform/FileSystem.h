#pragma once
#include <string>
#include <vector>

namespace tesvar {

// The file system as the program sees it: paths are ANSI byte strings, used as given
// (a relative path is taken from the current directory).
class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual std::string currentDirectory() = 0;
    virtual bool setCurrentDirectory(const std::string& path) = 0;
    // True when a file (not a folder) exists at the path.
    virtual bool fileExists(const std::string& path) = 0;
    // True when the path names an existing folder (the directory attribute is set).
    virtual bool directoryExists(const std::string& path) = 0;
    // The whole file. Raises FileError with the system's code when it cannot be opened or
    // read (marked `opened` when reading failed after the file was opened).
    virtual std::string readFile(const std::string& path) = 0;
    // Writes the file through a temporary file in the same folder that then replaces it, so
    // the path holds either the old or the complete new content. Raises FileError; on any
    // failure the old file is unchanged and the temporary is gone.
    virtual void writeFile(const std::string& path, const std::string& bytes) = 0;
    // The names (no folder) of the entries matching a pattern such as "D:\box\*.txt", files
    // and folders of every attribute, in the order the directory listing gives them.
    virtual std::vector<std::string> listFiles(const std::string& pattern) = 0;
};

}  // namespace tesvar
