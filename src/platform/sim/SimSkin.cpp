#include "platform/sim/SimSkin.h"

#include <exception>

namespace tesvar::sim {

void SimSkin::setSkinFile(const std::string& path) {
    calls.push_back("file " + path);
    if (!files_.fileExists(path)) return;
    try {
        look = parseSkin(files_.readFile(path));
        loaded = true;
    } catch (const std::exception&) {
    }
}

void SimSkin::activate() {
    calls.push_back("activate");
    active = true;
}

}  // namespace tesvar::sim
