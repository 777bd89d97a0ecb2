// draw_digits <clock digits folder> <demo digit sets folder> [<preview PNG>]
// Draws the clock's built-in "Paint" digit images (fourteen GIFs: digits and blank 56 x 74,
// separator 18 x 44, AM and PM 12 x 16, dark seven-segment digits with faint unlit segments on a
// transparent ground, edges smoothed for a white panel) and two demo digit sets: "Red" (PNG,
// red segments on black) and "Amber" (JPEG, amber on near-black), each with its set file.
// With a preview file it also writes the Paint pictures side by side on white, to look at.
// Run by hand when the artwork changes; the files are kept in the repository.
#include <cstdio>

#include <gif_lib.h>
#include <jpeglib.h>
#include <png.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Rgb {
    int r, g, b;
};

// Coverage of a picture by the lit ink and by the unlit (ghost) ink, 0..1 per pixel.
struct Coverage {
    int w, h;
    std::vector<float> lit, ghost;
    Coverage(int width, int height) : w(width), h(height), lit(std::size_t(width) * height), ghost(std::size_t(width) * height) {}
};

struct Pt {
    float x, y;
};

bool inside_convex(const std::vector<Pt>& poly, float x, float y) {
    bool pos = false, neg = false;
    for (std::size_t i = 0; i < poly.size(); ++i) {
        const Pt a = poly[i], b = poly[(i + 1) % poly.size()];
        const float cross = (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
        (cross > 0 ? pos : neg) |= cross != 0;
    }
    return !(pos && neg);
}

// Adds a convex polygon with 4 x 4 samples per pixel.
void fill(std::vector<float>& layer, int w, int h, const std::vector<Pt>& poly) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int hits = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) hits += inside_convex(poly, x + (sx + .5f) / 4, y + (sy + .5f) / 4);
            float& c = layer[std::size_t(y) * w + x];
            c = std::min(1.f, c + hits / 16.f);
        }
}

// A segment between two points on one axis, with pointed ends, shortened by gap at each end.
std::vector<Pt> segment(Pt a, Pt b, float thick, float gap) {
    const bool across = a.y == b.y;
    const float t = thick / 2;
    if (across) {
        const float x0 = a.x + gap, x1 = b.x - gap, y = a.y;
        return {{x0, y}, {x0 + t, y - t}, {x1 - t, y - t}, {x1, y}, {x1 - t, y + t}, {x0 + t, y + t}};
    }
    const float y0 = a.y + gap, y1 = b.y - gap, x = a.x;
    return {{x, y0}, {x + t, y0 + t}, {x + t, y1 - t}, {x, y1}, {x - t, y1 - t}, {x - t, y0 + t}};
}

// Segments a..g of each digit, as bits 0..6.
constexpr std::array<int, 10> kDigitSegments = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

// digit -1 draws every segment unlit (the blank).
Coverage seven_segment(int w, int h, int digit, float margin_x, float margin_y, float thick) {
    Coverage c(w, h);
    const float l = margin_x + thick / 2, r = w - margin_x - thick / 2;
    const float t = margin_y + thick / 2, b = h - margin_y - thick / 2, m = (t + b) / 2;
    const float gap = std::max(1.f, thick * 0.16f);
    const std::array<std::vector<Pt>, 7> segs = {
        segment({l, t}, {r, t}, thick, gap),  // a
        segment({r, t}, {r, m}, thick, gap),  // b
        segment({r, m}, {r, b}, thick, gap),  // c
        segment({l, b}, {r, b}, thick, gap),  // d
        segment({l, m}, {l, b}, thick, gap),  // e
        segment({l, t}, {l, m}, thick, gap),  // f
        segment({l, m}, {r, m}, thick, gap),  // g
    };
    const int on = digit < 0 ? 0 : kDigitSegments[digit];
    for (int s = 0; s < 7; ++s) fill((on >> s & 1) ? c.lit : c.ghost, w, h, segs[s]);
    return c;
}

std::vector<Pt> square(float cx, float cy, float half) {
    const float k = half * 0.35f;  // cut corners
    return {{cx - half + k, cy - half}, {cx + half - k, cy - half}, {cx + half, cy - half + k}, {cx + half, cy + half - k},
            {cx + half - k, cy + half}, {cx - half + k, cy + half}, {cx - half, cy + half - k}, {cx - half, cy - half + k}};
}

// Two dots, placed so that they sit either side of the digits' middle bar.
Coverage separator(int w, int h, float dot, float spread) {
    Coverage c(w, h);
    fill(c.lit, w, h, square(w / 2.f, h / 2.f - spread, dot / 2));
    fill(c.lit, w, h, square(w / 2.f, h / 2.f + spread, dot / 2));
    return c;
}

// The AM and PM marks: a bold letter in 12 x 16.
constexpr const char* kLetterA[16] = {"....####....", "...######...", "..###..###..", "..##....##..", ".###....###.", ".##......##.",
                                      ".##......##.", ".##########.", ".##########.", ".##......##.", ".##......##.", ".##......##.",
                                      ".##......##.", ".##......##.", ".##......##.", "............"};
constexpr const char* kLetterP[16] = {".########...", ".#########..", ".##.....###.", ".##......##.", ".##......##.", ".##.....###.",
                                      ".#########..", ".########...", ".##.........", ".##.........", ".##.........", ".##.........",
                                      ".##.........", ".##.........", ".##.........", "............"};

// The letter scaled into w x h (whole pixels), centred.
Coverage letter(int w, int h, const char* const* rows) {
    Coverage c(w, h);
    const int scale = std::max(1, std::min(w / 12, h / 16));
    const int x0 = (w - 12 * scale) / 2, y0 = (h - 16 * scale) / 2;
    for (int y = 0; y < 16 * scale; ++y)
        for (int x = 0; x < 12 * scale; ++x)
            if (rows[y / scale][x / scale] == '#') c.lit[std::size_t(y + y0) * w + x + x0] = 1;
    return c;
}

Rgb blend(Rgb ground, Rgb ink, float k) {
    return {int(std::lround(ground.r + (ink.r - ground.r) * k)), int(std::lround(ground.g + (ink.g - ground.g) * k)),
            int(std::lround(ground.b + (ink.b - ground.b) * k))};
}

struct Look {
    Rgb ground, ink, ghost;
};

// ---- writers --------------------------------------------------------------------------------

bool write_gif(const fs::path& file, const Coverage& c, const Look& look) {
    // Palette: 0 transparent, 1..16 ink levels, 17..24 ghost levels (blended on the ground).
    constexpr int kInk = 16, kGhost = 8;
    ColorMapObject* map = GifMakeMapObject(32, nullptr);
    auto put = [&](int i, Rgb c) { map->Colors[i] = {GifByteType(c.r), GifByteType(c.g), GifByteType(c.b)}; };
    for (int i = 0; i < 32; ++i) put(i, look.ground);
    for (int i = 1; i <= kInk; ++i) put(i, blend(look.ground, look.ink, i / float(kInk)));
    for (int i = 1; i <= kGhost; ++i) put(kInk + i, blend(look.ground, look.ghost, i / float(kGhost)));
    std::vector<GifByteType> pixels(std::size_t(c.w) * c.h);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const int ink = int(std::lround(c.lit[i] * kInk)), ghost = int(std::lround(c.ghost[i] * kGhost));
        pixels[i] = GifByteType(ink > 0 ? ink : ghost > 0 ? kInk + ghost : 0);
    }
    int error = 0;
    GifFileType* gif = EGifOpenFileName(file.c_str(), false, &error);
    if (!gif) return false;
    EGifSetGifVersion(gif, true);
    bool ok = EGifPutScreenDesc(gif, c.w, c.h, 8, 0, map) == GIF_OK;
    GraphicsControlBlock control{};
    control.DisposalMode = DISPOSAL_UNSPECIFIED;
    control.TransparentColor = 0;
    control.DelayTime = 0;
    GifByteType ext[4];
    const std::size_t n = EGifGCBToExtension(&control, ext);
    ok = ok && EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(n), ext) == GIF_OK;
    ok = ok && EGifPutImageDesc(gif, 0, 0, c.w, c.h, false, nullptr) == GIF_OK;
    for (int y = 0; ok && y < c.h; ++y) ok = EGifPutLine(gif, pixels.data() + std::size_t(y) * c.w, c.w) == GIF_OK;
    ok = EGifCloseFile(gif, &error) == GIF_OK && ok;
    GifFreeMapObject(map);
    return ok;
}

std::vector<unsigned char> opaque(const Coverage& c, const Look& look) {
    std::vector<unsigned char> rgb;
    rgb.reserve(std::size_t(c.w) * c.h * 3);
    for (std::size_t i = 0; i < c.lit.size(); ++i) {
        const Rgb p = blend(blend(look.ground, look.ghost, c.ghost[i]), look.ink, c.lit[i]);
        rgb.insert(rgb.end(), {(unsigned char)p.r, (unsigned char)p.g, (unsigned char)p.b});
    }
    return rgb;
}

bool write_png(const fs::path& file, const Coverage& c, const Look& look) {
    FILE* f = std::fopen(file.c_str(), "wb");
    if (!f) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, c.w, c.h, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<unsigned char> rgb = opaque(c, look);
    for (int y = 0; y < c.h; ++y) png_write_row(png, rgb.data() + std::size_t(y) * c.w * 3);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}

bool write_jpeg(const fs::path& file, const Coverage& c, const Look& look) {
    FILE* f = std::fopen(file.c_str(), "wb");
    if (!f) return false;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, f);
    cinfo.image_width = JDIMENSION(c.w);
    cinfo.image_height = JDIMENSION(c.h);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 92, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<unsigned char> rgb = opaque(c, look);
    while (cinfo.next_scanline < cinfo.image_height) {
        JSAMPROW row = rgb.data() + std::size_t(cinfo.next_scanline) * c.w * 3;
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(f) == 0;
}

// ---- the sets -------------------------------------------------------------------------------

// The pictures of one set, by the suffix of the built-in names.
struct Picture {
    char suffix;
    Coverage cover;
};

std::vector<Picture> draw_set(int w, int h, float margin_x, float margin_y, float thick, int sep_w, int sep_h, int mark_w,
                              int mark_h) {
    std::vector<Picture> out;
    for (int d = 0; d <= 9; ++d) out.push_back({char('0' + d), seven_segment(w, h, d, margin_x, margin_y, thick)});
    out.push_back({'c', seven_segment(w, h, -1, margin_x, margin_y, thick)});
    out.push_back({'d', separator(sep_w, sep_h, thick * 0.95f, sep_h * 0.22f)});
    out.push_back({'a', letter(mark_w, mark_h, kLetterA)});
    out.push_back({'p', letter(mark_w, mark_h, kLetterP)});
    return out;
}

const char* set_key(char suffix) {
    switch (suffix) {
        case 'c':
            return "DigClear";
        case 'd':
            return "Dig#";
        case 'a':
            return "DigA";
        case 'p':
            return "DigP";
        default: {
            static char key[5] = "Dig0";
            key[3] = suffix;
            return key;
        }
    }
}

template <typename Writer>
bool write_demo_set(const fs::path& folder, const std::string& name, const std::string& ext, const Look& look,
                    const std::vector<Picture>& pictures, Writer write) {
    fs::create_directories(folder);
    std::ofstream ini(folder / (name + ".ini"), std::ios::binary);
    ini << "[Digits]\r\n";
    bool ok = true;
    for (const Picture& p : pictures) {
        const std::string file = name + "_" + p.suffix + "." + ext;
        ok = write(folder / file, p.cover, look) && ok;
        ini << set_key(p.suffix) << "=" << file << "\r\n";
    }
    const long colour = look.ground.r | look.ground.g << 8 | look.ground.b << 16;
    ini << "BackColor=" << colour << "\r\n";
    return ok && bool(ini);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: draw_digits <clock digits folder> <demo digit sets folder> [<preview PNG>]\n");
        return 2;
    }
    const fs::path paint = argv[1], demo = argv[2];
    fs::create_directories(paint);
    bool ok = true;

    const Look paint_look{{255, 255, 255}, {22, 22, 26}, {232, 232, 236}};
    const std::vector<Picture> paint_set = draw_set(56, 74, 3.5f, 3, 10.5f, 18, 44, 12, 16);
    for (const Picture& p : paint_set) ok = write_gif(paint / (std::string("xsmall_") + p.suffix + ".gif"), p.cover, paint_look) && ok;
    if (argc == 4) {
        // Each picture centred in a 60 x 80 box, in a row, twice the size.
        Coverage strip(int(paint_set.size()) * 120, 160);
        for (std::size_t k = 0; k < paint_set.size(); ++k) {
            const Coverage& c = paint_set[k].cover;
            const int x0 = int(k) * 120 + (120 - 2 * c.w) / 2, y0 = (160 - 2 * c.h) / 2;
            for (int y = 0; y < 2 * c.h; ++y)
                for (int x = 0; x < 2 * c.w; ++x) {
                    const std::size_t from = std::size_t(y / 2) * c.w + x / 2, to = std::size_t(y + y0) * strip.w + x + x0;
                    strip.lit[to] = c.lit[from];
                    strip.ghost[to] = c.ghost[from];
                }
        }
        ok = write_png(argv[3], strip, paint_look) && ok;
    }

    const Look red{{0, 0, 0}, {255, 46, 28}, {48, 10, 8}};
    ok = write_demo_set(demo / "Red", "red", "png", red, draw_set(40, 60, 3, 3, 7, 40, 60, 40, 60), write_png) && ok;
    const Look amber{{16, 12, 8}, {255, 176, 0}, {52, 38, 12}};
    ok = write_demo_set(demo / "Amber", "amber", "jpg", amber, draw_set(48, 66, 4, 3, 8, 48, 66, 48, 66), write_jpeg) && ok;
    if (!ok) std::fprintf(stderr, "draw_digits: could not write every picture\n");
    return ok ? 0 : 1;
}
