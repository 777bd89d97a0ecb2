#include "tests/framework/image/image_fixtures.h"

#include <gif_lib.h>
#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <stdexcept>

namespace zrv::testing {
namespace {

// The palette and the 3 x 2 picture most fixtures show: red green blue / white white yellow.
const std::vector<std::uint32_t> kPalette = {0xFF000000, 0xFFFF0000, 0xFF00FF00, 0xFF0000FF,
                                             0xFFFFFFFF, 0xFFFFFF00, 0xFF808080, 0xFF00FFFF};
const std::vector<std::uint32_t> kIndices = {1, 2, 3, 4, 4, 5};

std::vector<std::uint32_t> coloured(const std::vector<std::uint32_t>& indices, const std::vector<std::uint32_t>& palette = kPalette) {
    std::vector<std::uint32_t> out;
    for (std::uint32_t i : indices) out.push_back(palette[i]);
    return out;
}
const std::vector<std::uint32_t> kColours = coloured(kIndices);

void put16(Bytes& b, unsigned v) { b.insert(b.end(), {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)}); }
void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}
unsigned channel(std::uint32_t c, int shift) { return c >> shift & 255; }

// ---- BMP and icon bitmaps -----------------------------------------------------------------

struct Dib {
    int bpp = 8;
    std::uint32_t compression = 0;  // 0 plain, 1 RLE8, 2 RLE4, 3 bit fields
    int header = 40;                // 12, 40 or 124
    bool top_down = false;
    bool icon = false;
    std::vector<std::uint32_t> masks = {};  // red, green, blue, alpha for bit fields
    unsigned filler_alpha = 0x7F;           // the fourth byte of plain 32-bit pixels
    std::vector<bool> transparent = {};     // icon mask, top row first
};

std::uint32_t pack(std::uint32_t c, const std::vector<std::uint32_t>& masks) {
    std::uint32_t v = 0;
    const int shifts[] = {16, 8, 0, 24};
    for (std::size_t k = 0; k < masks.size(); ++k) {
        if (!masks[k]) continue;
        const int shift = __builtin_ctz(masks[k]), bits = __builtin_popcount(masks[k]);
        v |= (channel(c, shifts[k]) >> (8 - bits)) << shift;
    }
    return v;
}

Bytes rle_rows(const Dib& s, int w, int h, const std::vector<std::uint32_t>& values) {
    const bool four = s.compression == 2;
    Bytes b;
    for (int r = 0; r < h; ++r) {
        const std::uint32_t* row = values.data() + (h - 1 - r) * w;
        bool repeats = false;
        for (int x = 1; x < w; ++x) repeats = repeats || row[x] == row[x - 1];
        if (four && w > 2 && std::equal(row + 2, row + w, row)) {  // one run of two alternating colours
            b.insert(b.end(), {static_cast<unsigned char>(w), static_cast<unsigned char>(row[0] << 4 | row[1])});
        } else if (!repeats && w >= 3) {  // absolute mode
            b.insert(b.end(), {0, static_cast<unsigned char>(w)});
            Bytes raw;
            for (int x = 0; x < w; ++x) {
                if (!four) raw.push_back(static_cast<unsigned char>(row[x]));
                else if (x % 2 == 0) raw.push_back(static_cast<unsigned char>(row[x] << 4));
                else raw.back() |= static_cast<unsigned char>(row[x]);
            }
            if (raw.size() % 2) raw.push_back(0);
            b.insert(b.end(), raw.begin(), raw.end());
        } else {
            for (int x = 0; x < w;) {
                int n = 1;
                while (x + n < w && row[x + n] == row[x]) ++n;
                b.insert(b.end(), {static_cast<unsigned char>(n), static_cast<unsigned char>(four ? row[x] * 17 : row[x])});
                x += n;
            }
        }
        b.insert(b.end(), {0, static_cast<unsigned char>(r == h - 1 ? 1 : 0)});
    }
    return b;
}

// A bitmap without file header; values are palette indices up to 8 bits, colours above.
Bytes dib(const Dib& s, int w, int h, const std::vector<std::uint32_t>& values, const std::vector<std::uint32_t>& palette = kPalette) {
    Bytes b;
    const int stored_h = (s.icon ? 2 : 1) * (s.top_down ? -h : h);
    if (s.header == 12) {
        put32(b, 12), put16(b, w), put16(b, stored_h), put16(b, 1), put16(b, s.bpp);
    } else {
        put32(b, s.header), put32(b, w), put32(b, static_cast<std::uint32_t>(stored_h)), put16(b, 1), put16(b, s.bpp);
        put32(b, s.compression), put32(b, 0), put32(b, 2835), put32(b, 2835);
        put32(b, s.bpp <= 8 ? static_cast<std::uint32_t>(palette.size()) : 0), put32(b, 0);
        if (s.header > 40) {
            for (int k = 0; k < 4; ++k) put32(b, k < int(s.masks.size()) ? s.masks[k] : 0);
            b.resize(s.header, 0);
        } else if (s.compression == 3) {
            for (int k = 0; k < 3; ++k) put32(b, s.masks[k]);
        }
    }
    if (s.bpp <= 8)
        for (std::uint32_t c : palette) {
            b.insert(b.end(),
                     {static_cast<unsigned char>(c), static_cast<unsigned char>(c >> 8), static_cast<unsigned char>(c >> 16)});
            if (s.header != 12) b.push_back(0);
        }
    if (s.compression == 1 || s.compression == 2) {
        Bytes bits = rle_rows(s, w, h, values);
        b.insert(b.end(), bits.begin(), bits.end());
        return b;
    }
    const int stride = (w * s.bpp + 31) / 32 * 4;
    for (int r = 0; r < h; ++r) {
        const int y = s.top_down ? r : h - 1 - r;
        Bytes row(stride, 0);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t v = values[y * w + x];
            switch (s.bpp) {
                case 1:
                    row[x / 8] |= static_cast<unsigned char>(v << (7 - x % 8));
                    break;
                case 4:
                    row[x / 2] |= static_cast<unsigned char>(x % 2 ? v : v << 4);
                    break;
                case 8:
                    row[x] = static_cast<unsigned char>(v);
                    break;
                case 16: {
                    const std::uint32_t p = pack(v, s.masks);
                    row[2 * x] = p & 255, row[2 * x + 1] = p >> 8 & 255;
                    break;
                }
                case 24:
                    row[3 * x] = channel(v, 0), row[3 * x + 1] = channel(v, 8), row[3 * x + 2] = channel(v, 16);
                    break;
                case 32: {
                    const std::uint32_t p = s.compression == 3 ? pack(v, s.masks)
                                                               : (v & 0xFFFFFF) | (s.icon ? v >> 24 : s.filler_alpha) << 24;
                    for (int k = 0; k < 4; ++k) row[4 * x + k] = p >> (8 * k) & 255;
                    break;
                }
            }
        }
        b.insert(b.end(), row.begin(), row.end());
    }
    if (s.icon) {
        const int mask_stride = (w + 31) / 32 * 4;
        for (int r = h - 1; r >= 0; --r) {
            Bytes row(mask_stride, 0);
            for (int x = 0; x < w; ++x)
                if (!s.transparent.empty() && s.transparent[r * w + x]) row[x / 8] |= 0x80 >> (x % 8);
            b.insert(b.end(), row.begin(), row.end());
        }
    }
    return b;
}

Bytes bmp(const Dib& s, int w, int h, const std::vector<std::uint32_t>& values, const std::vector<std::uint32_t>& palette = kPalette) {
    const Bytes body = dib(s, w, h, values, palette);
    const std::uint32_t bits = 14 + s.header + (s.header == 40 && s.compression == 3 ? 12 : 0) +
                               (s.bpp <= 8 ? static_cast<std::uint32_t>(palette.size()) * (s.header == 12 ? 3 : 4) : 0);
    Bytes b = {'B', 'M'};
    put32(b, 14 + static_cast<std::uint32_t>(body.size())), put32(b, 0), put32(b, bits);
    b.insert(b.end(), body.begin(), body.end());
    return b;
}

struct IconEntry {
    int w, h, bpp;
    Bytes data;
};

Bytes icon_file(unsigned type, const std::vector<IconEntry>& entries) {
    Bytes b;
    put16(b, 0), put16(b, type), put16(b, static_cast<unsigned>(entries.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(entries.size());
    for (const IconEntry& e : entries) {
        b.insert(b.end(), {static_cast<unsigned char>(e.w), static_cast<unsigned char>(e.h), 0, 0});
        put16(b, 1), put16(b, e.bpp), put32(b, static_cast<std::uint32_t>(e.data.size())), put32(b, offset);
        offset += static_cast<std::uint32_t>(e.data.size());
    }
    for (const IconEntry& e : entries) b.insert(b.end(), e.data.begin(), e.data.end());
    return b;
}

// ---- PCX ----------------------------------------------------------------------------------

// planes[y][p] is plane p of row y, already packed to bytes_per_line bytes.
Bytes pcx(int w, int h, int bpp, int bytes_per_line, const std::vector<std::vector<Bytes>>& planes,
          const std::vector<std::uint32_t>& header_palette, const std::vector<std::uint32_t>& tail_palette) {
    Bytes b(128, 0);
    b[0] = 0x0A, b[1] = 5, b[2] = 1, b[3] = static_cast<unsigned char>(bpp);
    b[8] = static_cast<unsigned char>(w - 1), b[10] = static_cast<unsigned char>(h - 1);
    for (std::size_t i = 0; i < header_palette.size() && i < 16; ++i)
        for (int k = 0; k < 3; ++k) b[16 + 3 * i + k] = static_cast<unsigned char>(channel(header_palette[i], 16 - 8 * k));
    b[65] = static_cast<unsigned char>(planes[0].size());
    b[66] = static_cast<unsigned char>(bytes_per_line);
    b[68] = 1;
    for (const auto& row : planes) {
        Bytes line;
        for (const Bytes& p : row) line.insert(line.end(), p.begin(), p.end());
        for (std::size_t x = 0; x < line.size();) {
            std::size_t n = 1;
            while (x + n < line.size() && n < 63 && line[x + n] == line[x]) ++n;
            if (n > 1 || line[x] >= 0xC0) b.insert(b.end(), {static_cast<unsigned char>(0xC0 | n), line[x]});
            else b.push_back(line[x]);
            x += n;
        }
    }
    if (!tail_palette.empty()) {
        b.push_back(0x0C);
        for (int i = 0; i < 256; ++i)
            for (int k = 0; k < 3; ++k)
                b.push_back(i < int(tail_palette.size()) ? static_cast<unsigned char>(channel(tail_palette[i], 16 - 8 * k)) : 0);
    }
    return b;
}

std::vector<std::vector<Bytes>> bit_planes(int w, int h, int count, int bytes_per_line, const std::vector<std::uint32_t>& idx) {
    std::vector<std::vector<Bytes>> rows(h, std::vector<Bytes>(count, Bytes(bytes_per_line, 0)));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            for (int p = 0; p < count; ++p)
                if (idx[y * w + x] >> p & 1) rows[y][p][x / 8] |= 0x80 >> (x % 8);
    return rows;
}

// ---- PNG, GIF, JPEG through their libraries -----------------------------------------------

Bytes png(int w, int h, int colour_type, int depth, bool interlace, const std::vector<Bytes>& rows,
          const std::vector<std::uint32_t>& palette = {}, const Bytes& trns = {}) {
    Bytes out;
    png_structp p = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(p);
    png_set_write_fn(
        p, &out,
        [](png_structp s, png_bytep data, png_size_t n) {
            auto* o = static_cast<Bytes*>(png_get_io_ptr(s));
            o->insert(o->end(), data, data + n);
        },
        nullptr);
    png_set_IHDR(p, info, w, h, depth, colour_type, interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    std::vector<png_color> pal;
    for (std::uint32_t c : palette)
        pal.push_back({static_cast<png_byte>(channel(c, 16)), static_cast<png_byte>(channel(c, 8)),
                       static_cast<png_byte>(channel(c, 0))});
    if (!pal.empty()) png_set_PLTE(p, info, pal.data(), static_cast<int>(pal.size()));
    if (!trns.empty()) png_set_tRNS(p, info, trns.data(), static_cast<int>(trns.size()), nullptr);
    png_write_info(p, info);
    std::vector<png_bytep> pointers;
    for (const Bytes& r : rows) pointers.push_back(const_cast<png_bytep>(r.data()));
    png_write_image(p, pointers.data());
    png_write_end(p, nullptr);
    png_destroy_write_struct(&p, &info);
    return out;
}

std::vector<Bytes> rgba_rows(int w, int h, const std::vector<std::uint32_t>& colours, bool alpha) {
    std::vector<Bytes> rows(h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::uint32_t c = colours[y * w + x];
            rows[y].insert(rows[y].end(), {static_cast<unsigned char>(channel(c, 16)), static_cast<unsigned char>(channel(c, 8)),
                                           static_cast<unsigned char>(channel(c, 0))});
            if (alpha) rows[y].push_back(static_cast<unsigned char>(channel(c, 24)));
        }
    return rows;
}

struct GifFrame {
    int w, h;
    bool interlace;
    std::vector<std::uint32_t> indices;
    int transparent = NO_TRANSPARENT_COLOR;
};

Bytes gif(int screen_w, int screen_h, const std::vector<GifFrame>& frames) {
    Bytes out;
    int error = 0;
    GifFileType* g = EGifOpen(
        &out,
        [](GifFileType* f, const GifByteType* data, int n) {
            auto* o = static_cast<Bytes*>(f->UserData);
            o->insert(o->end(), data, data + n);
            return n;
        },
        &error);
    if (!g) throw std::runtime_error("EGifOpen");
    std::vector<GifColorType> colours;
    for (std::uint32_t c : kPalette)
        colours.push_back({static_cast<GifByteType>(channel(c, 16)), static_cast<GifByteType>(channel(c, 8)),
                           static_cast<GifByteType>(channel(c, 0))});
    ColorMapObject* map = GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
    EGifSetGifVersion(g, true);
    EGifPutScreenDesc(g, screen_w, screen_h, 8, 0, map);
    for (const GifFrame& f : frames) {
        GraphicsControlBlock control{DISPOSAL_UNSPECIFIED, false, 0, f.transparent};
        GifByteType ext[4];
        const std::size_t n = EGifGCBToExtension(&control, ext);
        EGifPutExtension(g, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(n), ext);
        EGifPutImageDesc(g, 0, 0, f.w, f.h, f.interlace, nullptr);
        std::vector<int> order;
        if (f.interlace) {
            const int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
            for (int p = 0; p < 4; ++p)
                for (int y = start[p]; y < f.h; y += step[p]) order.push_back(y);
        } else {
            for (int y = 0; y < f.h; ++y) order.push_back(y);
        }
        for (int y : order) {
            std::vector<GifPixelType> line(f.indices.begin() + y * f.w, f.indices.begin() + (y + 1) * f.w);
            EGifPutLine(g, line.data(), f.w);
        }
    }
    EGifCloseFile(g, &error);
    GifFreeMapObject(map);
    return out;
}

// A JPEG at high quality with full-resolution colour; components 1 (grey), 3 (RGB) or 4 (CMYK).
Bytes jpeg(int w, int h, int components, const std::vector<unsigned char>& samples) {
    jpeg_compress_struct c;
    jpeg_error_mgr err;
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &buffer, &size);
    c.image_width = w, c.image_height = h, c.input_components = components;
    c.in_color_space = components == 1 ? JCS_GRAYSCALE : components == 3 ? JCS_RGB : JCS_CMYK;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 95, TRUE);
    for (int i = 0; i < c.num_components; ++i) c.comp_info[i].h_samp_factor = c.comp_info[i].v_samp_factor = 1;
    jpeg_start_compress(&c, TRUE);
    while (c.next_scanline < c.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(samples.data() + std::size_t(c.next_scanline) * w * components);
        jpeg_write_scanlines(&c, &row, 1);
    }
    jpeg_finish_compress(&c);
    Bytes out(buffer, buffer + size);
    jpeg_destroy_compress(&c);
    std::free(buffer);
    return out;
}

// Two 8 x 8 blocks side by side, left then right, as samples and as expected pixels.
std::pair<std::vector<unsigned char>, std::vector<std::uint32_t>> two_blocks(std::uint32_t left, std::uint32_t right) {
    std::vector<unsigned char> samples;
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) {
            const std::uint32_t c = x < 8 ? left : right;
            samples.insert(samples.end(), {static_cast<unsigned char>(channel(c, 16)), static_cast<unsigned char>(channel(c, 8)),
                                           static_cast<unsigned char>(channel(c, 0))});
            pixels.push_back(c);
        }
    return {samples, pixels};
}

std::vector<ImageFixture> build() {
    std::vector<ImageFixture> f;
    auto add = [&](std::string name, Bytes bytes, int w, int h, std::vector<std::uint32_t> px, int tolerance = 0) {
        f.push_back({std::move(name), std::move(bytes), w, h, std::move(px), tolerance});
    };
    const std::vector<std::uint32_t> mono = {0, 1, 0, 1, 1, 0}, two = {0xFFFF0000, 0xFF0000FF};
    const std::vector<std::uint32_t> rgb565 = {0xF800, 0x07E0, 0x001F};
    const std::vector<std::uint32_t> argb_masks = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    std::vector<std::uint32_t> translucent = kColours;
    translucent[1] = 0x8000FF00, translucent[5] = 0x00FFFF00;

    // BMP
    add("bmp1.bmp", bmp({.bpp = 1}, 3, 2, mono, two), 3, 2, coloured(mono, two));
    add("bmp4.bmp", bmp({.bpp = 4}, 3, 2, kIndices), 3, 2, kColours);
    add("bmp8_top_down.bmp", bmp({.bpp = 8, .top_down = true}, 3, 2, kIndices), 3, 2, kColours);
    add("bmp8_rle.bmp", bmp({.bpp = 8, .compression = 1}, 3, 2, kIndices), 3, 2, kColours);
    const std::vector<std::uint32_t> alternating = {1, 2, 3, 4, 5, 4};
    add("bmp4_rle.bmp", bmp({.bpp = 4, .compression = 2}, 3, 2, alternating), 3, 2, coloured(alternating));
    std::vector<std::uint32_t> full_palette = kPalette;  // the old header implies all 256 entries
    full_palette.resize(256, 0xFF000000);
    add("bmp8_os2.bmp", bmp({.bpp = 8, .header = 12}, 3, 2, kIndices, full_palette), 3, 2, kColours);
    add("bmp16_565.bmp", bmp({.bpp = 16, .compression = 3, .masks = rgb565}, 3, 2, kColours), 3, 2, kColours);
    add("bmp24.bmp", bmp({.bpp = 24}, 3, 2, kColours), 3, 2, kColours);
    add("bmp32.bmp", bmp({.bpp = 32}, 3, 2, kColours), 3, 2, kColours);
    add("bmp32_alpha.bmp", bmp({.bpp = 32, .compression = 3, .header = 124, .masks = argb_masks}, 3, 2, translucent), 3, 2,
        translucent);

    // ICO and CUR
    const std::vector<bool> holes = {true, false, false, false, false, true};
    std::vector<std::uint32_t> holed = kColours;
    holed[0] = holed[5] = 0;
    add("icon_largest.ico",
        icon_file(1, {{2, 2, 8, dib({.bpp = 8, .icon = true}, 2, 2, {1, 1, 1, 1})},
                      {3, 2, 32, dib({.bpp = 32, .icon = true}, 3, 2, translucent)}}),
        3, 2, translucent);
    add("icon4_mask.ico", icon_file(1, {{3, 2, 4, dib({.bpp = 4, .icon = true, .transparent = holes}, 3, 2, kIndices)}}), 3, 2, holed);
    add("icon_png.ico", icon_file(1, {{3, 2, 32, png(3, 2, PNG_COLOR_TYPE_RGB_ALPHA, 8, false, rgba_rows(3, 2, translucent, true))}}),
        3, 2, translucent);
    add("cursor.cur", icon_file(2, {{3, 2, 0, dib({.bpp = 24, .icon = true, .transparent = holes}, 3, 2, kColours)}}), 3, 2, holed);

    // PCX
    {
        std::vector<std::vector<Bytes>> index_rows, rgb_rows;
        for (int y = 0; y < 2; ++y) {
            Bytes line(4, 0), r(4, 0), g(4, 0), b(4, 0);
            for (int x = 0; x < 3; ++x) {
                const std::uint32_t c = kColours[y * 3 + x];
                line[x] = static_cast<unsigned char>(kIndices[y * 3 + x]);
                r[x] = channel(c, 16), g[x] = channel(c, 8), b[x] = channel(c, 0);
            }
            index_rows.push_back({line});
            rgb_rows.push_back({r, g, b});
        }
        add("pcx8.pcx", pcx(3, 2, 8, 4, index_rows, {}, kPalette), 3, 2, kColours);
        add("pcx24.pcx", pcx(3, 2, 8, 4, rgb_rows, {}, {}), 3, 2, kColours);
        const std::vector<std::uint32_t> white_black = {0xFF000000, 0xFFFFFFFF};
        add("pcx1.pcx", pcx(3, 2, 1, 2, bit_planes(3, 2, 1, 2, mono), {}, {}), 3, 2, coloured(mono, white_black));
        add("pcx4_planes.pcx", pcx(3, 2, 1, 2, bit_planes(3, 2, 4, 2, kIndices), kPalette, {}), 3, 2, kColours);
    }

    // GIF: the first frame only; index 5 is transparent in it.
    {
        std::vector<std::uint32_t> cut = kColours;
        cut[5] = 0;
        add("gif.gif", gif(3, 2, {{3, 2, false, kIndices, 5}}), 3, 2, cut);
        const std::vector<std::uint32_t> tall = {1, 1, 2, 2, 3, 3, 4, 4, 5, 5};
        add("gif_interlaced.gif", gif(2, 5, {{2, 5, true, tall}, {2, 5, false, std::vector<std::uint32_t>(10, 0)}}), 2, 5,
            coloured(tall));
    }

    // PNG
    add("png_rgba.png", png(3, 2, PNG_COLOR_TYPE_RGB_ALPHA, 8, false, rgba_rows(3, 2, translucent, true)), 3, 2, translucent);
    {
        std::vector<Bytes> rows = {{1, 2, 3}, {4, 4, 5}};
        std::vector<std::uint32_t> cut = kColours;
        cut[5] = 0x00FFFF00;
        add("png_palette.png", png(3, 2, PNG_COLOR_TYPE_PALETTE, 8, false, rows, kPalette, {255, 255, 255, 255, 255, 0}), 3, 2, cut);
        add("png_gray16.png", png(2, 2, PNG_COLOR_TYPE_GRAY, 16, false, {{0x00, 0x00, 0xFF, 0xFF}, {0x80, 0x80, 0x40, 0x40}}), 2, 2,
            {0xFF000000, 0xFFFFFFFF, 0xFF808080, 0xFF404040});
    }
    add("png_interlaced.png", png(3, 2, PNG_COLOR_TYPE_RGB, 8, true, rgba_rows(3, 2, kColours, false)), 3, 2, kColours);

    // JPEG (lossy: compared within a tolerance)
    {
        auto [samples, pixels] = two_blocks(0xFFFF0000, 0xFF0000FF);
        add("jpeg_rgb.jpg", jpeg(16, 8, 3, samples), 16, 8, pixels, 24);
        add("jpeg_gray.jpeg", jpeg(8, 8, 1, std::vector<unsigned char>(64, 0x80)), 8, 8, std::vector<std::uint32_t>(64, 0xFF808080),
            4);
        std::vector<unsigned char> cmyk;
        for (int i = 0; i < 64; ++i) cmyk.insert(cmyk.end(), {255, 0, 0, 255});  // Adobe-inverted red
        add("jpeg_cmyk.jpg", jpeg(8, 8, 4, cmyk), 8, 8, std::vector<std::uint32_t>(64, 0xFFFF0000), 24);
    }
    return f;
}

}  // namespace

const std::vector<ImageFixture>& image_fixtures() {
    static const std::vector<ImageFixture> fixtures = build();
    return fixtures;
}

const ImageFixture& image_fixture(const std::string& name) {
    for (const ImageFixture& f : image_fixtures())
        if (f.name == name) return f;
    throw std::out_of_range("no image fixture " + name);
}

}  // namespace zrv::testing
