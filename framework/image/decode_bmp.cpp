// BMP: Windows and OS/2 headers; 1, 4, 8, 16, 24 and 32 bits per pixel; uncompressed, bit
// fields, RLE8 and RLE4; rows stored bottom-up or top-down. Also the bitmaps inside icons.
#include <algorithm>
#include <bit>
#include <cstring>

#include "framework/image/image_bytes.h"
#include "framework/image/image_loader.h"

namespace zrv {
namespace image_detail {
namespace {

enum Compression : std::uint32_t { kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6 };

// One colour channel held in a bit-field mask, scaled to 0..255.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    explicit Channel(std::uint32_t m = 0) : mask(m) {
        if (!m) return;
        shift = std::countr_zero(m);
        bits = std::countr_one(m >> shift);
    }
    unsigned get(std::uint32_t v, unsigned absent = 0) const {
        if (!bits) return absent;
        std::uint64_t x = (v >> shift) & ((std::uint64_t{1} << bits) - 1);
        if (bits >= 8) return static_cast<unsigned>(x >> (bits - 8));
        return static_cast<unsigned>(x * 255 / ((std::uint64_t{1} << bits) - 1));
    }
};

struct Header {
    std::int64_t width = 0;
    std::int64_t height = 0;  // rows of colour, without an icon's mask
    bool top_down = false;
    int bpp = 0;
    std::uint32_t compression = kRgb;
    std::uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
    bool alpha_mask = false;
    std::size_t palette_offset = 0;
    std::size_t palette_entries = 0;  // entries stored in the file
    std::size_t entry_size = 4;
};

std::optional<Header> read_header(Bytes d, bool icon) {
    if (d.size() < 12) return std::nullopt;
    Header h;
    std::uint32_t header_size = le32(d.data());
    std::uint32_t colours_used = 0;
    if (header_size == 12) {
        h.width = le16(d.data() + 4);
        h.height = le16(d.data() + 6);
        h.bpp = le16(d.data() + 10);
        h.entry_size = 3;
        h.palette_offset = 12;
    } else if (header_size >= 40 && fits(d.size(), 0, header_size)) {
        h.width = sle32(d.data() + 4);
        h.height = sle32(d.data() + 8);
        h.bpp = le16(d.data() + 14);
        h.compression = le32(d.data() + 16);
        colours_used = le32(d.data() + 32);
        h.palette_offset = header_size;
        if (header_size >= 52)
            for (int i = 0; i < 3; ++i) h.masks[i] = le32(d.data() + 40 + 4 * i);
        if (header_size >= 56) h.masks[3] = le32(d.data() + 52);
        if (header_size == 40 && (h.compression == kBitFields || h.compression == kAlphaBitFields)) {
            int count = h.compression == kBitFields ? 3 : 4;
            if (!fits(d.size(), 40, 4 * count)) return std::nullopt;
            for (int i = 0; i < count; ++i) h.masks[i] = le32(d.data() + 40 + 4 * i);
            h.palette_offset += 4 * count;
        }
    } else {
        return std::nullopt;
    }
    if (h.height < 0) {
        h.top_down = true;
        h.height = -h.height;
    }
    if (icon) h.height /= 2;
    if (!size_allowed(h.width, h.height)) return std::nullopt;

    switch (h.compression) {
        case kRgb:
            if (h.bpp != 1 && h.bpp != 4 && h.bpp != 8 && h.bpp != 16 && h.bpp != 24 && h.bpp != 32) return std::nullopt;
            if (h.bpp == 16) {
                h.masks[0] = 0x7C00, h.masks[1] = 0x03E0, h.masks[2] = 0x001F, h.masks[3] = 0;
            } else if (h.bpp == 32) {
                h.masks[0] = 0xFF0000, h.masks[1] = 0xFF00, h.masks[2] = 0xFF;
                h.masks[3] = icon ? 0xFF000000 : 0;
            }
            break;
        case kRle8:
            if (h.bpp != 8) return std::nullopt;
            break;
        case kRle4:
            if (h.bpp != 4) return std::nullopt;
            break;
        case kBitFields:
        case kAlphaBitFields:
            if (h.bpp != 16 && h.bpp != 32) return std::nullopt;
            if (h.compression == kBitFields && header_size < 56) h.masks[3] = 0;
            break;
        default:
            return std::nullopt;
    }
    h.alpha_mask = h.masks[3] != 0;

    if (h.bpp <= 8) h.palette_entries = colours_used ? colours_used : std::size_t{1} << h.bpp;
    else h.palette_entries = colours_used;
    if (!fits(d.size(), h.palette_offset, std::uint64_t{h.palette_entries} * h.entry_size)) {
        // Colour tables are optional for the direct-colour depths.
        if (h.bpp <= 8) return std::nullopt;
        h.palette_entries = 0;
    }
    return h;
}

struct Canvas {
    Image image;
    const Header& h;
    // Row r as stored in the file.
    std::uint32_t* row(std::int64_t r) {
        std::int64_t y = h.top_down ? r : h.height - 1 - r;
        return image.pixels.data() + y * h.width;
    }
};

// Walks the run-length coded bits, painting into canvas when it is given: a first pass without
// a canvas refuses a cut or damaged stream before the picture is allocated.
bool decode_rle(Bytes d, std::size_t pos, const Header& h, const std::vector<std::uint32_t>& palette, Canvas* canvas) {
    const bool four = h.compression == kRle4;
    auto colour = [&](unsigned index) { return index < palette.size() ? palette[index] : argb(0, 0, 0); };
    std::int64_t x = 0, y = 0;
    auto put = [&](unsigned index) {
        if (canvas && x < h.width && y < h.height) canvas->row(y)[x] = colour(index);
        ++x;
    };
    for (;;) {
        if (!fits(d.size(), pos, 2)) return y >= h.height;  // ran out: complete only if every row ended
        unsigned a = d[pos], b = d[pos + 1];
        pos += 2;
        if (a) {
            for (unsigned i = 0; i < a; ++i) put(four ? (i & 1 ? b & 15 : b >> 4) : b);
        } else if (b == 0) {
            x = 0;
            ++y;
        } else if (b == 1) {
            // The end may leave the rest of the last row unpainted, but not whole rows: a tiny
            // stream is not taken for a picture of any size its header declares.
            return y >= h.height - 1;
        } else if (b == 2) {
            if (!fits(d.size(), pos, 2)) return false;
            x += d[pos];
            y += d[pos + 1];
            pos += 2;
        } else {
            std::size_t stored = four ? (b + 1) / 2 : b;
            std::size_t padded = (stored + 1) & ~std::size_t{1};
            if (!fits(d.size(), pos, padded)) return false;
            for (unsigned i = 0; i < b; ++i) {
                unsigned byte = d[pos + (four ? i / 2 : i)];
                put(four ? (i & 1 ? byte & 15 : byte >> 4) : byte);
            }
            pos += padded;
        }
    }
}

void decode_rows(Bytes d, std::size_t pos, std::size_t stride, const std::vector<std::uint32_t>& palette, Canvas& canvas) {
    const Header& h = canvas.h;
    const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]), alpha(h.masks[3]);
    auto colour = [&](unsigned index) { return index < palette.size() ? palette[index] : argb(0, 0, 0); };
    for (std::int64_t r = 0; r < h.height; ++r) {
        const unsigned char* s = d.data() + pos + r * stride;
        std::uint32_t* out = canvas.row(r);
        for (std::int64_t x = 0; x < h.width; ++x) {
            switch (h.bpp) {
                case 1:
                    out[x] = colour(s[x >> 3] >> (7 - (x & 7)) & 1);
                    break;
                case 4:
                    out[x] = colour(x & 1 ? s[x >> 1] & 15 : s[x >> 1] >> 4);
                    break;
                case 8:
                    out[x] = colour(s[x]);
                    break;
                case 24:
                    out[x] = argb(s[3 * x + 2], s[3 * x + 1], s[3 * x]);
                    break;
                default: {
                    std::uint32_t v = h.bpp == 16 ? le16(s + 2 * x) : le32(s + 4 * x);
                    out[x] = argb(red.get(v), green.get(v), blue.get(v), alpha.get(v, 255));
                }
            }
        }
    }
}

}  // namespace

std::optional<Image> decode_dib(Bytes d, bool icon, std::optional<std::size_t> bits_offset) {
    auto header = read_header(d, icon);
    if (!header) return std::nullopt;
    const Header& h = *header;

    std::vector<std::uint32_t> palette;
    if (h.bpp <= 8) {
        std::size_t n = std::min(h.palette_entries, std::size_t{1} << h.bpp);
        for (std::size_t i = 0; i < n; ++i) {
            const unsigned char* p = d.data() + h.palette_offset + i * h.entry_size;
            palette.push_back(argb(p[2], p[1], p[0]));
        }
    }
    std::size_t pos = bits_offset.value_or(h.palette_offset + h.palette_entries * h.entry_size);
    if (pos > d.size()) return std::nullopt;

    const bool rle = h.compression == kRle8 || h.compression == kRle4;
    const std::uint64_t stride = (static_cast<std::uint64_t>(h.width) * h.bpp + 31) / 32 * 4;
    if (rle ? !decode_rle(d, pos, h, palette, nullptr) : !fits(d.size(), pos, stride * h.height)) return std::nullopt;

    Canvas canvas{blank_image(static_cast<int>(h.width), static_cast<int>(h.height)), h};
    if (rle) {
        decode_rle(d, pos, h, palette, &canvas);
        return std::move(canvas.image);
    }
    decode_rows(d, pos, stride, palette, canvas);
    if (!icon) return std::move(canvas.image);

    // Icons: 32-bit entries carry their own alpha; one with no alpha at all relies on the mask.
    if (h.bpp == 32) {
        for (std::uint32_t p : canvas.image.pixels)
            if (p >> 24) return std::move(canvas.image);
        for (std::uint32_t& p : canvas.image.pixels) p |= 0xFF000000u;
    }
    const std::uint64_t mask_pos = pos + stride * h.height;
    const std::uint64_t mask_stride = (static_cast<std::uint64_t>(h.width) + 31) / 32 * 4;
    if (!fits(d.size(), mask_pos, mask_stride * h.height)) {
        if (h.bpp == 32) return std::move(canvas.image);  // no mask: the colours stand opaque
        return std::nullopt;
    }
    for (std::int64_t r = 0; r < h.height; ++r) {
        const unsigned char* m = d.data() + mask_pos + r * mask_stride;
        std::uint32_t* out = canvas.row(r);
        for (std::int64_t x = 0; x < h.width; ++x)
            if (m[x >> 3] >> (7 - (x & 7)) & 1) out[x] = 0;
    }
    return std::move(canvas.image);
}

}  // namespace image_detail

std::optional<Image> decode_bmp(std::span<const unsigned char> bytes) {
    using namespace image_detail;
    if (bytes.size() < 14 + 12 || bytes[0] != 'B' || bytes[1] != 'M') return std::nullopt;
    std::uint32_t bits = le32(bytes.data() + 10);
    std::optional<std::size_t> bits_offset;
    if (bits) {
        if (bits < 14 + 12) return std::nullopt;
        bits_offset = bits - 14;
    }
    return decode_dib(bytes.subspan(14), false, bits_offset);
}

}  // namespace zrv
