// The decoders on tiny real files: exact pixels per format and depth; cut, damaged and
// oversized files give no picture, without crashing and without a large allocation.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
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
    for (int shift = 0; shift < 32; shift += 8)
        worst = std::max(worst, std::abs(int(a >> shift & 255) - int(b >> shift & 255)));
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
    const char* names[] = {"bmp24.bmp", "bmp8_rle.bmp", "icon4_mask.ico", "pcx24.pcx", "gif.gif", "jpeg_rgb.jpg",
                           "png_rgba.png"};
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
