#pragma once
#include <string>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Skin.h"

namespace tesvar::sim {

// Loads skins from the virtual file system and records what the program asked for.
class SimSkin : public Skin {
public:
    explicit SimSkin(FileSystem& files) : files_(files) {}
    void setSkinFile(const std::string& path) override;
    void activate() override;

    std::vector<std::string> calls;  // "file PATH" and "activate", in order
    bool loaded = false;
    bool active = false;
    SkinLook look;  // the skin loaded last; the active one once activated

private:
    FileSystem& files_;
};

}  // namespace tesvar::sim
