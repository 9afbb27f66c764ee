#pragma once
#include <string>

namespace tesvar::win32 {

// The program's ANSI (code page) text to UTF-8 and back, for the automation port.
std::string ansiToUtf8(const std::string& ansi);
std::string utf8ToAnsi(const std::string& utf8);
// UTF-16 from a control that answers in wide characters, to the ANSI code page.
std::string wideToAnsi(const std::wstring& wide);

}  // namespace tesvar::win32
