#pragma once
#include <string>

namespace tesvar {

struct ScreenSize {
    int width = 0;
    int height = 0;
};

class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    virtual ScreenSize screenSize() = 0;
    // True when the byte starts a two-byte character in the ANSI code page.
    virtual bool isLeadByte(unsigned char byte) = 0;
    // Orders two texts as the system's sorted list box does, letter case ignored:
    // negative, zero or positive.
    virtual int compareText(const std::string& a, const std::string& b) = 0;
};

}  // namespace tesvar
