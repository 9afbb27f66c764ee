// The real platform layer against the real system, in code page 936 (run under Wine with a
// Chinese locale). Literals are GBK bytes, exactly as the program holds its text.

#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/sim/SimPlatform.h"
#include "platform/win32/WinPlatform.h"

namespace tesvar::testing {
namespace {

std::string repeat(const std::string& part, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += part;
    return text;
}

TEST(CodePageTest, AnsiCodePage_Is936) {
    // Everything below assumes GBK; under LANG=C Wine would run these in 1252.
    ASSERT_EQ(GetACP(), 936u);
}

TEST(SystemInfoTest, IsLeadByte_FollowsTheGbkRule) {
    struct Case {
        unsigned char byte;
        bool lead;
    };
    const Case cases[] = {
        {0x80, false}, {0x81, true},  {0xA1, true}, {0xD6, true},
        {0xFE, true},  {0xFF, false}, {'A', false}, {'\\', false},
    };
    win32::WinSystemInfo system;
    for (const Case& c : cases) EXPECT_EQ(system.isLeadByte(c.byte), c.lead) << "byte 0x" << std::hex << int(c.byte);
}

// The behaviour tests run on the sim's GBK rule; it must be the rule the system really uses.
TEST(SystemInfoTest, IsLeadByte_SimRuleAgreesForEveryByte) {
    win32::WinSystemInfo real;
    sim::SimSystemInfo simulated;
    for (int byte = 0; byte < 256; ++byte) {
        const auto b = static_cast<unsigned char>(byte);
        EXPECT_EQ(real.isLeadByte(b), simulated.isLeadByte(b)) << "byte 0x" << std::hex << byte;
    }
}

// 乗 is 81 5C in GBK: its trail byte is a backslash. A scan that steps by the platform's lead
// bytes must keep it whole; the system's own CharNextA is the reference.
TEST(SystemInfoTest, IsLeadByte_KeepsTrailBackslashInsideItsCharacter) {
    const std::string text = "D:\\工作\\乗";
    ASSERT_EQ(text.substr(text.size() - 2), "\x81\x5C");

    win32::WinSystemInfo system;
    EXPECT_TRUE(system.isLeadByte(0x81));

    std::vector<std::string> byPlatform;
    for (size_t i = 0; i < text.size();) {
        const size_t length = system.isLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
        byPlatform.push_back(text.substr(i, length));
        i += length;
    }
    std::vector<std::string> bySystem;
    for (const char* p = text.c_str(); *p != '\0';) {
        const char* next = CharNextA(p);
        bySystem.emplace_back(p, next);
        p = next;
    }
    const std::vector<std::string> expected = {"D", ":", "\\", "工", "作", "\\", "乗"};
    EXPECT_EQ(byPlatform, expected);
    EXPECT_EQ(bySystem, expected);
}

// compareText promises the order of the system's sorted list box, so a sorted LISTBOX is the
// reference (a message-only window needs no display).
TEST(SystemInfoTest, CompareText_OrdersAsASortedListBox) {
    const std::vector<std::string> texts = {
        "D:\\工作", "d:\\图片", "C:\\Windows", "c:\\program files",
        "abc",      "ABD",      "a-b",         "ab",
        "a b",      "乗",       "工作",        "文件夹",
        "10",       "2",        "1",           "_x",
        "~y",       "Zeta",     "zet",         "é",
        "",
    };
    HWND list = CreateWindowExA(0, "LISTBOX", "", LBS_SORT | LBS_HASSTRINGS, 0, 0, 100, 100, HWND_MESSAGE, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(list, nullptr) << "error " << GetLastError();
    for (const std::string& text : texts) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    std::vector<std::string> byListBox;
    for (int i = 0; i < static_cast<int>(texts.size()); ++i) {
        char text[256] = {};
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        byListBox.push_back(text);
    }
    DestroyWindow(list);

    win32::WinSystemInfo system;
    std::vector<std::string> byPlatform = texts;
    std::stable_sort(byPlatform.begin(), byPlatform.end(),
                     [&](const std::string& a, const std::string& b) { return system.compareText(a, b) < 0; });
    EXPECT_EQ(byPlatform, byListBox);
}

TEST(SystemInfoTest, CompareText_IgnoresLetterCaseOnly) {
    struct Case {
        const char* a;
        const char* b;
        int sign;
    };
    const Case cases[] = {
        {"abc", "ABC", 0},   {"D:\\工作", "d:\\工作", 0}, {"a", "b", -1}, {"B", "a", 1},
        {"工作", "工作", 0}, {"工作", "工作A", -1},       {"", "a", -1},
    };
    win32::WinSystemInfo system;
    auto sign = [](int value) { return (value > 0) - (value < 0); };
    for (const Case& c : cases) {
        EXPECT_EQ(sign(system.compareText(c.a, c.b)), c.sign) << c.a << " / " << c.b;
        EXPECT_EQ(sign(system.compareText(c.b, c.a)), -c.sign) << c.b << " / " << c.a;
    }
}

// The sort compares sort keys; they must order every pair exactly as compareText does.
TEST(SystemInfoTest, SortKey_OrdersEveryPairAsCompareText) {
    const std::vector<std::string> texts = {
        "D:\\工作",
        "d:\\工作",
        "d:\\图片",
        "C:\\Windows",
        "c:\\program files",
        "C:\\Program Files",
        "abc",
        "ABC",
        "ABD",
        "a-b",
        "ab",
        "a b",
        "a_b",
        "乗",
        "乗\\x",
        "工作",
        "工作A",
        "文件夹",
        "10",
        "2",
        "1",
        "_x",
        "~y",
        "Zeta",
        "zet",
        "é",
        "",
        " ",
        "我的电脑",
        "我的文档",
        "收藏夹",
        "D:\\资料\\项目7",
    };
    win32::WinSystemInfo system;
    auto sign = [](int value) { return (value > 0) - (value < 0); };
    for (const std::string& a : texts) {
        const std::string keyA = system.sortKey(a);
        for (const std::string& b : texts) {
            const std::string keyB = system.sortKey(b);
            EXPECT_EQ(sign(keyA.compare(keyB)), sign(system.compareText(a, b))) << "\"" << a << "\" / \"" << b << "\"";
        }
    }
}

TEST(SystemInfoTest, ScreenSize_IsThePrimaryScreen) {
    win32::WinSystemInfo system;
    const ScreenSize size = system.screenSize();
    HDC screen = GetDC(nullptr);
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(size.width, GetDeviceCaps(screen, HORZRES));
    EXPECT_EQ(size.height, GetDeviceCaps(screen, VERTRES));
    ReleaseDC(nullptr, screen);
}

// A tree of real files under a Chinese-named temporary folder, made once for the suite:
//   测试文件夹<pid>-<n>\列表.txt
//                     \子目录
//                     \乗\表.txt     (乗 is 81 5C: a trail byte that is a backslash)
//                     \<4 folders of 45 Chinese characters>\深.txt
//                                   (over 260 bytes, under MAX_PATH characters)
class FileSystemTest : public ::testing::Test {
protected:
    static std::string base;
    static std::string deep;
    static std::vector<std::string> madeFiles;
    static std::vector<std::string> madeFolders;

    static void makeFolder(const std::string& path) {
        ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path << " error " << GetLastError();
        madeFolders.push_back(path);
    }
    static void makeFile(const std::string& path) {
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << path << " error " << GetLastError();
        CloseHandle(file);
        madeFiles.push_back(path);
    }

    static void SetUpTestSuite() {
        char temp[MAX_PATH];
        const DWORD length = GetTempPathA(MAX_PATH, temp);
        ASSERT_GT(length, 0u);
        ASSERT_LT(length, static_cast<DWORD>(MAX_PATH));
        // Process ids come round again (quickly under Wine), and a killed run leaves its tree.
        for (int attempt = 0; base.empty(); ++attempt) {
            ASSERT_LT(attempt, 100) << "no free name for the test folder";
            const std::string name = std::string(temp, length) + "测试文件夹" + std::to_string(GetCurrentProcessId()) +
                                     "-" + std::to_string(attempt);
            if (CreateDirectoryA(name.c_str(), nullptr)) {
                base = name;
            } else {
                ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS)) << name;
            }
        }
        madeFolders.push_back(base);
        makeFile(base + "\\列表.txt");
        makeFolder(base + "\\子目录");
        makeFolder(base + "\\乗");
        makeFile(base + "\\乗\\表.txt");
        deep = base;
        for (int level = 0; level < 4; ++level) {
            deep += "\\" + repeat("很长的中文文件夹名称", 4) + "甲乙丙丁戊";
            makeFolder(deep);
        }
        makeFile(deep + "\\深.txt");
    }

    static void TearDownTestSuite() {
        for (auto it = madeFiles.rbegin(); it != madeFiles.rend(); ++it) DeleteFileA(it->c_str());
        for (auto it = madeFolders.rbegin(); it != madeFolders.rend(); ++it) RemoveDirectoryA(it->c_str());
        madeFiles.clear();
        madeFolders.clear();
        base.clear();
        deep.clear();
    }

    void SetUp() override { ASSERT_FALSE(madeFolders.empty()) << "the test tree was not made"; }
};

std::string FileSystemTest::base;
std::string FileSystemTest::deep;
std::vector<std::string> FileSystemTest::madeFiles;
std::vector<std::string> FileSystemTest::madeFolders;

TEST_F(FileSystemTest, DeepFolder_IsLongerThanMaxPathBytesButNotCharacters) {
    // The premise of the deep cases: byte-counting code would call this path too long.
    EXPECT_GT(deep.size(), static_cast<size_t>(MAX_PATH));
    const int characters = MultiByteToWideChar(CP_ACP, 0, deep.c_str(), -1, nullptr, 0) - 1;
    EXPECT_LT(characters, MAX_PATH - 2);
}

// fileExists is for files only, directoryExists for folders only.
TEST_F(FileSystemTest, Exists_FilesAndFolders) {
    struct Case {
        std::string path;
        bool file;
        bool folder;
    };
    const Case cases[] = {
        {base + "\\列表.txt", true, false},
        {base + "\\子目录", false, true},
        {base + "\\子目录\\", false, true},
        {base + "\\乗", false, true},
        {base + "\\乗\\表.txt", true, false},
        {deep, false, true},
        {deep + "\\深.txt", true, false},
        {base + "\\没有", false, false},
        {base + "\\没有\\列表.txt", false, false},
        {base + "\\列表.txt\\子目录", false, false},
        // The same deep folder and file spelled past MAX_PATH characters: Windows refuses the
        // ANSI name, and the answer is a plain "no".
        {deep + repeat("\\.", 40), false, false},
        {deep + repeat("\\.", 40) + "\\深.txt", false, false},
        {"", false, false},
    };
    win32::WinFileSystem files;
    for (const Case& c : cases) {
        EXPECT_EQ(files.fileExists(c.path), c.file) << c.path;
        EXPECT_EQ(files.directoryExists(c.path), c.folder) << c.path;
    }
}

// Puts the process back where it was, so the suite's folders can be removed even when a
// case fails (Windows will not remove a process's current folder).
class RestoreCurrentDirectory {
public:
    RestoreCurrentDirectory() { GetCurrentDirectoryA(sizeof saved_, saved_); }
    ~RestoreCurrentDirectory() { SetCurrentDirectoryA(saved_); }
    RestoreCurrentDirectory(const RestoreCurrentDirectory&) = delete;
    RestoreCurrentDirectory& operator=(const RestoreCurrentDirectory&) = delete;

private:
    char saved_[MAX_PATH * 2] = {};
};

TEST_F(FileSystemTest, CurrentDirectory_ReturnsTheGbkBytes) {
    const RestoreCurrentDirectory restore;
    const std::string folders[] = {base, base + "\\子目录", base + "\\乗", deep};
    win32::WinFileSystem files;
    for (const std::string& folder : folders) {
        ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str())) << folder << " error " << GetLastError();
        EXPECT_EQ(files.currentDirectory(), folder);
    }
}

// Message boxes need a desktop: run the suite on an X display (Xvfb) to cover them.
class DialogsTest : public ::testing::Test {
protected:
    struct SeenBox {
        bool found = false;
        HWND owner = nullptr;
        std::string caption;
        std::string text;
        bool topmost = false;
    };

    HWND applicationWindow = nullptr;
    HWND mainWindow = nullptr;

    static HWND makeWindow(const char* title) {
        return CreateWindowExA(0, "STATIC", title, WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    }

    void SetUp() override {
        applicationWindow = makeWindow("应用程序");
        if (applicationWindow == nullptr) GTEST_SKIP() << "no desktop to show message boxes on (no X display)";
        mainWindow = makeWindow("主窗口");
        ASSERT_NE(mainWindow, nullptr);
    }

    void TearDown() override {
        if (mainWindow != nullptr) DestroyWindow(mainWindow);
        if (applicationWindow != nullptr) DestroyWindow(applicationWindow);
    }

    struct Watch {
        DWORD thread;
        int button;
        SeenBox seen;
    };

    static BOOL CALLBACK inspectBox(HWND window, LPARAM parameter) {
        char className[16] = {};
        GetClassNameA(window, className, sizeof className);
        if (std::string(className) != "#32770" || !IsWindowVisible(window)) return TRUE;
        auto* watch = reinterpret_cast<Watch*>(parameter);
        char text[256] = {};
        watch->seen.owner = GetWindow(window, GW_OWNER);
        GetWindowTextA(window, text, sizeof text);
        watch->seen.caption = text;
        // 0xFFFF: the id of a message box's text control.
        GetDlgItemTextA(window, 0xFFFF, text, sizeof text);
        watch->seen.text = text;
        watch->seen.topmost = (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        watch->seen.found = true;
        PostMessageA(GetDlgItem(window, watch->button), BM_CLICK, 0, 0);
        return FALSE;
    }

    // Runs on a second thread while the test's thread sits in the box's modal loop: finds the
    // box among that thread's windows, reads it, and presses one of its buttons as a user would.
    static DWORD WINAPI watchForBox(void* parameter) {
        auto* watch = static_cast<Watch*>(parameter);
        for (int attempt = 0; attempt < 250 && !watch->seen.found; ++attempt) {
            Sleep(20);
            EnumThreadWindows(watch->thread, inspectBox, reinterpret_cast<LPARAM>(watch));
        }
        return 0;
    }

    // Shows the box through the platform, pressing `button`; returns what the box looked like.
    SeenBox show(win32::WinDialogs& dialogs, const MessageBoxRequest& request, int button, int* answer) {
        Watch watch{GetCurrentThreadId(), button, {}};
        HANDLE watcher = CreateThread(nullptr, 0, watchForBox, &watch, 0, nullptr);
        if (watcher == nullptr) {
            ADD_FAILURE() << "no watcher thread, error " << GetLastError();
            return watch.seen;
        }
        *answer = dialogs.messageBox(request);
        WaitForSingleObject(watcher, INFINITE);
        CloseHandle(watcher);
        return watch.seen;
    }
};

TEST_F(DialogsTest, MessageBox_OwnerTextAndAnswer) {
    struct Case {
        BoxOwner owner;
        unsigned flags;
        int button;
        HWND expectedOwner;
    };
    const Case cases[] = {
        {BoxOwner::Application, mb::kIconError, IDOK, applicationWindow},
        {BoxOwner::MainWindow, mb::kOkCancel | mb::kIconQuestion, IDCANCEL, mainWindow},
        {BoxOwner::MainWindow, mb::kOkCancel | mb::kIconQuestion, IDOK, mainWindow},
        {BoxOwner::None, mb::kOkCancel | mb::kIconWarning | mb::kSystemModal, IDCANCEL, nullptr},
    };
    win32::WinDialogs dialogs;
    dialogs.setApplicationWindow(applicationWindow);
    dialogs.setMainWindow(mainWindow);
    for (const Case& c : cases) {
        SCOPED_TRACE("owner " + std::to_string(static_cast<int>(c.owner)) + ", flags " + std::to_string(c.flags));
        MessageBoxRequest request;
        request.text = "找不到文件夹 D:\\工作\\乗";
        request.caption = "Tesvar2.0";
        request.flags = c.flags;
        request.owner = c.owner;
        int answer = 0;
        const SeenBox seen = show(dialogs, request, c.button, &answer);
        ASSERT_TRUE(seen.found) << "no message box appeared";
        EXPECT_EQ(answer, c.button);
        EXPECT_EQ(seen.owner, c.expectedOwner);
        EXPECT_EQ(seen.caption, request.caption);
        EXPECT_EQ(seen.text, request.text);
        EXPECT_EQ(seen.topmost, (c.flags & mb::kSystemModal) != 0);
    }
}

// A box raised while the windows are being torn down must still be seen and answered.
TEST_F(DialogsTest, MessageBox_OwnerAlreadyDestroyed_ShowsWithoutOwner) {
    win32::WinDialogs dialogs;
    dialogs.setApplicationWindow(applicationWindow);
    dialogs.setMainWindow(mainWindow);
    DestroyWindow(mainWindow);
    mainWindow = nullptr;

    MessageBoxRequest request;
    request.text = "保存列表吗?";
    request.caption = "Tesvar2.0";
    request.flags = mb::kOkCancel;
    request.owner = BoxOwner::MainWindow;
    int answer = 0;
    const SeenBox seen = show(dialogs, request, IDOK, &answer);
    ASSERT_TRUE(seen.found) << "no message box appeared";
    EXPECT_EQ(answer, mb::kIdOk);
    EXPECT_EQ(seen.owner, nullptr);
}

}  // namespace
}  // namespace tesvar::testing
