#pragma once
#include <cstddef>
#include <string>

#include "platform/Bitmap.h"

namespace tesvar {

// Decodes a JPEG file's bytes with libjpeg. Anything libjpeg cannot decode cleanly (not a JPEG,
// a truncated or damaged file, a colour space it cannot turn into RGB, an absurd size) gives an
// empty bitmap; decoding never ends the program.
Bitmap decodeJpeg(const unsigned char* data, std::size_t size);
inline Bitmap decodeJpeg(const std::string& bytes) {
    return decodeJpeg(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
}

}  // namespace tesvar
