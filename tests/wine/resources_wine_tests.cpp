// tesvar.rc, linked into this test program, loaded the way the program loads it.

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

namespace tesvar::testing {
namespace {

HINSTANCE self() { return GetModuleHandleA(nullptr); }

// The image in an RT_GROUP_ICON directory entry, as the resource compiler stores it.
#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width;
    BYTE height;
    BYTE colorCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)

std::string resourceBytes(const char* name, const char* type) {
    HRSRC found = FindResourceA(self(), name, type);
    if (found == nullptr) return std::string();
    const void* data = LockResource(LoadResource(self(), found));
    return std::string(static_cast<const char*>(data), SizeofResource(self(), found));
}

TEST(ResourcesTest, Icon_HasExactImagesAt32And16) {
    const std::string group = resourceBytes(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14) /* RT_GROUP_ICON */);
    ASSERT_GE(group.size(), 6u);
    const WORD count = *reinterpret_cast<const WORD*>(group.data() + 4);
    ASSERT_EQ(group.size(), 6u + count * sizeof(GroupIconEntry));
    std::vector<std::pair<int, int>> sizes;  // (size, bits)
    for (WORD i = 0; i < count; ++i) {
        const auto* entry = reinterpret_cast<const GroupIconEntry*>(group.data() + 6 + i * sizeof(GroupIconEntry));
        EXPECT_EQ(entry->width, entry->height);
        sizes.emplace_back(entry->width, entry->bitCount);
    }
    EXPECT_EQ(sizes, (std::vector<std::pair<int, int>>{{32, 32}, {16, 32}}));

    // What the main window asks for: the large icon and the small one.
    for (int size : {32, 16}) {
        HICON icon = static_cast<HICON>(LoadImageA(self(), MAKEINTRESOURCEA(1), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr) << size;
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP colour{};
        GetObjectA(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, size);
        EXPECT_EQ(colour.bmHeight, size);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

// Every 16x16 image must have the magenta key as its background (or the image list draws a
// magenta square) and something drawn in it.
TEST(ResourcesTest, Bitmaps_StripsOf16x16WithMagentaKey) {
    struct Case {
        int id;
        int images;
    };
    const Case cases[] = {{2, 5}, {3, 1}, {4, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE("bitmap " + std::to_string(c.id));
        // The call the toolbar and button peers make.
        HIMAGELIST list = ImageList_LoadImageA(self(), MAKEINTRESOURCEA(c.id), 16, 0, RGB(255, 0, 255), IMAGE_BITMAP,
                                               LR_CREATEDIBSECTION);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(ImageList_GetImageCount(list), c.images);
        ImageList_Destroy(list);

        HBITMAP bitmap =
            static_cast<HBITMAP>(LoadImageA(self(), MAKEINTRESOURCEA(c.id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(bitmap, nullptr);
        BITMAP info{};
        GetObjectA(bitmap, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, 16 * c.images);
        EXPECT_EQ(info.bmHeight, 16);
        EXPECT_EQ(info.bmBitsPixel, 24);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, bitmap);
        for (int image = 0; image < c.images; ++image) {
            const int left = image * 16;
            int drawn = 0;
            for (int y = 0; y < 16; ++y)
                for (int x = 0; x < 16; ++x)
                    if (GetPixel(dc, left + x, y) != RGB(255, 0, 255)) ++drawn;
            EXPECT_EQ(GetPixel(dc, left, 0), RGB(255, 0, 255)) << "image " << image;
            EXPECT_GT(drawn, 20) << "image " << image;
        }
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
}

// The manifest is read by the loader before main: with it this program gets Common Controls 6.
TEST(ResourcesTest, Manifest_BringsCommonControls6) {
    const std::string manifest = resourceBytes(MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24) /* RT_MANIFEST */);
    ASSERT_FALSE(manifest.empty());
    for (const char* part : {"Microsoft.Windows.Common-Controls", "level=\"asInvoker\"", ">false</dpiAware>"})
        EXPECT_NE(manifest.find(part), std::string::npos) << part;

    // Version 6 is the side-by-side assembly; the plain system32 copy is version 5. (Wine's
    // DllGetVersion answers 5.81 for both, so the file it came from is what tells them apart.)
    HMODULE comctl = LoadLibraryA("comctl32.dll");
    ASSERT_NE(comctl, nullptr);
    char path[MAX_PATH] = {};
    GetModuleFileNameA(comctl, path, MAX_PATH);
    std::string lower = path;
    for (char& c : lower) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    EXPECT_NE(lower.find("\\winsxs\\x86_microsoft.windows.common-controls_6595b64144ccf1df_6."), std::string::npos)
        << path;
    FreeLibrary(comctl);
}

TEST(ResourcesTest, VersionInfo_Is2000WithProductName) {
    char path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path, &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(GetFileVersionInfoA(path, 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 2));
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 2));

    // The string table is found through the translation the block declares.
    WORD* translation = nullptr;
    ASSERT_TRUE(
        VerQueryValueA(block.data(), "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    ASSERT_GE(length, 4u);
    char key[64];
    wsprintfA(key, "\\StringFileInfo\\%04x%04x\\ProductName", translation[0], translation[1]);
    char* product = nullptr;
    ASSERT_TRUE(VerQueryValueA(block.data(), key, reinterpret_cast<void**>(&product), &length)) << key;
    EXPECT_STREQ(product, "Tesvar2.0");
}

}  // namespace
}  // namespace tesvar::testing
