#include "platform/Jpeg.h"

#include <gtest/gtest.h>
#include <jpeglib.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "help/ProductPicture.h"

namespace tesvar::testing {
namespace {

// A JPEG made with libjpeg's own encoder: one solid colour, or with `pattern` a busy picture whose
// scan data runs to hundreds of bytes.
std::string encode(int width, int height, int components, const unsigned char colour[3], bool pattern = false) {
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = static_cast<JDIMENSION>(width);
    cinfo.image_height = static_cast<JDIMENSION>(height);
    cinfo.input_components = components;
    cinfo.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> row(static_cast<size_t>(width * components));
    while (cinfo.next_scanline < cinfo.image_height) {
        const int y = static_cast<int>(cinfo.next_scanline);
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < components; ++c)
                row[static_cast<size_t>(x * components + c)] =
                    static_cast<unsigned char>(colour[c] + (pattern ? (x * 37 + y * 91 + c * 53) % 97 : 0));
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    std::string bytes(reinterpret_cast<char*>(buffer), size);
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return bytes;
}

bool near(unsigned value, unsigned expected) { return value + 3 >= expected && value <= expected + 3; }

TEST(JpegTest, Decode_GoodFilesGiveOpaqueRgbPixels) {
    struct Case {
        const char* name;
        int components;
        unsigned char colour[3];
        std::uint32_t expected;  // 0x00RRGGBB
    };
    const Case cases[] = {
        {"colour", 3, {200, 40, 90}, 0xC8285A},
        {"greyscale", 1, {120, 0, 0}, 0x787878},
    };
    for (const Case& c : cases) {
        const Bitmap bitmap = decodeJpeg(encode(37, 21, c.components, c.colour));
        ASSERT_FALSE(bitmap.empty()) << c.name;
        EXPECT_EQ(bitmap.width, 37) << c.name;
        EXPECT_EQ(bitmap.height, 21) << c.name;
        ASSERT_EQ(bitmap.pixels.size(), 37u * 21u) << c.name;
        for (const std::uint32_t pixel : {bitmap.pixels.front(), bitmap.pixels[400], bitmap.pixels.back()}) {
            EXPECT_EQ(pixel >> 24, 0xFFu) << c.name;
            EXPECT_TRUE(near((pixel >> 16) & 0xFF, (c.expected >> 16) & 0xFF)) << c.name << std::hex << " " << pixel;
            EXPECT_TRUE(near((pixel >> 8) & 0xFF, (c.expected >> 8) & 0xFF)) << c.name << std::hex << " " << pixel;
            EXPECT_TRUE(near(pixel & 0xFF, c.expected & 0xFF)) << c.name << std::hex << " " << pixel;
        }
    }
}

TEST(JpegTest, Decode_TheProductPicture) {
    const Bitmap bitmap = decodeJpeg(kProductPictureJpeg, kProductPictureJpegSize);
    EXPECT_EQ(bitmap.width, 130);
    EXPECT_EQ(bitmap.height, 114);
}

// None of these may end the program (libjpeg's own error handler would exit()); each gives
// an empty picture.
TEST(JpegTest, Decode_DamagedOrForeignBytesGiveAnEmptyPicture) {
    const unsigned char grey[3] = {128, 128, 128};
    const std::string good = encode(64, 48, 3, grey, true);
    const size_t scan = good.find("\xFF\xDA");
    ASSERT_NE(scan, std::string::npos);
    ASSERT_GT(good.size() - scan, 200u) << "the scan data should be long enough to cut inside";
    // A header claiming 65535 x 65535 pixels, data of a small picture after it.
    std::string huge = good;
    const size_t sof = huge.find("\xFF\xC0");
    ASSERT_NE(sof, std::string::npos);
    huge.replace(sof + 5, 4, "\xFF\xFF\xFF\xFF");

    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty", ""},
        {"text", "this is not a picture\r\n"},
        {"PNG signature", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16)},
        {"start marker only", "\xFF\xD8"},
        {"header only", good.substr(0, sof + 20)},
        {"cut inside the scan data", good.substr(0, scan + (good.size() - scan) / 2)},
        {"end marker missing", good.substr(0, good.size() - 2)},
        {"absurd size", huge},
    };
    for (const Case& c : cases) {
        const Bitmap bitmap = decodeJpeg(c.bytes);
        EXPECT_TRUE(bitmap.empty()) << c.name;
        EXPECT_EQ(bitmap.width, 0) << c.name;
        EXPECT_EQ(bitmap.height, 0) << c.name;
    }
    // The same decoder still works after all that.
    EXPECT_EQ(decodeJpeg(good).width, 64);
}

}  // namespace
}  // namespace tesvar::testing
