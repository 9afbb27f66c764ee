// The settings reader on any bytes: it never fails, reports how far it came consistently, and
// the four values it read are written as a file that reads back to the same four values.

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "app/SettingsFormat.h"

using tesvar::formatSettings;
using tesvar::ParsedSettings;
using tesvar::parseSettings;
using tesvar::parseSettingsInteger;

namespace {

bool sameValues(const tesvar::SettingsValues& a, const tesvar::SettingsValues& b) {
    return a.showInTray == b.showInTray && a.fontSize == b.fontSize && a.fontName == b.fontName &&
           a.fontColor == b.fontColor;
}

// Every integer the reader accepts is written in decimal by the writer; that must read back.
void checkIntegerWritesBack(int value) {
    int again = ~value;
    FUZZ_CHECK(parseSettingsInteger(std::to_string(value), again));
    FUZZ_CHECK(again == value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    const ParsedSettings parsed = parseSettings(bytes);
    FUZZ_CHECK(parsed.firstLineRead || !parsed.complete);
    if (parsed.firstLineRead) checkIntegerWritesBack(parsed.values.showInTray);
    if (parsed.complete) {
        checkIntegerWritesBack(parsed.values.fontSize);
        checkIntegerWritesBack(parsed.values.fontColor);
        const std::string& name = parsed.values.fontName;
        FUZZ_CHECK(name.find_first_of(std::string("\r\n\x1A", 3)) == std::string::npos);
        const ParsedSettings again = parseSettings(formatSettings(parsed.values));
        FUZZ_CHECK(again.complete);
        FUZZ_CHECK(sameValues(again.values, parsed.values));
    }

    // The integer rule alone, on the raw bytes: an accepted text leaves a value that writes back,
    // a refused one leaves the value untouched.
    int value = 12345;
    if (parseSettingsInteger(bytes, value))
        checkIntegerWritesBack(value);
    else
        FUZZ_CHECK(value == 12345);
    return 0;
}
