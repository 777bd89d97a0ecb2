// The decoders on tiny real files: exact pixels per format and depth; cut, damaged and
// oversized files give no picture, without crashing and without a large allocation.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <new>
#include <random>

#include <zlib.h>

#include "framework/image/image_loader.h"
#include "tests/framework/image/image_fixtures.h"

// The largest single allocation made through operator new since the last reset.
static std::atomic<std::size_t> largest_allocation{0};
void* operator new(std::size_t n) {
    std::size_t seen = largest_allocation.load();
    while (n > seen && !largest_allocation.compare_exchange_weak(seen, n)) {
    }
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
// The replacements pair malloc with free; the compiler's check of new against delete does not
// see through replaced operators.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace zrv {
namespace {

using testing::Bytes;
using testing::image_fixture;
using testing::image_fixtures;

std::optional<Image> decode(const std::string& name, const Bytes& bytes) { return decode_by_extension(name, bytes); }

int channel_gap(std::uint32_t a, std::uint32_t b) {
    int worst = 0;
    for (int shift = 0; shift < 32; shift += 8) worst = std::max(worst, std::abs(int(a >> shift & 255) - int(b >> shift & 255)));
    return worst;
}

TEST(ImageDecoders, EveryFixtureGivesItsPixels) {
    for (const auto& f : image_fixtures()) {
        SCOPED_TRACE(f.name);
        auto image = decode(f.name, f.bytes);
        ASSERT_TRUE(image);
        ASSERT_EQ(image->width, f.width);
        ASSERT_EQ(image->height, f.height);
        ASSERT_EQ(image->pixels.size(), f.pixels.size());
        for (std::size_t i = 0; i < f.pixels.size(); ++i)
            EXPECT_LE(channel_gap(image->pixels[i], f.pixels[i]), f.tolerance)
                << "pixel " << i << std::hex << " got " << image->pixels[i] << " want " << f.pixels[i];
    }
}

// Pictures written by ImageMagick and netpbm (fixtures/make.sh) from the plain sources beside
// them: what another program writes reads as the pixels its source holds.
struct ToolPicture {
    const char* file;
    int width, height;
    std::vector<std::uint32_t> pixels;
    int tolerance = 0;  // per channel, for JPEG
};

// source.ppm, gray.pgm, mono.pbm, alpha.pam, cutout.pam and blocks.ppm as 0xAARRGGBB.
const std::vector<std::uint32_t> kSource = {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF,  //
                                            0xFF000000, 0xFFFFFF00, 0xFF00FFFF, 0xFFFF00FF,  //
                                            0xFF808080, 0xFFFF8000, 0xFF204060, 0xFFC0C0C0};
const std::vector<std::uint32_t> kGray = {0xFF000000, 0xFF555555, 0xFFAAAAAA, 0xFFFFFFFF};
const std::vector<std::uint32_t> kMono = {0xFF000000, 0xFFFFFFFF, 0xFF000000, 0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF,
                                          0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF, 0xFF000000, 0xFFFFFFFF, 0xFFFFFFFF,
                                          0xFF000000, 0xFF000000, 0xFFFFFFFF, 0xFF000000};
const std::vector<std::uint32_t> kAlpha = {0xFFFF0000, 0x8000FF00, 0x000000FF, 0xFFFFFFFF,  //
                                           0x40000000, 0xFFFFFF00, 0x0000FFFF, 0xC0FF00FF};
const std::vector<std::uint32_t> kCutout = {0xFFFF0000, 0x0000FF00, 0xFF0000FF, 0x00FFFFFF,  //
                                            0xFF000000, 0xFFFFFF00, 0x0000FFFF, 0xFFFF00FF};

// A picture's pixels each made a factor x factor square.
std::vector<std::uint32_t> scaled(const std::vector<std::uint32_t>& p, int width, int factor) {
    const int height = static_cast<int>(p.size()) / width;
    std::vector<std::uint32_t> out;
    for (int y = 0; y < height * factor; ++y)
        for (int x = 0; x < width * factor; ++x) out.push_back(p[(y / factor) * width + x / factor]);
    return out;
}
// blocks.ppm: 8x8 blocks of red, green / blue, white.
const std::vector<std::uint32_t> kBlocks = scaled({0xFFFF0000, 0xFF00A000, 0xFF0000FF, 0xFFFFFFFF}, 2, 8);

// Nine rows for the four passes of an interlaced GIF: source.ppm, the same upside down, again.
const std::vector<std::uint32_t> kInterlacedRows = [] {
    std::vector<std::uint32_t> rows;
    for (int row : {0, 1, 2, 2, 1, 0, 0, 1, 2}) rows.insert(rows.end(), kSource.begin() + 4 * row, kSource.begin() + 4 * row + 4);
    return rows;
}();

const ToolPicture kToolPictures[] = {
    {"png_rgb.png", 4, 3, kSource},
    {"png_palette.png", 4, 3, kSource},
    {"png_gray.png", 4, 1, kGray},
    {"png_rgba.png", 4, 2, kAlpha},
    {"png_interlaced.png", 4, 3, kSource},
    {"png_16bit.png", 4, 3, kSource},
    {"png_netpbm.png", 4, 3, kSource},  // 4-bit palette, interlaced
    {"jpeg_444.jpg", 16, 16, kBlocks, 4},
    {"jpeg_progressive.jpg", 16, 16, kBlocks, 4},
    {"jpeg_420.jpg", 16, 16, std::vector<std::uint32_t>(256, 0xFFFF8000), 4},  // colour at half resolution
    {"jpeg_gray.jpg", 16, 4, scaled(kGray, 4, 4), 16},
    {"gif.gif", 4, 3, kSource},
    {"gif_interlaced.gif", 4, 9, kInterlacedRows},
    {"gif_transparent.gif", 4, 2, kCutout},
    {"gif_netpbm.gif", 4, 3, kSource},
    {"bmp24.bmp", 4, 3, kSource},
    {"bmp4.bmp", 4, 3, kSource},
    {"bmp8.bmp", 4, 3, kSource},
    {"bmp8_rle.bmp", 4, 1, kGray},
    {"bmp1.bmp", 8, 2, kMono},
    {"bmp32_alpha.bmp", 4, 2, kAlpha},
    {"bmp_os2.bmp", 4, 3, kSource},
    {"icon.ico", 4, 3, kSource},
    {"icon_4bit.ico", 4, 3, kSource},
    {"icon_alpha.ico", 4, 2, kAlpha},
    {"icon_mask.ico", 4, 2, kCutout},
    {"icon_png.ico", 4, 3, kSource},
    {"icon_two_sizes.ico", 8, 6, scaled(kSource, 4, 2)},  // the larger entry
    {"cursor.cur", 4, 3, kSource},
    {"pcx24.pcx", 4, 3, kSource},
    {"pcx8.pcx", 4, 3, kSource},
    {"pcx8_netpbm.pcx", 4, 3, kSource},
    {"pcx16.pcx", 4, 3, kSource},  // four planes of one bit
    {"pcx1.pcx", 8, 2, kMono},
};

class PictureFromAnotherTool : public ::testing::TestWithParam<ToolPicture> {};

TEST_P(PictureFromAnotherTool, GivesItsSourcesPixels) {
    const ToolPicture& p = GetParam();
    std::ifstream in(std::string(ZRV_IMAGE_FIXTURE_DIR) + "/" + p.file, std::ios::binary);
    ASSERT_TRUE(in) << p.file;
    const Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    auto image = decode(p.file, bytes);
    ASSERT_TRUE(image);
    ASSERT_EQ(image->width, p.width);
    ASSERT_EQ(image->height, p.height);
    ASSERT_EQ(image->pixels.size(), p.pixels.size());
    for (std::size_t i = 0; i < p.pixels.size(); ++i) {
        // What a clear pixel holds behind it is the writer's choice.
        const std::uint32_t mask = p.pixels[i] >> 24 == 0 ? 0xFF000000u : 0xFFFFFFFFu;
        EXPECT_LE(channel_gap(image->pixels[i] & mask, p.pixels[i] & mask), p.tolerance)
            << "pixel " << i << std::hex << " got " << image->pixels[i] << " want " << p.pixels[i];
    }
}

INSTANTIATE_TEST_SUITE_P(ImageDecoders, PictureFromAnotherTool, ::testing::ValuesIn(kToolPictures),
                         [](const ::testing::TestParamInfo<ToolPicture>& info) {
                             std::string name = info.param.file;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

TEST(ImageDecoders, EveryCutFileGivesNoPicture) {
    for (const auto& f : image_fixtures()) {
        SCOPED_TRACE(f.name);
        for (std::size_t n = 0; n < f.bytes.size(); ++n)
            EXPECT_FALSE(decode(f.name, Bytes(f.bytes.begin(), f.bytes.begin() + n))) << "cut at " << n;
    }
}

TEST(ImageDecoders, DamagedFilesNeverCrash) {
    std::mt19937 random(20240611);
    for (const auto& f : image_fixtures()) {
        SCOPED_TRACE(f.name);
        for (int round = 0; round < 400; ++round) {
            Bytes bytes = f.bytes;
            for (int k = 1 + round % 3; k > 0; --k) bytes[random() % bytes.size()] = static_cast<unsigned char>(random());
            if (auto image = decode(f.name, bytes)) {
                ASSERT_GT(image->width, 0);
                ASSERT_GT(image->height, 0);
                ASSERT_EQ(image->pixels.size(), std::size_t(image->width) * image->height);
            }
        }
    }
}

void put16(Bytes& b, std::size_t at, unsigned v, bool big_endian = false) {
    b[at + (big_endian ? 1 : 0)] = static_cast<unsigned char>(v);
    b[at + (big_endian ? 0 : 1)] = static_cast<unsigned char>(v >> 8);
}
void put32(Bytes& b, std::size_t at, std::uint32_t v, bool big_endian = false) {
    for (int k = 0; k < 4; ++k) b[at + (big_endian ? 3 - k : k)] = static_cast<unsigned char>(v >> (8 * k));
}
std::size_t find(const Bytes& b, std::initializer_list<unsigned char> marker) {
    return std::search(b.begin(), b.end(), marker.begin(), marker.end()) - b.begin();
}

// Declares width x height in a copy of a fixture's header (fixing the PNG header's checksum).
Bytes declare(const std::string& name, std::uint32_t w, std::uint32_t h) {
    Bytes b = image_fixture(name).bytes;
    const std::string ext = name.substr(name.find('.') + 1);
    if (ext == "bmp") put32(b, 18, w), put32(b, 22, h);
    if (ext == "ico") put32(b, 22 + 4, w), put32(b, 22 + 8, h * 2);
    if (ext == "pcx") put16(b, 8, w - 1), put16(b, 10, h - 1);
    if (ext == "gif") put16(b, 6, w), put16(b, 8, h), put16(b, find(b, {0x2C}) + 5, w), put16(b, find(b, {0x2C}) + 7, h);
    if (ext == "jpg") {
        const std::size_t sof = find(b, {0xFF, 0xC0});
        put16(b, sof + 5, h, true), put16(b, sof + 7, w, true);
    }
    if (ext == "png") {
        put32(b, 16, w, true), put32(b, 20, h, true);
        put32(b, 29, static_cast<std::uint32_t>(crc32(0, b.data() + 12, 17)), true);
    }
    return b;
}

TEST(ImageDecoders, EnormousDeclaredSizeGivesNoPictureAndNoLargeAllocation) {
    const char* names[] = {"bmp24.bmp", "bmp8_rle.bmp", "icon4_mask.ico", "pcx24.pcx", "gif.gif", "jpeg_rgb.jpg", "png_rgba.png"};
    const std::pair<std::uint32_t, std::uint32_t> sizes[] = {{20000, 2}, {2, 20000}, {16384, 16384}, {8192, 8192}};
    for (const char* name : names)
        for (auto [w, h] : sizes) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(w) + "x" + std::to_string(h));
            const Bytes b = declare(name, w, h);
            largest_allocation = 0;
            EXPECT_FALSE(decode(name, b));
            EXPECT_LT(largest_allocation.load(), std::size_t{1} << 20);
        }
}

TEST(ImageDecoders, GifScreenFarLargerThanItsDataGivesTheFrameAlone) {
    Bytes b = image_fixture("gif.gif").bytes;
    put16(b, 6, 8192), put16(b, 8, 8192);
    largest_allocation = 0;
    auto image = decode("gif.gif", b);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->width, 3);
    EXPECT_EQ(image->height, 2);
    EXPECT_EQ(image->pixels, image_fixture("gif.gif").pixels);
    EXPECT_LT(largest_allocation.load(), std::size_t{1} << 20);
}

}  // namespace
}  // namespace zrv
