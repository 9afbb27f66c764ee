#include "app/Form1.h"

namespace tesvar {

namespace {

// major + "." + minor read as a decimal number, written back in its shortest form: trailing
// zeros of the fraction carry no value, so 4.10 reads as 4.1 and 6.0 as 6. Comparing these
// texts is comparing the numbers, without a floating-point reading that could depend on the
// user's decimal separator.
std::string versionNumber(unsigned long major, unsigned long minor) {
    std::string fraction = std::to_string(minor);
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    return fraction.empty() ? std::to_string(major) : std::to_string(major) + "." + fraction;
}

struct Suffix {
    const char* version;
    const char* suffix;
};

const Suffix kWindows95Family[] = {{"4", "95"}, {"4.1", "98"}, {"4.9", "Me"}};
const Suffix kNtFamily[] = {{"3.51", "NT 3.51"}, {"4", "NT 4.0"}, {"5", "2000"}, {"5.1", "XP"},
                            {"5.2", "2003"},     {"6", "Vista"},  {"6.1", "7"}};

template <size_t N>
std::string suffixFor(const Suffix (&table)[N], const std::string& version, const char* otherwise) {
    for (const Suffix& s : table)
        if (version == s.version) return s.suffix;
    return otherwise;
}

}  // namespace

// Only platform id, major and minor count; build, service pack and server editions do not.
std::string TForm1::getWindowsVersionName() {
    const WindowsVersion v = platform_.system.windowsVersion();
    const std::string number = versionNumber(v.major, v.minor);
    switch (v.platformId) {
        case 0:
            return "win32";
        case 1:
            return "win" + suffixFor(kWindows95Family, number, "9x");
        case 2:
            return "win" + suffixFor(kNtFamily, number, "");
        default:
            return "win??";
    }
}

}  // namespace tesvar
