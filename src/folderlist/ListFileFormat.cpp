#include "folderlist/ListFileFormat.h"

namespace tesvar {

namespace {
constexpr char kEndOfFile = 0x1A;
}

ParsedList parseListFile(const std::string& bytes, size_t maxEntries) {
    ParsedList result;
    size_t pos = 0;
    const size_t size = bytes.size();
    while (pos < size && bytes[pos] != kEndOfFile) {
        if (result.entries.size() >= maxEntries) {
            result.truncated = true;
            break;
        }
        std::string text;
        bool cut = false;
        while (pos < size) {
            const char c = bytes[pos];
            if (c == '\n') {
                ++pos;
                break;
            }
            if (c == '\r') {
                if (pos + 1 < size && bytes[pos + 1] == '\n') {
                    pos += 2;
                    break;
                }
                ++pos;  // a lone CR is no line end and no part of the text
                continue;
            }
            if (c == kEndOfFile) cut = true;
            if (!cut) text.push_back(c);
            ++pos;
        }
        result.entries.push_back(std::move(text));
    }
    return result;
}

std::string formatListFile(const std::vector<std::string>& entries) {
    size_t total = 0;
    for (const std::string& e : entries) total += e.size() + 2;
    std::string bytes;
    bytes.reserve(total);
    for (const std::string& e : entries) {
        bytes += e;
        bytes += "\r\n";
    }
    return bytes;
}

}  // namespace tesvar
