// The registry, shortcut and desktop services against the real system, in code page 936 (run
// under Wine with a Chinese locale). Literals are GBK bytes, as the program holds its text.

#include <windows.h>
#include <gtest/gtest.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/Errors.h"
#include "platform/sim/SimPlatform.h"
#include "platform/win32/WinPlatform.h"
#include "ui/Application.h"
#include "ui/win32/MenuPeer.h"

namespace tesvar::testing {
namespace {

// ---- registry ------------------------------------------------------------------------------

// A scratch key of our own below HKCU, made for each test and deleted afterwards.
class RegistryTest : public ::testing::Test {
protected:
    const std::string parent = "Software\\TesvarWineTests" + std::to_string(GetCurrentProcessId());
    const std::string path = parent + "\\Advanced";
    win32::WinRegistry registry;

    void SetUp() override {
        HKEY key = nullptr;
        ASSERT_EQ(
            RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        const DWORD one = 1;
        RegSetValueExA(key, "HideFileExt", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof one);
        RegSetValueExA(key, "Text", 0, REG_SZ, reinterpret_cast<const BYTE*>("1"), 2);
        RegCloseKey(key);
    }
    void TearDown() override {
        RegDeleteKeyA(HKEY_CURRENT_USER, path.c_str());
        RegDeleteKeyA(HKEY_CURRENT_USER, parent.c_str());
    }
    static bool exists(const std::string& p) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, p.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        RegCloseKey(key);
        return true;
    }
};

TEST_F(RegistryTest, Open_FindsAnExistingKeyAndNeverCreatesOne) {
    const RegistryKey key = registry.openCurrentUserKey(path);
    EXPECT_NE(key, 0u);
    registry.close(key);
    const std::string missing = parent + "\\Missing";
    EXPECT_EQ(registry.openCurrentUserKey(missing), 0u);
    EXPECT_FALSE(exists(missing));
}

TEST_F(RegistryTest, ReadDword_OnlyADwordValueCounts) {
    const RegistryKey key = registry.openCurrentUserKey(path);
    ASSERT_NE(key, 0u);
    EXPECT_EQ(registry.readDword(key, "HideFileExt"), std::optional<std::uint32_t>(1));
    EXPECT_EQ(registry.readDword(key, "hidefileext"), std::optional<std::uint32_t>(1));
    EXPECT_EQ(registry.readDword(key, "Text"), std::nullopt);
    EXPECT_EQ(registry.readDword(key, "ShowSuperHidden"), std::nullopt);
    registry.close(key);
}

TEST_F(RegistryTest, WriteDword_IsSeenByAnotherReaderAndFailureRaisesItsText) {
    const RegistryKey key = registry.openCurrentUserKey(path);
    ASSERT_NE(key, 0u);
    registry.writeDword(key, "ShowSuperHidden", 0);
    registry.writeDword(key, "HideFileExt", 0);
    registry.close(key);

    HKEY check = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &check), ERROR_SUCCESS);
    DWORD type = 0, data = 7, size = sizeof data;
    EXPECT_EQ(RegQueryValueExA(check, "ShowSuperHidden", nullptr, &type, reinterpret_cast<BYTE*>(&data), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(data, 0u);
    // A key opened for reading only refuses the write.
    try {
        registry.writeDword(reinterpret_cast<RegistryKey>(check), "Hidden", 2);
        ADD_FAILURE() << "no error raised";
    } catch (const RegistryError& e) {
        EXPECT_STREQ(e.what(), "Failed to set data for 'Hidden'");
    }
    RegCloseKey(check);
}

// ---- shortcuts -----------------------------------------------------------------------------

// Shortcuts written by the shell itself, in a Chinese-named temporary folder.
class ShellLinkTest : public ::testing::Test {
protected:
    std::string folder;
    std::string target;
    win32::WinShellLinks links;

    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        char temp[MAX_PATH];
        const DWORD length = GetTempPathA(MAX_PATH, temp);
        ASSERT_GT(length, 0u);
        folder = std::string(temp, length) + "快捷方式" + std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr)) << GetLastError();
        target = folder + "\\程序.exe";
        HANDLE file =
            CreateFileA(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        CloseHandle(file);
    }
    void TearDown() override {
        WIN32_FIND_DATAA found;
        HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &found);
        if (find != INVALID_HANDLE_VALUE) {
            do {
                DeleteFileA((folder + "\\" + found.cFileName).c_str());
            } while (FindNextFileA(find, &found));
            FindClose(find);
        }
        RemoveDirectoryA(folder.c_str());
        CoUninitialize();
    }
    // Writes a shortcut to `to` the way Windows' own "create shortcut" does.
    void makeShortcut(const std::string& path, const std::string& to) {
        IShellLinkA* link = nullptr;
        ASSERT_TRUE(SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                               reinterpret_cast<void**>(&link))));
        link->SetPath(to.c_str());
        IPersistFile* file = nullptr;
        ASSERT_TRUE(SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))));
        wchar_t wide[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
        EXPECT_TRUE(SUCCEEDED(file->Save(wide, TRUE)));
        file->Release();
        link->Release();
    }
};

TEST_F(ShellLinkTest, Shortcut_WithChineseNamesResolvesToItsTarget) {
    const std::string shortcut = folder + "\\我的程序.lnk";
    makeShortcut(shortcut, target);
    auto link = links.create();
    ASSERT_TRUE(link->load(shortcut));
    EXPECT_TRUE(link->resolve(0, slr::kNoUpdate));
    std::string path;
    ASSERT_TRUE(link->getPath(path, slgp::kUncPriority));
    EXPECT_EQ(lstrcmpiA(path.c_str(), target.c_str()), 0) << path;
}

TEST_F(ShellLinkTest, Shortcut_MissingOrNotALinkFailsToLoad) {
    const std::string garbage = folder + "\\坏的.lnk";
    HANDLE file = CreateFileA(garbage.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, "not a shortcut", 14, &written, nullptr);
    CloseHandle(file);
    for (const std::string& path : {folder + "\\没有.lnk", garbage}) EXPECT_FALSE(links.create()->load(path)) << path;
}

// The shipped shortcut collection, found by walking up from the test program (which lies in
// the build tree inside the source tree); empty when there is none.
std::string shippedShortcuts() {
    char module[MAX_PATH];
    std::string dir(module, GetModuleFileNameA(nullptr, module, MAX_PATH));
    win32::WinFileSystem files;
    for (size_t cut = dir.rfind('\\'); cut != std::string::npos && cut > 2; cut = dir.rfind('\\')) {
        dir.resize(cut);
        if (files.directoryExists(dir + "\\data\\程序快捷方式总集")) return dir + "\\data\\程序快捷方式总集";
    }
    return std::string();
}

// The shipped collection must hold real shortcuts: each loads and names a program in the
// system folder.
TEST_F(ShellLinkTest, ShippedShortcuts_LoadAndPointIntoTheSystemFolder) {
    const std::string dir = shippedShortcuts();
    ASSERT_FALSE(dir.empty()) << "no data\\程序快捷方式总集 above the test program";
    win32::WinFileSystem files;
    const std::vector<std::string> names = files.listFiles(dir + "\\*.lnk");
    ASSERT_FALSE(names.empty()) << dir;
    for (const std::string& name : names) {
        auto link = links.create();
        ASSERT_TRUE(link->load(dir + "\\" + name)) << name;
        std::string path;
        ASSERT_TRUE(link->getPath(path, slgp::kUncPriority)) << name;
        std::string lower = path;
        CharLowerA(&lower[0]);
        EXPECT_EQ(lower.rfind("c:\\windows\\system32\\", 0), 0u) << name << " -> " << path;
    }
}

// ---- the data folders' listings -------------------------------------------------------------

TEST_F(ShellLinkTest, ListFiles_TakesHiddenFilesAndMatchingFolders) {
    const std::string hidden = folder + "\\隐藏.txt";
    HANDLE file = CreateFileA(hidden.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_HIDDEN, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
    const std::string dir = folder + "\\x.txt";
    ASSERT_TRUE(CreateDirectoryA(dir.c_str(), nullptr));
    win32::WinFileSystem files;
    std::vector<std::string> names = files.listFiles(folder + "\\*.txt");
    RemoveDirectoryA(dir.c_str());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"x.txt", "隐藏.txt"}));
}

// ---- other programs' windows ----------------------------------------------------------------

TEST(DesktopTest, Windows_ClassesZOrderAndVisibility) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TesvarDesktopTest";
    ASSERT_NE(RegisterClassA(&wc), 0);
    HWND shown = CreateWindowExA(0, wc.lpszClassName, "a", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100, nullptr,
                                 nullptr, wc.hInstance, nullptr);
    HWND hidden = CreateWindowExA(0, wc.lpszClassName, "b", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    ASSERT_TRUE(shown && hidden);
    win32::WinDesktop desktop;
    const auto h = [](HWND w) { return reinterpret_cast<WindowHandle>(w); };
    const std::vector<WindowHandle> all = desktop.topLevelWindows();
    EXPECT_NE(std::find(all.begin(), all.end(), h(shown)), all.end());
    EXPECT_NE(std::find(all.begin(), all.end(), h(hidden)), all.end());
    EXPECT_EQ(desktop.className(h(shown)), "TesvarDesktopTest");
    EXPECT_NE(desktop.findWindow("tesvardesktoptest"), 0u);
    EXPECT_TRUE(desktop.isWindowVisible(h(shown)));
    EXPECT_FALSE(desktop.isWindowVisible(h(hidden)));
    // Walking down from the top reaches both windows.
    int met = 0;
    for (WindowHandle w = all.front(); w != 0; w = desktop.nextWindow(w)) met += (w == h(shown)) + (w == h(hidden));
    EXPECT_EQ(met, 2);
    EXPECT_EQ(desktop.mapVirtualKey(vk::kF5), MapVirtualKeyA(VK_F5, 0));
    EXPECT_NE(desktop.mapVirtualKey(vk::kF5), 0u);
    DestroyWindow(shown);
    DestroyWindow(hidden);
    UnregisterClassA(wc.lpszClassName, wc.hInstance);
}

// ---- menus built from file names ------------------------------------------------------------

// The texts of an HMENU as the user sees them, "-" for a separator.
std::vector<std::string> shown(HMENU menu) {
    std::vector<std::string> texts;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char buffer[256] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_TYPE;
        info.dwTypeData = buffer;
        info.cch = sizeof buffer - 1;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        texts.push_back((info.fType & MFT_SEPARATOR) ? "-" : win32::shownMenuText(buffer));
    }
    return texts;
}

class MenuPeerTest : public ::testing::Test {
protected:
    using Texts = std::vector<std::string>;
    sim::SimDialogs dialogs;
    ui::Application app{dialogs};
    ui::Menu menu{"PopupMenu2"};
    ui::MenuItem& links = menu.items().add(std::make_unique<ui::MenuItem>("links", "打开 程序快捷方式总集"));
    std::string clicked;

    void add(ui::MenuItem& to, const std::string& caption) {
        ui::MenuItem& item = to.add(std::make_unique<ui::MenuItem>("", caption));
        item.onClick = [this, &item] { clicked = item.caption(); };
    }
    void fill(ui::MenuItem& to, const Texts& captions) {
        to.clear();
        for (const std::string& c : captions) add(to, c);
    }
};

TEST_F(MenuPeerTest, Caption_AmpersandShowsAsItselfAndTheModelKeepsIt) {
    win32::MenuPeer peer(menu, app, false);
    fill(links, {"R&D.txt", "-", "&a&&b&.lnk"});
    HMENU sub = peer.submenuOf(links);
    EXPECT_EQ(shown(sub), (Texts{"R&D.txt", "-", "&a&&b&.lnk"}));
    char raw[64] = {};
    GetMenuStringA(sub, 0, raw, sizeof raw, MF_BYPOSITION);
    EXPECT_STREQ(raw, "R&&D.txt");
    EXPECT_EQ(links.item(0).caption(), "R&D.txt");
}

TEST_F(MenuPeerTest, ReducingSubmenu_LeavesOutLeadingDoubledAndTrailingSeparators) {
    struct Case {
        Texts model;
        Texts shownReduced;
    };
    const Case cases[] = {
        {{"a.lnk", "-", "b.lnk", "-"}, {"a.lnk", "-", "b.lnk"}},
        {{"-", "a.lnk", "-", "-", "b.lnk", "-", "-"}, {"a.lnk", "-", "b.lnk"}},
        {{"-", "-"}, {}},
        {{}, {}},
    };
    win32::MenuPeer reducing(menu, app, false);
    reducing.setReduceSeparators(true);
    for (const Case& c : cases) {
        fill(links, c.model);
        EXPECT_EQ(shown(reducing.submenuOf(links)), c.shownReduced);
    }
    // Without reduction every separator shows.
    ui::Menu plain{"MainMenu1"};
    ui::MenuItem& box = plain.items().add(std::make_unique<ui::MenuItem>("box", "box"));
    win32::MenuPeer plainPeer(plain, app, false);
    fill(box, {"a.txt", "-", "b.txt", "-"});
    EXPECT_EQ(shown(plainPeer.submenuOf(box)), (Texts{"a.txt", "-", "b.txt", "-"}));
}

TEST_F(MenuPeerTest, ReducingSubmenu_StaysInStepThroughRemovalsAndHiding) {
    win32::MenuPeer peer(menu, app, false);
    fill(links, {"a.lnk", "-", "b.lnk", "-", "c.lnk", "-"});
    peer.setReduceSeparators(true);
    HMENU sub = peer.submenuOf(links);
    EXPECT_EQ(shown(sub), (Texts{"a.lnk", "-", "b.lnk", "-", "c.lnk"}));
    links.item(2).setVisible(false);
    EXPECT_EQ(shown(sub), (Texts{"a.lnk", "-", "c.lnk"}));
    links.remove(4);  // c.lnk
    EXPECT_EQ(shown(sub), (Texts{"a.lnk"}));
    links.item(2).setVisible(true);
    EXPECT_EQ(shown(sub), (Texts{"a.lnk", "-", "b.lnk"}));
    add(links, "d.lnk");
    EXPECT_EQ(shown(sub), (Texts{"a.lnk", "-", "b.lnk", "-", "d.lnk"}));
    links.remove(0);
    EXPECT_EQ(shown(sub), (Texts{"b.lnk", "-", "d.lnk"}));
    // Every item shown still runs its own click.
    for (int pos = 0; pos < GetMenuItemCount(sub); ++pos) {
        if (shown(sub)[static_cast<size_t>(pos)] == "-") continue;
        clicked.clear();
        EXPECT_TRUE(peer.command(GetMenuItemID(sub, pos)));
        EXPECT_EQ(clicked, shown(sub)[static_cast<size_t>(pos)]);
    }
}

}  // namespace
}  // namespace tesvar::testing
