#pragma once

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
};

}  // namespace tesvar
