#include "ui/win32/Text.h"

#include <windows.h>

namespace tesvar::win32 {

static std::wstring toWide(const std::string& s, UINT codePage) {
    if (s.empty()) return std::wstring();
    const int n = MultiByteToWideChar(codePage, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(n, L'\0');
    MultiByteToWideChar(codePage, 0, s.data(), static_cast<int>(s.size()), &w[0], n);
    return w;
}

static std::string fromWide(const std::wstring& w, UINT codePage) {
    if (w.empty()) return std::string();
    const int n = WideCharToMultiByte(codePage, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(n, '\0');
    WideCharToMultiByte(codePage, 0, w.data(), static_cast<int>(w.size()), &s[0], n, nullptr, nullptr);
    return s;
}

std::string ansiToUtf8(const std::string& ansi) { return fromWide(toWide(ansi, CP_ACP), CP_UTF8); }
std::string utf8ToAnsi(const std::string& utf8) { return fromWide(toWide(utf8, CP_UTF8), CP_ACP); }
std::string wideToAnsi(const std::wstring& wide) { return fromWide(wide, CP_ACP); }

}  // namespace tesvar::win32
