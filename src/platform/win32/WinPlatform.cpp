#include "platform/win32/WinPlatform.h"

#include <mmsystem.h>

#include <vector>

#include "platform/Errors.h"

namespace tesvar::win32 {

// Asked with no buffer first, GetCurrentDirectoryA answers the size it needs (terminator
// included), so a folder deeper than MAX_PATH is read whole. Another thread may change the
// folder between the two calls; then the second answer is again a size, and we ask once more.
std::string WinFileSystem::currentDirectory() {
    DWORD size = GetCurrentDirectoryA(0, nullptr);
    for (;;) {
        if (size == 0) throw FileError(static_cast<int>(GetLastError()));
        std::vector<char> buffer(size);
        const DWORD length = GetCurrentDirectoryA(size, buffer.data());
        if (length == 0) throw FileError(static_cast<int>(GetLastError()));
        if (length < size) return std::string(buffer.data(), length);
        size = length > size ? length : size * 2;
    }
}

// A path Windows cannot take (longer than MAX_PATH characters, bad characters) fails like a
// missing one: the program only wants to know whether it can use the path.
bool WinFileSystem::fileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool WinFileSystem::directoryExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

void WinSound::playAsync(const std::string& path) { sndPlaySoundA(path.c_str(), SND_ASYNC); }

// MessageBoxA with an owner that is no longer a window shows nothing and returns 0
// (ERROR_INVALID_WINDOW_HANDLE), which would swallow a box raised while the windows are being
// torn down; such a box is shown without an owner instead.
HWND WinDialogs::ownerFor(BoxOwner owner) const {
    HWND window = nullptr;
    switch (owner) {
        case BoxOwner::None:
            return nullptr;
        case BoxOwner::Application:
            window = applicationWindow_;
            break;
        case BoxOwner::MainWindow:
            window = mainWindow_;
            break;
    }
    return window != nullptr && IsWindow(window) ? window : nullptr;
}

namespace {
long long modalTicksSoFar = 0;
int modalDepth = 0;  // a box raised inside a dialog is counted once, by the outer span
}  // namespace

long long modalTicks() { return modalTicksSoFar; }

ModalSpan::ModalSpan() {
    ++modalDepth;
    QueryPerformanceCounter(&start_);
}

ModalSpan::~ModalSpan() {
    LARGE_INTEGER end;
    QueryPerformanceCounter(&end);
    if (--modalDepth == 0) modalTicksSoFar += end.QuadPart - start_.QuadPart;
}

int WinDialogs::messageBox(const MessageBoxRequest& request) {
    const ModalSpan modal;
    return MessageBoxA(ownerFor(request.owner), request.text.c_str(), request.caption.c_str(), request.flags);
}

ScreenSize WinSystemInfo::screenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

// The plain structure (not the EX one), which every Windows version fills. Should the query
// fail, the zeroed answer names the oldest platform rather than guessing a newer one.
WindowsVersion WinSystemInfo::windowsVersion() {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) return {};
    return {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion};
}

// Asks the system's ANSI code page, so the caption rule follows whatever code page the
// program runs in (936 for its users: 0x81..0xFE).
bool WinSystemInfo::isLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

// A sorted LISTBOX orders its strings with CompareString in the user's locale, letter case
// ignored (a word sort: hyphens and apostrophes count for less than letters). Asking the same
// function keeps an order computed here identical to the one the list box would make.
// The system's sort key for CompareStringA's order with the same flags.
std::string WinSystemInfo::sortKey(const std::string& text) {
    const int length = static_cast<int>(text.size());
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE;
    const int size = LCMapStringA(LOCALE_USER_DEFAULT, flags, text.data(), length, nullptr, 0);
    if (size <= 0) return text;  // only for texts the function refuses
    std::string key(static_cast<size_t>(size), '\0');
    LCMapStringA(LOCALE_USER_DEFAULT, flags, text.data(), length, &key[0], size);
    return key;
}

int WinSystemInfo::compareText(const std::string& a, const std::string& b) {
    const int result = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()),
                                      b.data(), static_cast<int>(b.size()));
    if (result == 0) return a.compare(b);  // only for arguments the function refuses
    return result - CSTR_EQUAL;
}

}  // namespace tesvar::win32
