#include "platform/win32/WinClipboard.h"

#include <cstring>

#include "platform/Errors.h"

namespace tesvar::win32 {

namespace {

constexpr int kOpenAttempts = 5;
constexpr DWORD kOpenRetryMs = 20;

// Closes the clipboard however the copy ends.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) {
        // Another program (a clipboard viewer, a remote-desktop client) may hold the clipboard
        // for a moment; a short wait usually gets it.
        for (int i = 0; i < kOpenAttempts && !opened_; ++i) {
            opened_ = OpenClipboard(owner) != FALSE;
            if (!opened_) Sleep(kOpenRetryMs);
        }
    }
    ~OpenedClipboard() {
        if (opened_) CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    bool opened() const { return opened_; }

private:
    bool opened_ = false;
};

}  // namespace

// CF_TEXT in the ANSI code page; Windows makes the Unicode form from it for programs that ask
// for that, using the locale it records with the text.
void WinClipboard::setText(const std::string& text) {
    OpenedClipboard clipboard(owner_);
    if (!clipboard.opened()) throw ClipboardError("Cannot open clipboard");
    if (!EmptyClipboard()) throw ClipboardError("Cannot open clipboard");
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    if (!memory) throw ClipboardError("Out of memory");
    void* bytes = GlobalLock(memory);
    if (!bytes) {
        GlobalFree(memory);
        throw ClipboardError("Out of memory");
    }
    std::memcpy(bytes, text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    // Once SetClipboardData succeeds the memory belongs to the clipboard.
    if (!SetClipboardData(CF_TEXT, memory)) {
        GlobalFree(memory);
        throw ClipboardError("Cannot open clipboard");
    }
}

}  // namespace tesvar::win32
