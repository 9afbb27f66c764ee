// The text-file layer's writes on real files, in code page 936 (run under Wine with a Chinese
// locale): a write that cannot replace its target leaves the old bytes and no temporary file.

#include <windows.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Errors.h"
#include "platform/win32/WinPlatform.h"

namespace tesvar::testing {
namespace {

std::string readAll(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "<cannot open: error " + std::to_string(GetLastError()) + ">";
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

void writeRaw(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path << " error " << GetLastError();
    DWORD written = 0;
    ASSERT_TRUE(WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr));
    CloseHandle(file);
}

// The names in a folder, "." and ".." left out.
std::vector<std::string> namesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..") names.push_back(name);
    } while (FindNextFileA(find, &found));
    FindClose(find);
    return names;
}

// A fresh folder per test below the temporary folder, named with GBK text and with 乗, whose
// trail byte is a backslash: the temporary file must be made in this folder, not its parent.
class FileWriteTest : public ::testing::Test {
protected:
    std::string parent;
    std::string folder;

    void SetUp() override {
        char temp[MAX_PATH];
        const DWORD length = GetTempPathA(MAX_PATH, temp);
        ASSERT_GT(length, 0u);
        for (int attempt = 0; folder.empty(); ++attempt) {
            ASSERT_LT(attempt, 100) << "no free name for the test folder";
            const std::string name = std::string(temp, length) + "写入测试" + std::to_string(GetCurrentProcessId()) +
                                     "-" + std::to_string(attempt);
            if (CreateDirectoryA(name.c_str(), nullptr)) {
                parent = name;
                folder = name + "\\列表乗";
            } else {
                ASSERT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS)) << name;
            }
        }
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << folder << " error " << GetLastError();
    }

    void TearDown() override {
        for (const std::string& dir : {folder, parent}) {
            for (const std::string& name : namesIn(dir)) {
                const std::string path = dir + "\\" + name;
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileA(path.c_str());
            }
        }
        RemoveDirectoryA(folder.c_str());
        RemoveDirectoryA(parent.c_str());
    }

    // Runs a write that must fail; returns its file error code (0: it did not fail).
    static int failedWrite(const std::string& path, const std::string& bytes) {
        win32::WinFileSystem files;
        try {
            files.writeFile(path, bytes);
        } catch (const FileError& error) {
            return error.code();
        }
        return 0;
    }
};

TEST_F(FileWriteTest, Write_NewOrExistingFile_HoldsExactlyTheNewBytes) {
    struct Case {
        const char* name;
        std::string old;  // "" with `exists` false: no file before
        bool exists;
        std::string bytes;
    };
    const Case cases[] = {
        {"new file", "", false, "D:\\资料\r\n乗\r\n"},
        {"longer over shorter", "a\r\n", true, "D:\\资料\r\nE:\\\r\n"},
        {"shorter over longer", std::string(70000, 'x'), true, "b\r\n"},
        {"empty list", "c\r\n", true, ""},
        {"over a megabyte", "d\r\n", true, std::string(3 << 20, 'y')},
    };
    win32::WinFileSystem files;
    for (const Case& c : cases) {
        const std::string path = folder + "\\表.txt";
        DeleteFileA(path.c_str());
        if (c.exists) writeRaw(path, c.old);
        files.writeFile(path, c.bytes);
        EXPECT_EQ(readAll(path), c.bytes) << c.name;
        EXPECT_EQ(namesIn(folder), std::vector<std::string>{"表.txt"}) << c.name;
        EXPECT_TRUE(namesIn(parent) == std::vector<std::string>{"列表乗"}) << c.name << ": something left beside";
    }
}

TEST_F(FileWriteTest, Write_ReadOnlyTarget_RefusedWithOldBytesAndNoTemporary) {
    const std::string path = folder + "\\set";
    writeRaw(path, "-1\r\n14\r\n");
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_EQ(failedWrite(path, "0\r\n12\r\n宋体\r\n255\r\n"), 5);
    EXPECT_EQ(readAll(path), "-1\r\n14\r\n");
    EXPECT_EQ(namesIn(folder), std::vector<std::string>{"set"});
}

// Another program holds the target open without sharing it: the replace cannot happen, and
// the complete temporary file must go again.
TEST_F(FileWriteTest, Write_TargetHeldOpenWithoutSharing_FailsWithOldBytesAndNoTemporary) {
    const std::string path = folder + "\\表.txt";
    writeRaw(path, "old\r\n");
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE) << "error " << GetLastError();
    const int code = failedWrite(path, "new\r\nnewer\r\n");
    const std::vector<std::string> names = namesIn(folder);
    CloseHandle(held);
    EXPECT_NE(code, 0) << "the write replaced a file held open without sharing";
    EXPECT_EQ(readAll(path), "old\r\n");
    EXPECT_EQ(names, std::vector<std::string>{"表.txt"});
}

TEST_F(FileWriteTest, Write_NoFolderOrFolderInThePlace_FailsAndMakesNothing) {
    ASSERT_TRUE(CreateDirectoryA((folder + "\\子目录.txt").c_str(), nullptr));
    struct Case {
        std::string path;
        int code;
    };
    const Case cases[] = {
        {folder + "\\没有\\表.txt", 3},
        {folder + "\\子目录.txt", 5},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(failedWrite(c.path, "x\r\n"), c.code) << c.path;
        EXPECT_EQ(namesIn(folder), std::vector<std::string>{"子目录.txt"}) << c.path;
    }
    RemoveDirectoryA((folder + "\\子目录.txt").c_str());
}

}  // namespace
}  // namespace tesvar::testing
