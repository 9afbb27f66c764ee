#include "platform/Jpeg.h"

// jpeglib.h needs FILE and size_t declared before it.
#include <jpeglib.h>

#include <csetjmp>
#include <cstdio>

namespace tesvar {

namespace {

// A picture larger than this is taken for a damaged header rather than decoded into
// hundreds of megabytes.
constexpr unsigned long kMaxPixels = 4096UL * 4096UL;

// libjpeg's default error handler prints and calls exit(); ours jumps back into decodeInto,
// which gives up on the picture.
struct ErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
};

[[noreturn]] void failDecoding(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// Warnings (level -1) are how libjpeg reports damaged data it carries on with: a truncated
// file is padded with grey, a corrupt segment is skipped. We want no half picture, so a warning
// ends decoding like an error. Trace messages (level >= 0) are ignored.
void onMessage(j_common_ptr cinfo, int level) {
    if (level < 0) failDecoding(cinfo);
}

// Kept free of C++ objects with destructors: the error handler longjmps back into this frame,
// which would skip them. The output lives in the caller's frame.
bool decodeInto(const unsigned char* data, std::size_t size, Bitmap* out) {
    jpeg_decompress_struct cinfo;
    ErrorManager errors;
    cinfo.err = jpeg_std_error(&errors.pub);
    errors.pub.error_exit = failDecoding;
    errors.pub.emit_message = onMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_RGB;
    jpeg_calc_output_dimensions(&cinfo);
    if (cinfo.output_width == 0 || cinfo.output_height == 0 || cinfo.output_width > kMaxPixels / cinfo.output_height) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    jpeg_start_decompress(&cinfo);
    const int width = static_cast<int>(cinfo.output_width);
    const int height = static_cast<int>(cinfo.output_height);
    try {
        out->pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    } catch (...) {
        jpeg_destroy_decompress(&cinfo);
        return false;
    }
    JSAMPARRAY row = (*cinfo.mem->alloc_sarray)(reinterpret_cast<j_common_ptr>(&cinfo), JPOOL_IMAGE,
                                                cinfo.output_width * cinfo.output_components, 1);
    while (cinfo.output_scanline < cinfo.output_height) {
        const std::size_t y = cinfo.output_scanline;
        jpeg_read_scanlines(&cinfo, row, 1);
        std::uint32_t* pixel = &out->pixels[y * static_cast<std::size_t>(width)];
        const JSAMPLE* rgb = row[0];
        for (int x = 0; x < width; ++x, rgb += 3)
            pixel[x] = 0xFF000000u | (static_cast<std::uint32_t>(rgb[0]) << 16) |
                       (static_cast<std::uint32_t>(rgb[1]) << 8) | rgb[2];
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    out->width = width;
    out->height = height;
    return true;
}

}  // namespace

Bitmap decodeJpeg(const unsigned char* data, std::size_t size) {
    Bitmap bitmap;
    // libjpeg refuses an empty buffer by an error too, but there is nothing to ask it.
    if (data == nullptr || size == 0) return bitmap;
    if (!decodeInto(data, size, &bitmap)) return Bitmap{};
    return bitmap;
}

}  // namespace tesvar
