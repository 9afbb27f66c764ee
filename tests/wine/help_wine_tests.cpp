// The about box's real side under Wine, in code page 936: the cross-built libjpeg, the clipboard,
// and the modeless dialog with its peers. Literals are GBK bytes, as the program holds its text.

#include <windows.h>
#include <gtest/gtest.h>

#include <string>

#include "help/AboutBox.h"
#include "help/Links.h"
#include "help/ProductPicture.h"
#include "help/win32/AboutBoxWindow.h"
#include "platform/Jpeg.h"
#include "platform/sim/Sim.h"
#include "platform/win32/WinClipboard.h"

namespace tesvar::testing {
namespace {

std::string windowText(HWND hwnd) {
    char buffer[512] = {};
    GetWindowTextA(hwnd, buffer, sizeof buffer);
    return buffer;
}

// Runs the messages that are waiting, as the message loop would.
void pumpMessages() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

// The Windows build's own libjpeg: its error handler must come back through longjmp here too.
TEST(JpegWineTest, Decode_ProductPictureAndDamagedBytes) {
    const Bitmap picture = decodeJpeg(kProductPictureJpeg, kProductPictureJpegSize);
    EXPECT_EQ(picture.width, 130);
    EXPECT_EQ(picture.height, 114);
    const std::string bytes(reinterpret_cast<const char*>(kProductPictureJpeg), kProductPictureJpegSize);
    EXPECT_TRUE(decodeJpeg(bytes.substr(0, bytes.size() / 2)).empty());
    EXPECT_TRUE(decodeJpeg(std::string("not a picture")).empty());
    EXPECT_EQ(decodeJpeg(bytes).width, 130);
}

class ClipboardWineTest : public ::testing::Test {
protected:
    void SetUp() override {
        owner_ = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        ASSERT_NE(owner_, nullptr);
        clipboard.setOwner(owner_);
    }
    void TearDown() override { DestroyWindow(owner_); }
    std::wstring unicodeText() {
        std::wstring text;
        if (!OpenClipboard(nullptr)) return L"(cannot open)";
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            text = static_cast<const wchar_t*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
        return text;
    }
    win32::WinClipboard clipboard;

private:
    HWND owner_ = nullptr;
};

// Other programs read the Unicode form, which Windows makes from our GBK text.
TEST_F(ClipboardWineTest, SetText_ReplacesTheClipboardAndReadsBackAsUnicode) {
    clipboard.setText("first");
    clipboard.setText("作者：Kestrom");
    EXPECT_EQ(unicodeText(), L"\x4F5C\x8005\xFF1AKestrom");
    clipboard.setText("");
    EXPECT_EQ(unicodeText(), L"");
}

class AboutBoxWineTest : public ::testing::Test {
protected:
    sim::Sim sim;
    ui::Application app{sim.dialogs};
    TAboutBox box{sim.platform};
    win32::AboutBoxWindow window{box, app};

    void SetUp() override { ASSERT_TRUE(window.create(nullptr)); }
    HWND child(HWND parent, const std::string& text) {
        for (HWND h = GetWindow(parent, GW_CHILD); h; h = GetWindow(h, GW_HWNDNEXT)) {
            if (windowText(h) == text) return h;
            if (HWND inner = child(h, text)) return inner;
        }
        return nullptr;
    }
};

TEST_F(AboutBoxWineTest, Create_HiddenDialogOfTheDesignedClientSize) {
    HWND hwnd = window.hwnd();
    char className[64] = {};
    GetClassNameA(hwnd, className, sizeof className);
    EXPECT_STREQ(className, "#32770");
    EXPECT_FALSE(IsWindowVisible(hwnd));
    EXPECT_EQ(windowText(hwnd), "About");
    RECT client;
    GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, TAboutBox::kClientWidth);
    EXPECT_EQ(client.bottom, TAboutBox::kClientHeight);
    for (const std::string& text : {box.ProductName.caption(), box.Version.caption(), box.Label1.caption(),
                                    box.Comments.caption(), std::string("OK")})
        EXPECT_NE(child(hwnd, text), nullptr) << text;
    EXPECT_EQ(GetDlgCtrlID(child(hwnd, "OK")), IDOK);
}

TEST_F(AboutBoxWineTest, Events_ReachTheModelFromTheRealControls) {
    app.dispatch([this] { box.show(); });
    EXPECT_TRUE(IsWindowVisible(window.hwnd()));

    HWND comments = child(window.hwnd(), box.Comments.caption());
    ASSERT_NE(comments, nullptr);
    SendMessageA(GetParent(comments), WM_COMMAND, MAKEWPARAM(0, STN_CLICKED), reinterpret_cast<LPARAM>(comments));
    EXPECT_EQ(sim.clipboard.text, linkAddress(Link::Mail));
    SendMessageA(GetParent(comments), WM_COMMAND, MAKEWPARAM(0, STN_DBLCLK), reinterpret_cast<LPARAM>(comments));
    ASSERT_EQ(sim.shell.executed.size(), 1u);
    EXPECT_EQ(sim.shell.executed[0].file, std::string("mailto:") + linkAddress(Link::Mail));

    // The close box, then OK: each hides the box and leaves it for the next show.
    SendMessageA(window.hwnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(box.visible());
    EXPECT_FALSE(IsWindowVisible(window.hwnd()));
    app.dispatch([this] { box.show(); });
    SendMessageA(child(window.hwnd(), "OK"), BM_CLICK, 0, 0);
    pumpMessages();
    EXPECT_FALSE(box.visible());
    EXPECT_FALSE(IsWindowVisible(window.hwnd()));
    EXPECT_TRUE(IsWindow(window.hwnd()));
    EXPECT_TRUE(sim.dialogs.unexpected.empty());
}

}  // namespace
}  // namespace tesvar::testing
