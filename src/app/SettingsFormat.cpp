#include "app/SettingsFormat.h"

#include <cstdint>
#include <limits>
#include <vector>

#include "folderlist/ListFileFormat.h"

namespace tesvar {

std::string formatSettings(const SettingsValues& v) {
    return std::to_string(v.showInTray) + "\r\n" + std::to_string(v.fontSize) + "\r\n" + v.fontName + "\r\n" +
           std::to_string(v.fontColor) + "\r\n";
}

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool isWordBreak(char c) { return c == ' ' || c == '\t'; }

// Reads a number the way the size and the colour are read: from line `line` on, skipping
// blanks, tabs and whole blank lines; at the end of the lines the number is 0. On success
// `line` is past the number's line.
bool readNumber(const std::vector<std::string>& lines, size_t& line, int& value) {
    for (; line < lines.size(); ++line) {
        const std::string& text = lines[line];
        size_t start = 0;
        while (start < text.size() && isWordBreak(text[start])) ++start;
        if (start == text.size()) continue;
        size_t end = start;
        while (end < text.size() && !isWordBreak(text[end])) ++end;
        ++line;
        return parseSettingsInteger(text.substr(start, end - start), value);
    }
    value = 0;
    return true;
}

}  // namespace

bool parseSettingsInteger(const std::string& text, int& value) {
    size_t i = 0;
    while (i < text.size() && text[i] == ' ') ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    bool hex = false;
    if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == text.size()) return false;
    // Negative decimals reach one further than positive ones: -2147483648 is a value.
    const uint64_t limit = hex ? 0xFFFFFFFFu : (negative ? 0x80000000u : 0x7FFFFFFFu);
    uint64_t magnitude = 0;
    for (; i < text.size(); ++i) {
        const int d = hex ? hexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
        if (d < 0) return false;
        magnitude = magnitude * (hex ? 16 : 10) + static_cast<uint64_t>(d);
        if (magnitude > limit) return false;
    }
    // Two's complement on 32 bits, done in unsigned arithmetic so nothing overflows.
    uint32_t bits = static_cast<uint32_t>(magnitude);
    if (negative) bits = 0u - bits;
    value = static_cast<int32_t>(bits);
    return true;
}

ParsedSettings parseSettings(const std::string& bytes) {
    ParsedSettings parsed;
    const std::vector<std::string> lines = parseListFile(bytes, std::numeric_limits<size_t>::max()).entries;
    // An empty file still has a first line to read: an empty one, which is no number.
    const std::string first = lines.empty() ? std::string() : lines[0];
    if (!parseSettingsInteger(first, parsed.values.showInTray)) return parsed;
    parsed.firstLineRead = true;
    size_t line = 1;
    SettingsValues& v = parsed.values;
    if (!readNumber(lines, line, v.fontSize)) return parsed;
    v.fontName = line < lines.size() ? lines[line] : std::string();
    ++line;
    if (!readNumber(lines, line, v.fontColor)) return parsed;
    parsed.complete = true;
    return parsed;
}

}  // namespace tesvar
