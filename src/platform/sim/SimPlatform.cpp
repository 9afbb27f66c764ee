#include "platform/sim/SimPlatform.h"

#include <cstdio>

#include "platform/Errors.h"

namespace tesvar::sim {

namespace {

char lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string parentOf(const std::string& path) {
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// "*" and "?" as the directory listing takes them, letters without case.
bool matches(const char* pattern, const char* name) {
    if (*pattern == '\0') return *name == '\0';
    if (*pattern == '*') return matches(pattern + 1, name) || (*name && matches(pattern, name + 1));
    if (*name == '\0') return false;
    return (*pattern == '?' || lower(*pattern) == lower(*name)) && matches(pattern + 1, name + 1);
}

constexpr int kFileNotFound = 2;
constexpr int kPathNotFound = 3;

}  // namespace

std::string pathKey(const std::string& path) {
    std::string key = path;
    for (char& c : key) c = lower(c);
    while (key.size() > 3 && key.back() == '\\') key.pop_back();
    return key;
}

std::string SimFileSystem::absolute(const std::string& path) const {
    const bool rooted = (path.size() >= 2 && path[1] == ':') || (!path.empty() && path[0] == '\\');
    return rooted ? path : cwd + "\\" + path;
}

std::string SimFileSystem::currentDirectory() {
    if (failCurrentDirectory) throw FileError(failCurrentDirectory);
    return cwd;
}

bool SimFileSystem::setCurrentDirectory(const std::string& path) {
    if (!directoryExists(path)) return false;
    cwd = absolute(path);
    return true;
}

bool SimFileSystem::fileExists(const std::string& path) { return files_.count(pathKey(absolute(path))) != 0; }

bool SimFileSystem::directoryExists(const std::string& path) {
    if (path.empty()) return false;
    return dirs_.count(pathKey(absolute(path))) != 0;
}

void SimFileSystem::putDirectory(const std::string& path) {
    for (std::string p = absolute(path); !p.empty(); p = parentOf(p)) {
        const std::string key = pathKey(p);
        if (dirs_.count(key)) break;
        dirs_[key] = p;
        order_.push_back(key);
    }
}

void SimFileSystem::putFile(const std::string& path, const std::string& bytes) {
    const std::string abs = absolute(path);
    putDirectory(parentOf(abs));
    const std::string key = pathKey(abs);
    if (!files_.count(key)) order_.push_back(key);
    files_[key] = Entry{abs, bytes};
}

void SimFileSystem::remove(const std::string& path) {
    const std::string key = pathKey(absolute(path));
    files_.erase(key);
    dirs_.erase(key);
}

const std::string* SimFileSystem::file(const std::string& path) const {
    auto it = files_.find(pathKey(absolute(path)));
    return it == files_.end() ? nullptr : &it->second.bytes;
}

std::vector<std::string> SimFileSystem::allFiles() const {
    std::vector<std::string> all;
    for (const auto& [key, entry] : files_) all.push_back(entry.path);
    return all;
}

std::string SimFileSystem::readFile(const std::string& path) {
    const std::string key = pathKey(absolute(path));
    if (auto it = failOpen.find(key); it != failOpen.end()) throw FileError(it->second);
    auto it = files_.find(key);
    if (it == files_.end()) throw FileError(directoryExists(parentOf(absolute(path))) ? kFileNotFound : kPathNotFound);
    if (auto f = failRead.find(key); f != failRead.end()) throw FileError(f->second, true);
    return it->second.bytes;
}

// As the real layer does: the bytes go into a new temporary file beside the target, which
// then replaces the target. A failure on the way removes the temporary and leaves the target
// as it was; while the write runs, both files exist side by side.
void SimFileSystem::writeFile(const std::string& path, const std::string& bytes) {
    const std::string abs = absolute(path);
    const std::string key = pathKey(abs);
    if (auto it = failOpen.find(key); it != failOpen.end()) throw FileError(it->second);
    if (!directoryExists(parentOf(abs))) throw FileError(kPathNotFound);
    if (directoryExists(abs)) throw FileError(5);
    writes.push_back(abs);
    std::string temporary;
    do {
        char name[24];
        std::snprintf(name, sizeof name, "\\tsv%X.tmp", nextTemporary_++ & 0xFFFFu);
        temporary = parentOf(abs) + name;
    } while (files_.count(pathKey(temporary)) != 0);
    temporaries.push_back(temporary);
    const auto fail = [&](int code) {
        remove(temporary);
        throw FileError(code);
    };
    const bool mayFail = failOnlyPath.empty() || pathKey(absolute(failOnlyPath)) == key;
    if (failWriteCode && mayFail) {
        const int code = failWriteCode;
        failWriteCode = 0;
        putFile(temporary, bytes.substr(0, failWriteAfter < bytes.size() ? failWriteAfter : bytes.size()));
        fail(code);
    }
    putFile(temporary, bytes);
    if (failReplaceCode && mayFail) {
        const int code = failReplaceCode;
        failReplaceCode = 0;
        fail(code);
    }
    remove(temporary);
    if (!files_.count(key)) order_.push_back(key);
    files_[key] = Entry{abs, bytes};
}

std::vector<std::string> SimFileSystem::listFiles(const std::string& pattern) {
    const std::string abs = absolute(pattern);
    const std::string folderKey = pathKey(parentOf(abs));
    const std::string namePattern = nameOf(abs);
    std::vector<std::string> names;
    for (const std::string& key : order_) {
        if (pathKey(parentOf(key)) != folderKey) continue;
        std::string original;
        if (auto f = files_.find(key); f != files_.end())
            original = f->second.path;
        else if (auto d = dirs_.find(key); d != dirs_.end())
            original = d->second;
        else
            continue;
        const std::string name = nameOf(original);
        if (matches(namePattern.c_str(), name.c_str())) names.push_back(name);
    }
    return names;
}

std::string SimSystemInfo::sortKey(const std::string& text) {
    std::string key = text;
    for (char& c : key) c = lower(c);
    return key;
}

int SimSystemInfo::compareText(const std::string& a, const std::string& b) {
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const unsigned char x = static_cast<unsigned char>(lower(a[i]));
        const unsigned char y = static_cast<unsigned char>(lower(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

int SimDialogs::messageBox(const MessageBoxRequest& request) {
    shown.push_back(request);
    log.push_back({"box", request.text, request.caption, request.flags, request.owner, ""});
    if (boxAnswers_.empty()) {
        unexpected.push_back("message box [" + request.caption + "] " + request.text);
        return mb::kIdOk;
    }
    const int answer = boxAnswers_.front();
    boxAnswers_.pop_front();
    return answer;
}

bool SimDialogs::fileDialog(const char* kind, FileDialogRequest& request) {
    log.push_back({kind, request.initialDir, "", 0, BoxOwner::MainWindow, request.filter});
    if (whileOpen) whileOpen();
    if (fileAnswers_.empty()) {
        unexpected.push_back(std::string(kind) + " dialog in " + request.initialDir);
        return false;
    }
    const std::string answer = fileAnswers_.front();
    fileAnswers_.pop_front();
    if (answer.empty()) return false;
    request.fileName = answer;
    return true;
}

bool SimDialogs::openFile(FileDialogRequest& request) { return fileDialog("open", request); }
bool SimDialogs::saveFile(FileDialogRequest& request) { return fileDialog("save", request); }

bool SimDialogs::chooseFont(FontChoice& font) {
    log.push_back({"font", font.name, "", 0, BoxOwner::MainWindow, ""});
    if (fontAnswers_.empty()) {
        unexpected.push_back("font dialog");
        return false;
    }
    const auto [confirmed, answer] = fontAnswers_.front();
    fontAnswers_.pop_front();
    if (confirmed) font = answer;
    return confirmed;
}

std::string SimDialogs::browseForFolder(const std::string& title, const std::string& startFolder) {
    log.push_back({"browse", title, "", 0, BoxOwner::None, startFolder});
    if (whileOpen) whileOpen();
    if (folderAnswers_.empty()) {
        unexpected.push_back("folder browser: " + title);
        return std::string();
    }
    const std::string answer = folderAnswers_.front();
    folderAnswers_.pop_front();
    return answer;
}

}  // namespace tesvar::sim
