#pragma once
#include <cstddef>

namespace tesvar {

// The product picture of the about box: src/help/res/product.jpg, compiled into the program
// by the build so that the box never depends on a file beside it.
extern const unsigned char kProductPictureJpeg[];
extern const std::size_t kProductPictureJpegSize;

}  // namespace tesvar
