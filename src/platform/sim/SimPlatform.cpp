#include "platform/sim/SimPlatform.h"

#include "platform/Errors.h"

namespace tesvar::sim {

std::string pathKey(const std::string& path) {
    std::string key = path;
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    while (key.size() > 3 && key.back() == '\\') key.pop_back();
    return key;
}

static std::string parentOf(const std::string& path) {
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string SimFileSystem::currentDirectory() {
    if (failCurrentDirectory) throw FileError(failCurrentDirectory);
    return cwd;
}

bool SimFileSystem::fileExists(const std::string& path) {
    const std::string key = pathKey(path);
    return files_.count(key) != 0 || dirs_.count(key) != 0;
}

bool SimFileSystem::directoryExists(const std::string& path) { return dirs_.count(pathKey(path)) != 0; }

void SimFileSystem::putDirectory(const std::string& path) {
    for (std::string p = path; !p.empty() && dirs_.insert(pathKey(p)).second; p = parentOf(p)) {
    }
}

void SimFileSystem::putFile(const std::string& path, const std::string& bytes) {
    putDirectory(parentOf(path));
    files_[pathKey(path)] = bytes;
}

const std::string* SimFileSystem::file(const std::string& path) const {
    auto it = files_.find(pathKey(path));
    return it == files_.end() ? nullptr : &it->second;
}

int SimDialogs::messageBox(const MessageBoxRequest& request) {
    shown.push_back(request);
    if (answers_.empty()) {
        unexpected.push_back(request);
        return mb::kIdOk;
    }
    const int answer = answers_.front();
    answers_.pop_front();
    return answer;
}

}  // namespace tesvar::sim
