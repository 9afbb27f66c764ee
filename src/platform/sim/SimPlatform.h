#pragma once
// In-memory platform for tests: a virtual file system, recorded sounds, scripted
// dialog answers and a fixed screen.

#include <deque>
#include <functional>
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
    bool setCurrentDirectory(const std::string& path) override;
    bool fileExists(const std::string& path) override;
    bool directoryExists(const std::string& path) override;
    std::string readFile(const std::string& path) override;
    void writeFile(const std::string& path, const std::string& bytes) override;
    std::vector<std::string> listFiles(const std::string& pattern) override;

    // Adds a file (and its parent folders); a relative path is taken from cwd.
    void putFile(const std::string& path, const std::string& bytes);
    void putDirectory(const std::string& path);
    void remove(const std::string& path);
    // The file's bytes, or null when there is none.
    const std::string* file(const std::string& path) const;
    // Every path of a file, as given when it was put (for checks that nothing else was left).
    std::vector<std::string> allFiles() const;

    std::string cwd = "C:\\Tesvar";
    // A non-zero code makes currentDirectory raise that file error.
    int failCurrentDirectory = 0;
    // Files whose opening fails with the given code (read and write).
    std::map<std::string, int> failOpen;
    // Files that open but whose reading fails with the given code.
    std::map<std::string, int> failRead;
    // When set, the next write fails with this code once it has written this many bytes
    // of its temporary file (a count at or past the end fails it at the flush).
    int failWriteCode = 0;
    size_t failWriteAfter = 0;
    // When set, the next write fails with this code when its complete temporary file is to
    // replace the target (a target locked by another program, say).
    int failReplaceCode = 0;
    // When set, the two failures above wait for a write to this path; other writes succeed.
    std::string failOnlyPath;
    // Paths written, in order.
    std::vector<std::string> writes;
    // The temporary files the writes went through, in order (each beside its target).
    std::vector<std::string> temporaries;

private:
    std::string absolute(const std::string& path) const;
    struct Entry {
        std::string path;
        std::string bytes;
    };
    std::map<std::string, Entry> files_;
    std::map<std::string, std::string> dirs_;
    std::vector<std::string> order_;  // keys in creation order: the directory order
    unsigned nextTemporary_ = 1;
};

class SimSound : public Sound {
public:
    void playAsync(const std::string& path) override { played.push_back(path); }
    std::vector<std::string> played;
};

// Dialogs are answered from a script. A box or dialog nobody expected is answered with
// OK / cancel and kept in `unexpected`, which a test fixture checks at its end.
class SimDialogs : public Dialogs {
public:
    int messageBox(const MessageBoxRequest& request) override;
    bool openFile(FileDialogRequest& request) override;
    bool saveFile(FileDialogRequest& request) override;
    bool chooseFont(FontChoice& font) override;
    std::string browseForFolder(const std::string& title, const std::string& startFolder) override;

    // The next message box gets this answer.
    void expectBox(int answer = mb::kIdOk) { boxAnswers_.push_back(answer); }
    // The next open or save dialog returns this name; an empty name cancels it.
    void expectFile(const std::string& name) { fileAnswers_.push_back(name); }
    // The next font dialog returns this font; nothing given cancels it.
    void expectFont(const FontChoice& font) { fontAnswers_.push_back({true, font}); }
    void expectFontCancel() { fontAnswers_.push_back({false, {}}); }
    // The next folder browser returns this folder (empty: cancelled).
    void expectFolder(const std::string& folder) { folderAnswers_.push_back(folder); }

    struct Shown {
        std::string kind;  // "box", "open", "save", "font", "browse"
        std::string text;  // box text, dialog initial folder, browser title
        std::string caption;
        unsigned flags = 0;
        BoxOwner owner = BoxOwner::Application;
        std::string extra;  // dialog filter / browser start folder
    };
    std::vector<MessageBoxRequest> shown;  // message boxes only
    std::vector<Shown> log;                // every box and dialog in order
    std::vector<std::string> unexpected;
    // Called while a dialog is open, as the user could act meanwhile (the folder browser
    // has no owner window).
    std::function<void()> whileOpen;

private:
    bool fileDialog(const char* kind, FileDialogRequest& request);
    std::deque<int> boxAnswers_;
    std::deque<std::string> fileAnswers_;
    std::deque<std::pair<bool, FontChoice>> fontAnswers_;
    std::deque<std::string> folderAnswers_;
};

class SimSystemInfo : public SystemInfo {
public:
    ScreenSize screenSize() override { return screen; }
    WindowsVersion windowsVersion() override { return version; }
    // The GBK rule: 0x81..0xFE start a two-byte character.
    bool isLeadByte(unsigned char byte) override { return byte >= 0x81 && byte <= 0xFE; }
    // Bytes compared with ASCII letters folded to lower case.
    int compareText(const std::string& a, const std::string& b) override;
    // The text with ASCII letters folded to lower case.
    std::string sortKey(const std::string& text) override;
    ScreenSize screen{800, 600};
    WindowsVersion version{2, 5, 1};
};

}  // namespace tesvar::sim
