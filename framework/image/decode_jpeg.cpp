// JPEG through libjpeg: greyscale, YCbCr and (Adobe) CMYK come out as opaque RGB. A warning
// from the library (truncated or damaged data) counts as a failure.
#include <cstdio>  // jpeglib.h needs FILE
#include <jpeglib.h>

#include <csetjmp>

#include "framework/image/image_bytes.h"
#include "framework/image/image_loader.h"

namespace zrv {
namespace {

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

[[noreturn]] void fail(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegError*>(info->err)->jump, 1); }
void on_message(j_common_ptr info, int level) {
    if (level < 0) fail(info);
}
void no_output(j_common_ptr) {}

struct JpegJob {
    image_detail::Bytes bytes;
    std::vector<unsigned char> row;
    Image image;
};

// Only trivially destructible locals live here: an error jumps back to the setjmp.
bool run(JpegJob& job) {
    jpeg_decompress_struct info;
    JpegError error;
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = fail;
    error.manager.emit_message = on_message;
    error.manager.output_message = no_output;
    if (setjmp(error.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, job.bytes.data(), static_cast<unsigned long>(job.bytes.size()));
    jpeg_read_header(&info, TRUE);
    if (!image_detail::size_allowed(info.image_width, info.image_height)) fail(reinterpret_cast<j_common_ptr>(&info));
    // Each coded block takes at least a bit, and a block covers at most 32 x 32 pixels: refuse a
    // size the data cannot fill. (Arithmetic coding has no such floor.)
    if (!info.arith_code && std::uint64_t{info.image_width} * info.image_height > job.bytes.size() * 8192ull)
        fail(reinterpret_cast<j_common_ptr>(&info));
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);
    const unsigned components = cmyk ? 4 : 3;
    if (info.output_width != info.image_width || info.output_height != info.image_height ||
        static_cast<unsigned>(info.output_components) != components)
        fail(reinterpret_cast<j_common_ptr>(&info));

    job.image = image_detail::blank_image(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    job.row.resize(std::size_t{info.output_width} * components);
    const bool inverted = info.saw_Adobe_marker;
    while (info.output_scanline < info.output_height) {
        std::uint32_t* out = job.image.pixels.data() + std::size_t{info.output_scanline} * info.output_width;
        JSAMPROW row = job.row.data();
        if (jpeg_read_scanlines(&info, &row, 1) != 1) fail(reinterpret_cast<j_common_ptr>(&info));
        for (unsigned x = 0; x < info.output_width; ++x) {
            const unsigned char* p = job.row.data() + x * components;
            if (!cmyk) {
                out[x] = image_detail::argb(p[0], p[1], p[2]);
                continue;
            }
            unsigned c = p[0], m = p[1], y = p[2], k = p[3];
            if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
            out[x] = image_detail::argb(c * k / 255, m * k / 255, y * k / 255);
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

}  // namespace

std::optional<Image> decode_jpeg(std::span<const unsigned char> bytes) {
    if (bytes.size() < 4 || bytes[0] != 0xFF || bytes[1] != 0xD8) return std::nullopt;
    JpegJob job;
    job.bytes = bytes;
    if (!run(job)) return std::nullopt;
    return std::move(job.image);
}

}  // namespace zrv
