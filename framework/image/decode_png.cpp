// PNG through libpng: every colour type and depth comes out as 8-bit RGBA.
#include <png.h>

#include <csetjmp>
#include <cstring>

#include "framework/image/image_bytes.h"
#include "framework/image/image_loader.h"

namespace zrv {
namespace {

using image_detail::Bytes;

struct PngJob {
    Bytes bytes;
    std::size_t pos = 8;
    std::uint64_t compressed = 0;  // bytes of image data (IDAT) in the file
    png_uint_32 width = 0, height = 0;
    std::vector<unsigned char> rgba;
    std::vector<png_bytep> rows;
};

void read_bytes(png_structp png, png_bytep out, png_size_t n) {
    auto* job = static_cast<PngJob*>(png_get_io_ptr(png));
    if (n > job->bytes.size() - job->pos) png_error(png, "truncated");
    std::memcpy(out, job->bytes.data() + job->pos, n);
    job->pos += n;
}

[[noreturn]] void fail(png_structp png, png_const_charp) { std::longjmp(png_jmpbuf(png), 1); }
void ignore_warning(png_structp, png_const_charp) {}

// Sum of the IDAT chunk lengths, read from the chunk list without decoding anything.
std::uint64_t compressed_size(Bytes b) {
    std::uint64_t total = 0;
    for (std::uint64_t pos = 8; image_detail::fits(b.size(), pos, 12);) {
        const std::uint32_t length = image_detail::be32(b.data() + pos);
        const unsigned char* type = b.data() + pos + 4;
        if (std::memcmp(type, "IDAT", 4) == 0) total += length;
        if (std::memcmp(type, "IEND", 4) == 0) break;
        pos += 12ull + length;
    }
    return total;
}

// Only trivially destructible locals live here: an error jumps back to the setjmp.
bool run(PngJob& job) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, fail, ignore_warning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_user_limits(png, kMaxImageSide, kMaxImageSide);
    png_set_chunk_cache_max(png, 1000);
    png_set_chunk_malloc_max(png, 16u << 20);
#ifdef FUZZING_BUILD_MODE_UNSAFE_FOR_PRODUCTION
    // Fuzzing reaches further when damaged checksums do not stop every input at once.
    png_set_crc_action(png, PNG_CRC_QUIET_USE, PNG_CRC_QUIET_USE);
    png_set_option(png, PNG_IGNORE_ADLER32, PNG_OPTION_ON);
#endif
    png_set_read_fn(png, &job, read_bytes);
    png_set_sig_bytes(png, 8);
    png_read_info(png, info);

    int depth = 0, colour = 0, interlace = 0;
    png_get_IHDR(png, info, &job.width, &job.height, &depth, &colour, &interlace, nullptr, nullptr);
    if (!image_detail::size_allowed(job.width, job.height)) png_error(png, "too large");
    // Deflate packs at most about 1032 bytes into one: refuse a size the data cannot fill.
    const std::uint64_t raw = (std::uint64_t{job.width} * depth * png_get_channels(png, info) + 15) / 8 * job.height;
    if (raw > job.compressed * 1100 + 65536) png_error(png, "too little image data");

    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != std::size_t{job.width} * 4) png_error(png, "unexpected layout");

    job.rgba.resize(std::size_t{job.width} * job.height * 4);
    job.rows.resize(job.height);
    for (png_uint_32 y = 0; y < job.height; ++y) job.rows[y] = job.rgba.data() + std::size_t{y} * job.width * 4;
    png_read_image(png, job.rows.data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

}  // namespace

std::optional<Image> decode_png(std::span<const unsigned char> bytes) {
    if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) return std::nullopt;
    PngJob job;
    job.bytes = bytes;
    job.compressed = compressed_size(bytes);
    if (!run(job)) return std::nullopt;
    Image image = image_detail::blank_image(static_cast<int>(job.width), static_cast<int>(job.height));
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const unsigned char* p = job.rgba.data() + 4 * i;
        image.pixels[i] = image_detail::argb(p[0], p[1], p[2], p[3]);
    }
    return image;
}

}  // namespace zrv
