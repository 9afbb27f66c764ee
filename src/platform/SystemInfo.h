#pragma once
#include <string>

namespace tesvar {

struct ScreenSize {
    int width = 0;
    int height = 0;
};

// What the system's version query reports: platform id (0 Win32s, 1 the Windows 95 family,
// 2 the NT family), major and minor version.
struct WindowsVersion {
    unsigned long platformId = 0;
    unsigned long major = 0;
    unsigned long minor = 0;
};

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    virtual ScreenSize screenSize() = 0;
    virtual WindowsVersion windowsVersion() = 0;
    // True when the byte starts a two-byte character in the ANSI code page.
    virtual bool isLeadByte(unsigned char byte) = 0;
    // Orders two texts as the system's sorted list box does, letter case ignored:
    // negative, zero or positive.
    virtual int compareText(const std::string& a, const std::string& b) = 0;
    // A key in compareText's order: two keys compared byte by byte (unsigned, a key that
    // begins another one first) order their texts as compareText does. Sorting many texts,
    // each text's key is made once instead of every comparison converting both texts.
    virtual std::string sortKey(const std::string& text) = 0;
};

}  // namespace tesvar
