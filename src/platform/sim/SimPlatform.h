#pragma once
// In-memory platform for tests: a virtual file system, recorded sounds, scripted
// message-box answers and a fixed screen.

#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/Platform.h"

namespace tesvar::sim {

// Paths compare as Windows compares them: ASCII letters without case.
std::string pathKey(const std::string& path);

class SimFileSystem : public FileSystem {
public:
    std::string currentDirectory() override;
    bool fileExists(const std::string& path) override;
    bool directoryExists(const std::string& path) override;

    // Adds a file (and its parent folders).
    void putFile(const std::string& path, const std::string& bytes);
    void putDirectory(const std::string& path);
    const std::string* file(const std::string& path) const;

    std::string cwd = "C:\\Tesvar";
    // A non-zero code makes currentDirectory raise that file error.
    int failCurrentDirectory = 0;

private:
    std::map<std::string, std::string> files_;
    std::set<std::string> dirs_;
};

class SimSound : public Sound {
public:
    void playAsync(const std::string& path) override { played.push_back(path); }
    std::vector<std::string> played;
};

// Message boxes are answered from a script; a box nobody expected is answered OK and
// kept in `unexpected`, which a test fixture checks at its end.
class SimDialogs : public Dialogs {
public:
    int messageBox(const MessageBoxRequest& request) override;
    // The next box gets this answer.
    void expectBox(int answer = mb::kIdOk) { answers_.push_back(answer); }

    std::vector<MessageBoxRequest> shown;
    std::vector<MessageBoxRequest> unexpected;

private:
    std::deque<int> answers_;
};

class SimSystemInfo : public SystemInfo {
public:
    ScreenSize screenSize() override { return screen; }
    // The GBK rule: 0x81..0xFE start a two-byte character.
    bool isLeadByte(unsigned char byte) override { return byte >= 0x81 && byte <= 0xFE; }
    ScreenSize screen{800, 600};
};

// All of them together, handed out as one Platform.
struct SimPlatform {
    SimFileSystem files;
    SimSound sound;
    SimDialogs dialogs;
    SimSystemInfo system;
    Platform platform{files, sound, dialogs, system};
};

}  // namespace tesvar::sim
