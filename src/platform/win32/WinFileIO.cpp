// The text-file layer on the real file system: whole-file reads, and writes that replace
// the target only once the new content is completely on disk.

#include <vector>

#include "platform/Errors.h"
#include "platform/win32/WinPlatform.h"

namespace tesvar::win32 {

namespace {

[[noreturn]] void raiseLastError(bool opened = false) {
    const DWORD code = GetLastError();
    throw FileError(code ? static_cast<int>(code) : 5, opened);
}

class FileHandle {
public:
    explicit FileHandle(HANDLE h) : h_(h) {}
    ~FileHandle() { close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE get() const { return h_; }
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
    bool close() {
        if (!valid()) return true;
        const BOOL ok = CloseHandle(h_);
        h_ = INVALID_HANDLE_VALUE;
        return ok != FALSE;
    }

private:
    HANDLE h_;
};

// The folder part of a path. The scan steps over two-byte characters: a trail byte with the
// value of "\" (as in 乗, 81 5C) is no separator.
std::string folderOf(const std::string& path) {
    size_t slash = std::string::npos;
    for (size_t i = 0; i < path.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(path[i]);
        if (IsDBCSLeadByte(c) && i + 1 < path.size()) {
            ++i;
            continue;
        }
        if (c == '\\' || c == '/') slash = i;
    }
    if (slash == std::string::npos) return ".";
    if (slash == 2 && path.size() > 1 && path[1] == ':') return path.substr(0, 3);  // "C:\"
    return path.substr(0, slash);
}

}  // namespace

bool WinFileSystem::setCurrentDirectory(const std::string& path) { return SetCurrentDirectoryA(path.c_str()) != FALSE; }

std::string WinFileSystem::readFile(const std::string& path) {
    FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) raiseLastError();
    std::string bytes;
    char buffer[64 * 1024];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) raiseLastError(true);
        if (got == 0) break;
        bytes.append(buffer, got);
    }
    return bytes;
}

void WinFileSystem::writeFile(const std::string& path, const std::string& bytes) {
    // A folder in the target's place, or a target that cannot be opened for writing,
    // is refused before anything is written.
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)))
        throw FileError(5);
    char temp[MAX_PATH + 1] = {};
    const std::string folder = folderOf(path);
    if (!GetTempFileNameA(folder.c_str(), "tsv", 0, temp)) {
        // GetTempFileNameA reports a missing folder as ERROR_DIRECTORY (267); creating the
        // file itself there fails with ERROR_PATH_NOT_FOUND, the code the user should see.
        const DWORD folderAttributes = GetFileAttributesA(folder.c_str());
        if (folderAttributes == INVALID_FILE_ATTRIBUTES || !(folderAttributes & FILE_ATTRIBUTE_DIRECTORY))
            throw FileError(3);
        raiseLastError();
    }
    try {
        FileHandle file(CreateFileA(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid()) raiseLastError();
        size_t done = 0;
        while (done < bytes.size()) {
            const DWORD chunk = static_cast<DWORD>(bytes.size() - done > (1u << 20) ? (1u << 20) : bytes.size() - done);
            DWORD written = 0;
            if (!WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr)) raiseLastError();
            if (written == 0) throw FileError(101);
            done += written;
        }
        if (!FlushFileBuffers(file.get())) raiseLastError();
        if (!file.close()) raiseLastError();
        if (!MoveFileExA(temp, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) raiseLastError();
    } catch (...) {
        DeleteFileA(temp);
        throw;
    }
}

std::vector<std::string> WinFileSystem::listFiles(const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(pattern.c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        names.push_back(found.cFileName);
    } while (FindNextFileA(find, &found));
    FindClose(find);
    return names;
}

}  // namespace tesvar::win32
