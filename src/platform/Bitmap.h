#pragma once
#include <cstdint>
#include <vector>

namespace tesvar {

// A picture in memory: rows top to bottom, one 32-bit 0xAARRGGBB value a pixel (in memory
// B, G, R, A: the layout of a 32-bit Windows DIB). Empty when it holds no picture.
struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    bool empty() const { return pixels.empty(); }
};

}  // namespace tesvar
