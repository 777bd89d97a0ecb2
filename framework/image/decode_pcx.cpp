// PCX: 256 colours with the palette at the end of the file, 24-bit colour in three planes,
// monochrome, and 16 colours in four planes with the palette in the header. Run-length coded
// (or stored as is).
#include "framework/image/image_bytes.h"
#include "framework/image/image_loader.h"

namespace zrv {

std::optional<Image> decode_pcx(std::span<const unsigned char> bytes) {
    using namespace image_detail;
    constexpr std::size_t kHeader = 128, kTailPalette = 769;
    if (bytes.size() < kHeader || bytes[0] != 0x0A) return std::nullopt;
    const unsigned char* hd = bytes.data();
    const unsigned encoding = hd[2], bpp = hd[3], planes = hd[65];
    const unsigned xmin = le16(hd + 4), ymin = le16(hd + 6), xmax = le16(hd + 8), ymax = le16(hd + 10);
    const std::uint64_t line = le16(hd + 66);
    if (encoding > 1 || xmax < xmin || ymax < ymin) return std::nullopt;
    const std::int64_t width = std::int64_t{xmax} - xmin + 1, height = std::int64_t{ymax} - ymin + 1;
    if (!size_allowed(width, height)) return std::nullopt;

    enum { kPalette256, kRgb, kMono, kPlanar16 } kind;
    if (bpp == 8 && planes == 1) kind = kPalette256;
    else if (bpp == 8 && planes == 3) kind = kRgb;
    else if (bpp == 1 && planes == 1) kind = kMono;
    else if (bpp == 1 && planes == 4) kind = kPlanar16;
    else return std::nullopt;
    if (line * 8 < static_cast<std::uint64_t>(width) * bpp) return std::nullopt;

    std::size_t end = bytes.size();
    if (kind == kPalette256) {
        if (end < kHeader + kTailPalette || bytes[end - kTailPalette] != 0x0C) return std::nullopt;
        end -= kTailPalette;
    }
    // One run (two bytes) gives at most 63 bytes: a file too short for its size is refused
    // before anything is allocated.
    const std::uint64_t scan = line * planes, total = scan * static_cast<std::uint64_t>(height);
    const std::uint64_t available = end - kHeader;
    if (total > (encoding ? available * 32 : available)) return std::nullopt;

    std::vector<unsigned char> data(total);
    std::size_t pos = kHeader;
    for (std::uint64_t n = 0; n < total;) {
        if (pos >= end) return std::nullopt;
        unsigned c = bytes[pos++];
        if (encoding && (c & 0xC0) == 0xC0) {
            if (pos >= end) return std::nullopt;
            unsigned v = bytes[pos++];
            for (unsigned k = c & 0x3F; k && n < total; --k) data[n++] = static_cast<unsigned char>(v);
        } else {
            data[n++] = static_cast<unsigned char>(c);
        }
    }

    Image image = blank_image(static_cast<int>(width), static_cast<int>(height));
    const unsigned char* tail = bytes.data() + bytes.size() - kTailPalette + 1;
    for (std::int64_t y = 0; y < height; ++y) {
        const unsigned char* s = data.data() + y * scan;
        std::uint32_t* out = image.pixels.data() + y * width;
        for (std::int64_t x = 0; x < width; ++x) {
            auto bit = [&](unsigned plane) { return s[plane * line + (x >> 3)] >> (7 - (x & 7)) & 1u; };
            switch (kind) {
                case kPalette256: {
                    const unsigned char* p = tail + 3 * s[x];
                    out[x] = argb(p[0], p[1], p[2]);
                    break;
                }
                case kRgb:
                    out[x] = argb(s[x], s[line + x], s[2 * line + x]);
                    break;
                case kMono:
                    out[x] = bit(0) ? argb(255, 255, 255) : argb(0, 0, 0);
                    break;
                case kPlanar16: {
                    const unsigned char* p = hd + 16 + 3 * (bit(0) | bit(1) << 1 | bit(2) << 2 | bit(3) << 3);
                    out[x] = argb(p[0], p[1], p[2]);
                    break;
                }
            }
        }
    }
    return image;
}

}  // namespace zrv
