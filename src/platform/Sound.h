#pragma once
#include <string>

namespace tesvar {

class Sound {
public:
    virtual ~Sound() = default;
    // Starts playing a wave file and returns at once (sndPlaySound with SND_ASYNC).
    virtual void playAsync(const std::string& path) = 0;
};

}  // namespace tesvar
