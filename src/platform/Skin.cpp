#include "platform/Skin.h"

#include <cstdlib>

namespace tesvar {

namespace {

std::string trim(const std::string& s) {
    size_t begin = 0, end = s.size();
    while (begin < end && (s[begin] == ' ' || s[begin] == '\t')) ++begin;
    while (end > begin && (s[end - 1] == ' ' || s[end - 1] == '\t')) --end;
    return s.substr(begin, end - begin);
}

std::string lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return s;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// "#RRGGBB" into 0x00BBGGRR; false when the text is anything else.
bool readColour(const std::string& text, int& colour) {
    if (text.size() != 7 || text[0] != '#') return false;
    int rgb[3];
    for (int i = 0; i < 3; ++i) {
        const int high = hexDigit(text[1 + 2 * i]), low = hexDigit(text[2 + 2 * i]);
        if (high < 0 || low < 0) return false;
        rgb[i] = high * 16 + low;
    }
    colour = rgb[0] | (rgb[1] << 8) | (rgb[2] << 16);
    return true;
}

// "face name, height" with a height of 1 to 200 pixels.
bool readFont(const std::string& text, std::string& name, int& height) {
    const size_t comma = text.rfind(',');
    if (comma == std::string::npos) return false;
    const std::string face = trim(text.substr(0, comma));
    const std::string size = trim(text.substr(comma + 1));
    if (face.empty() || size.empty() || size.size() > 3) return false;
    for (char c : size)
        if (c < '0' || c > '9') return false;
    const int h = std::atoi(size.c_str());
    if (h < 1 || h > 200) return false;
    name = face;
    height = h;
    return true;
}

}  // namespace

SkinLook parseSkin(const std::string& bytes) {
    SkinLook look;
    struct Key {
        const char* section;
        const char* key;
        int SkinLook::*colour;
    };
    static const Key kColours[] = {
        {"window", "face", &SkinLook::windowFace},   {"toolbar", "face", &SkinLook::toolBarFace},
        {"toolbar", "text", &SkinLook::toolBarText}, {"menu", "face", &SkinLook::menuFace},
        {"memo", "face", &SkinLook::memoFace},       {"memo", "text", &SkinLook::memoText},
        {"list", "face", &SkinLook::listFace},
    };
    std::string section;
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = bytes.find('\n', pos);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(pos, end - pos);
        pos = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        line = trim(line);
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            const size_t close = line.find(']');
            section = close == std::string::npos ? std::string() : lower(trim(line.substr(1, close - 1)));
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string key = lower(trim(line.substr(0, equals)));
        const std::string value = trim(line.substr(equals + 1));
        if (section == "toolbar" && key == "font") {
            readFont(value, look.toolBarFontName, look.toolBarFontHeight);
            continue;
        }
        for (const Key& k : kColours)
            if (section == k.section && key == k.key) readColour(value, look.*(k.colour));
    }
    return look;
}

}  // namespace tesvar
