// draw_resources <resources folder> [<preview folder>]
// Draws the program's own icons, logos, wallpaper and time-up sound, and writes them under
// <resources>/images and <resources>/sounds. With a preview folder it also writes each picture
// as a PNG there, to look at. Run by hand when the artwork changes; the files are kept in the
// repository.
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// ---- colour and canvas --------------------------------------------------------------------

struct Rgba {
    float r = 0, g = 0, b = 0, a = 0;  // premultiplied, 0..1
};

Rgba colour(std::uint32_t rgb, float alpha = 1) {
    return {((rgb >> 16) & 255) / 255.f * alpha, ((rgb >> 8) & 255) / 255.f * alpha, (rgb & 255) / 255.f * alpha, alpha};
}
Rgba mix(Rgba a, Rgba b, float t) {
    t = std::clamp(t, 0.f, 1.f);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

using Shape = std::function<float(float, float)>;  // signed distance in pixels, negative inside
using Paint = std::function<Rgba(float, float)>;

Paint solid(Rgba c) {
    return [c](float, float) { return c; };
}
// Vertical gradient from top colour at y0 to bottom colour at y1.
Paint vertical(Rgba top, Rgba bottom, float y0, float y1) {
    return [=](float, float y) { return mix(top, bottom, (y - y0) / (y1 - y0)); };
}

struct Canvas {
    int w, h;
    std::vector<Rgba> px;
    Canvas(int width, int height, Rgba fill = {}) : w(width), h(height), px(std::size_t(width) * height, fill) {}

    // Paints shape with paint; soft widens the edge (pixels) for shadows and glows.
    void fill(const Shape& shape, const Paint& paint, float soft = 1, float opacity = 1) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const float cx = x + 0.5f, cy = y + 0.5f;
                const float cover = std::clamp(0.5f - shape(cx, cy) / soft, 0.f, 1.f) * opacity;
                if (cover <= 0) continue;
                const Rgba s = paint(cx, cy);
                Rgba& d = px[std::size_t(y) * w + x];
                const float k = 1 - s.a * cover;
                d = {s.r * cover + d.r * k, s.g * cover + d.g * k, s.b * cover + d.b * k, s.a * cover + d.a * k};
            }
    }
    void draw(const Canvas& layer, float opacity) {
        for (std::size_t i = 0; i < px.size(); ++i) {
            const Rgba s = layer.px[i];
            Rgba& d = px[i];
            const float k = 1 - s.a * opacity;
            d = {s.r * opacity + d.r * k, s.g * opacity + d.g * k, s.b * opacity + d.b * k, s.a * opacity + d.a * k};
        }
    }
    // Straight (not premultiplied) 8-bit RGBA.
    std::vector<unsigned char> rgba() const {
        std::vector<unsigned char> out;
        out.reserve(px.size() * 4);
        for (const Rgba& p : px) {
            const float a = std::clamp(p.a, 0.f, 1.f);
            auto channel = [&](float v) {
                return static_cast<unsigned char>(std::lround(std::clamp(a > 0 ? v / a : 0.f, 0.f, 1.f) * 255));
            };
            out.insert(out.end(), {channel(p.r), channel(p.g), channel(p.b), static_cast<unsigned char>(std::lround(a * 255))});
        }
        return out;
    }
};

// ---- shapes -------------------------------------------------------------------------------

Shape circle(float cx, float cy, float r) {
    return [=](float x, float y) { return std::hypot(x - cx, y - cy) - r; };
}
Shape ellipse(float cx, float cy, float rx, float ry) {
    return [=](float x, float y) {
        const float k = std::min(rx, ry);
        return (std::hypot((x - cx) / rx, (y - cy) / ry) - 1) * k;
    };
}
Shape box(float x0, float y0, float x1, float y1, float radius = 0) {
    return [=](float x, float y) {
        const float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
        const float qx = std::abs(x - (x0 + x1) / 2) - hx, qy = std::abs(y - (y0 + y1) / 2) - hy;
        return std::hypot(std::max(qx, 0.f), std::max(qy, 0.f)) + std::min(std::max(qx, qy), 0.f) - radius;
    };
}
// A stroke of half-width r through the points.
Shape stroke(std::vector<std::pair<float, float>> pts, float r) {
    return [=](float x, float y) {
        float best = 1e9f;
        for (std::size_t i = 0; i + 1 < pts.size(); ++i) {
            const auto [ax, ay] = pts[i];
            const auto [bx, by] = pts[i + 1];
            const float dx = bx - ax, dy = by - ay;
            const float t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.f, 1.f);
            best = std::min(best, std::hypot(x - ax - t * dx, y - ay - t * dy));
        }
        return best - r;
    };
}
Shape intersect(Shape a, Shape b) {
    return [=](float x, float y) { return std::max(a(x, y), b(x, y)); };
}
Shape subtract(Shape a, Shape b) {
    return [=](float x, float y) { return std::max(a(x, y), -b(x, y)); };
}
Shape unite(Shape a, Shape b) {
    return [=](float x, float y) { return std::min(a(x, y), b(x, y)); };
}
Shape polygon(std::vector<std::pair<float, float>> pts) {
    return [=](float x, float y) {
        float d = 1e9f;
        bool inside = false;
        for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            const auto [ax, ay] = pts[j];
            const auto [bx, by] = pts[i];
            const float dx = bx - ax, dy = by - ay;
            const float t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.f, 1.f);
            d = std::min(d, std::hypot(x - ax - t * dx, y - ay - t * dy));
            if ((ay > y) != (by > y) && x < ax + (y - ay) * dx / dy) inside = !inside;
        }
        return inside ? -d : d;
    };
}

// ---- artwork ------------------------------------------------------------------------------

const std::uint32_t kRed = 0xE53935, kRedDark = 0xA31515, kBlue = 0x1E7BE0, kBlueDark = 0x0B3D91;

// The emblem: a silver-rimmed disc, red (aka) on the left and blue (ao) on the right, with the
// scoreboard's clock colon between them.
void emblem(Canvas& c, float cx, float cy, float R, bool shadow = true) {
    const bool small = R < 12;
    if (shadow) c.fill(circle(cx, cy + R * 0.05f, R * 0.98f), solid(colour(0x000000, 0.45f)), R * 0.10f);
    c.fill(circle(cx, cy, R), vertical(colour(0xF4F6F9), colour(0x98A2B0), cy - R, cy + R));
    const float inner = small ? R * 0.80f : R * 0.86f;
    if (!small) c.fill(circle(cx, cy, R * 0.90f), solid(colour(0x141923)));
    const float gap = std::max(R * 0.035f, 0.5f);
    c.fill(intersect(circle(cx, cy, inner), box(cx - R, cy - R, cx - gap, cy + R)),
           vertical(colour(kRed), colour(kRedDark), cy - inner, cy + inner));
    c.fill(intersect(circle(cx, cy, inner), box(cx + gap, cy - R, cx + R, cy + R)),
           vertical(colour(kBlue), colour(kBlueDark), cy - inner, cy + inner));
    // Gloss over the upper half.
    if (!small)
        c.fill(intersect(circle(cx, cy, inner), ellipse(cx, cy - inner * 0.55f, inner * 0.95f, inner * 0.55f)),
               vertical(colour(0xFFFFFF, 0.22f), colour(0xFFFFFF, 0.0f), cy - inner, cy - inner * 0.1f), R * 0.12f);
    const float dot = small ? std::max(R * 0.17f, 1.1f) : R * 0.095f;
    const float off = small ? R * 0.30f : R * 0.25f;
    for (float s : {-1.f, 1.f}) {
        if (!small) c.fill(circle(cx, cy + s * off + R * 0.02f, dot), solid(colour(0x000000, 0.35f)), R * 0.03f);
        c.fill(circle(cx, cy + s * off, dot), solid(colour(0xFFFFFF)));
    }
}

Canvas logo(int size) {
    Canvas c(size, size);
    emblem(c, size / 2.f, size / 2.f - size * 0.01f, size * 0.46f);
    return c;
}

Canvas icon_emblem(int size) {
    Canvas c(size, size);
    emblem(c, size / 2.f, size / 2.f, size / 2.f - 0.5f, false);
    return c;
}

Canvas banner() {
    const int w = 1024, h = 256;
    Canvas c(w, h);
    const Shape body = box(4, 8, w - 4, h - 8, 28);
    c.fill(box(4, 12, w - 4, h - 4, 28), solid(colour(0x000000, 0.35f)), 8);
    c.fill(body, vertical(colour(0x24324A), colour(0x0B1019), 8, h - 8));
    c.fill(subtract(body, box(7, 11, w - 7, h - 11, 25)), vertical(colour(0xC9D1DC), colour(0x59637A), 8, h - 8));
    // Two bars leading away from the emblem, fading out to the right.
    auto fade = [](std::uint32_t rgb, std::uint32_t dark, float y0, float y1) {
        return Paint([=](float x, float y) {
            Rgba base = mix(colour(rgb), colour(dark), (y - y0) / (y1 - y0));
            const float t = std::clamp((x - 250) / 720.f, 0.f, 1.f);
            const float a = 1 - t * t * 0.85f;
            return Rgba{base.r * a, base.g * a, base.b * a, a};
        });
    };
    c.fill(box(230, 74, 960, 120, 23), fade(kRed, kRedDark, 74, 120));
    c.fill(box(230, 136, 960, 182, 23), fade(kBlue, kBlueDark, 136, 182));
    c.fill(box(262, 204, 940, 207, 1.5f), solid(colour(0xC9D1DC, 0.35f)));
    c.fill(box(262, 49, 940, 52, 1.5f), solid(colour(0xC9D1DC, 0.35f)));
    emblem(c, 140, h / 2.f, 100);
    return c;
}

Canvas wallpaper() {
    const int w = 1024, h = 768;
    Canvas c(w, h);
    c.fill([](float, float) { return -1e9f; }, vertical(colour(0x1D2838), colour(0x06080C), 0, h));
    Canvas mark(w, h);
    emblem(mark, w / 2.f, h * 0.45f, 230);
    c.draw(mark, 0.55f);
    c.fill(box(150, 640, 480, 648, 4), solid(colour(kRed, 0.55f)));
    c.fill(box(544, 640, 874, 648, 4), solid(colour(kBlue, 0.55f)));
    return c;
}

Canvas check_mark(int size) {
    Canvas c(size, size);
    const float s = size;
    const std::vector<std::pair<float, float>> pts = {{0.18f * s, 0.52f * s}, {0.42f * s, 0.76f * s}, {0.84f * s, 0.26f * s}};
    const float r = size <= 16 ? 1.6f : 0.095f * s;
    c.fill(stroke(pts, r + (size <= 16 ? 0.9f : 1.4f)), solid(colour(0x145A1E)));
    c.fill(stroke(pts, r), vertical(colour(0x66CC55), colour(0x2E8B2E), 0.2f * s, 0.8f * s));
    return c;
}

Canvas cross_mark(int size) {
    Canvas c(size, size);
    const float s = size, a = 0.24f * s, b = 0.76f * s;
    const Shape both = unite(stroke({{a, a}, {b, b}}, 0), stroke({{b, a}, {a, b}}, 0));
    const float r = size <= 16 ? 1.6f : 0.095f * s;
    c.fill([=](float x, float y) { return both(x, y) - r - (size <= 16 ? 0.9f : 1.4f); }, solid(colour(0x7A1010)));
    c.fill([=](float x, float y) { return both(x, y) - r; }, vertical(colour(0xFF6A5E), colour(0xC62828), a, b));
    return c;
}

Canvas open_folder(int size) {
    Canvas c(size, size);
    const float s = size / 32.f;
    const Shape back = unite(box(3 * s, 7 * s, 27 * s, 26 * s, 2 * s), box(3 * s, 5 * s, 13 * s, 10 * s, 1.5f * s));
    c.fill(back, solid(colour(0x8A5A00)));
    c.fill([=](float x, float y) { return back(x, y) + std::max(0.9f, 1.2f * s); },
           vertical(colour(0xE0A526), colour(0xB57A0C), 5 * s, 26 * s));
    c.fill(box(6 * s, 11 * s, 25 * s, 22 * s, 0.5f * s), solid(colour(0xFAFAF5)));
    const Shape flap = polygon({{8 * s, 14 * s}, {31 * s, 14 * s}, {26 * s, 27 * s}, {2 * s, 27 * s}});
    c.fill(flap, solid(colour(0x8A5A00)));
    c.fill([=](float x, float y) { return flap(x, y) + std::max(0.9f, 1.2f * s); },
           vertical(colour(0xFFD866), colour(0xF0B429), 14 * s, 27 * s));
    return c;
}

// The list's navigation buttons: one or two arrowheads up or down, with a bar at the end of
// the list for the first and last page.
Canvas nav_arrow(int size, bool down, int heads, bool bar) {
    Canvas c(size, size);
    const float s = size / 16.f;
    // Drawn pointing up; a downward arrow is the same mirrored.
    auto flip = [=](Shape shape) -> Shape {
        if (!down) return shape;
        return [=](float x, float y) { return shape(x, size - y); };
    };
    Shape all = [](float, float) { return 1e9f; };
    const float top = bar ? 5.f : (heads == 2 ? 2.5f : 4.5f);
    for (int i = 0; i < heads; ++i) {
        const float y0 = (top + i * 5.f) * s;
        all = unite(all, polygon({{8 * s, y0}, {14 * s, y0 + 6 * s}, {2 * s, y0 + 6 * s}}));
    }
    if (bar) all = unite(all, box(2 * s, 1.5f * s, 14 * s, 3.5f * s, 0.5f * s));
    all = flip(all);
    c.fill([=](float x, float y) { return all(x, y) - std::max(0.8f, 0.9f * s); }, solid(colour(0x0B2E66)));
    c.fill(all, vertical(colour(0x5AA0F0), colour(0x1E5BB8), 2 * s, 14 * s));
    return c;
}

// Closing a list: an open door with an arrow going out of it.
Canvas exit_door(int size) {
    Canvas c(size, size);
    const float s = size / 16.f;
    const Shape frame = subtract(box(2 * s, 1.5f * s, 10 * s, 14.5f * s, 0.5f * s), box(3.5f * s, 3 * s, 8.5f * s, 14.5f * s));
    c.fill([=](float x, float y) { return frame(x, y) - 0.6f; }, solid(colour(0x3A2A18)));
    c.fill(frame, solid(colour(0x8A6A40)));
    c.fill(polygon({{3.5f * s, 3 * s}, {7.5f * s, 4.5f * s}, {7.5f * s, 14.5f * s}, {3.5f * s, 14.5f * s}}), solid(colour(0xC89A5A)));
    const Shape arrow = unite(box(6 * s, 7.2f * s, 11.5f * s, 9.8f * s),
                              polygon({{11 * s, 4.5f * s}, {15.5f * s, 8.5f * s}, {11 * s, 12.5f * s}}));
    c.fill([=](float x, float y) { return arrow(x, y) - std::max(0.8f, 0.7f * s); }, solid(colour(0x7A1010)));
    c.fill(arrow, vertical(colour(0xFF6A5E), colour(0xC62828), 4.5f * s, 12.5f * s));
    return c;
}

// ---- file formats -------------------------------------------------------------------------

using Bytes = std::vector<unsigned char>;

void put16(Bytes& b, unsigned v) { b.insert(b.end(), {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)}); }
void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

void write_file(const fs::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path.string());
    std::printf("%-40s %7zu bytes\n", path.string().c_str(), bytes.size());
}

void write_png(const fs::path& path, int w, int h, const std::vector<unsigned char>& rgba) {
    Bytes out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t n) {
            auto* o = static_cast<Bytes*>(png_get_io_ptr(p));
            o->insert(o->end(), data, data + n);
        },
        nullptr);
    png_set_compression_level(png, 9);
    png_set_IHDR(png, info, w, h, 8, PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < h; ++y) png_write_row(png, const_cast<png_bytep>(rgba.data() + std::size_t(y) * w * 4));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    write_file(path, out);
}

void write_png(const fs::path& path, const Canvas& c) { write_png(path, c.w, c.h, c.rgba()); }

// An icon file: one 32-bit entry (with its mask) per canvas.
void write_ico(const fs::path& path, const std::vector<Canvas>& sizes) {
    std::vector<Bytes> entries;
    for (const Canvas& c : sizes) {
        Bytes e;
        const std::vector<unsigned char> rgba = c.rgba();
        const std::uint32_t mask_stride = (c.w + 31) / 32 * 4;
        put32(e, 40), put32(e, c.w), put32(e, c.h * 2), put16(e, 1), put16(e, 32), put32(e, 0);
        put32(e, c.w * c.h * 4 + mask_stride * c.h), put32(e, 0), put32(e, 0), put32(e, 0), put32(e, 0);
        for (int y = c.h - 1; y >= 0; --y)
            for (int x = 0; x < c.w; ++x) {
                const unsigned char* p = rgba.data() + (std::size_t(y) * c.w + x) * 4;
                e.insert(e.end(), {p[2], p[1], p[0], p[3]});
            }
        for (int y = c.h - 1; y >= 0; --y) {
            Bytes row(mask_stride, 0);
            for (int x = 0; x < c.w; ++x)
                if (rgba[(std::size_t(y) * c.w + x) * 4 + 3] == 0) row[x / 8] |= 0x80 >> (x % 8);
            e.insert(e.end(), row.begin(), row.end());
        }
        entries.push_back(std::move(e));
    }
    Bytes out;
    put16(out, 0), put16(out, 1), put16(out, static_cast<unsigned>(sizes.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        out.push_back(static_cast<unsigned char>(sizes[i].w));
        out.push_back(static_cast<unsigned char>(sizes[i].h));
        out.push_back(0), out.push_back(0);
        put16(out, 1), put16(out, 32), put32(out, static_cast<std::uint32_t>(entries[i].size())), put32(out, offset);
        offset += static_cast<std::uint32_t>(entries[i].size());
    }
    for (const Bytes& e : entries) out.insert(out.end(), e.begin(), e.end());
    write_file(path, out);
}

// Median cut of an opaque picture's colours into at most 256 palette entries.
std::vector<std::uint32_t> median_cut(const std::vector<std::uint32_t>& pixels) {
    std::map<std::uint32_t, std::uint32_t> counts;
    for (std::uint32_t p : pixels) ++counts[p];
    using Box = std::vector<std::pair<std::uint32_t, std::uint32_t>>;
    std::vector<Box> boxes(1, Box(counts.begin(), counts.end()));
    auto channel = [](std::uint32_t c, int k) { return static_cast<int>(c >> (16 - 8 * k) & 255); };
    while (boxes.size() < 256) {
        // Split the box with the widest channel range (weighted by its pixel count).
        std::size_t pick = boxes.size();
        double score = 0;
        int axis = 0;
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].size() < 2) continue;
            double n = 0;
            for (auto& [c, k] : boxes[i]) n += k;
            for (int a = 0; a < 3; ++a) {
                int lo = 255, hi = 0;
                for (auto& [c, k] : boxes[i]) lo = std::min(lo, channel(c, a)), hi = std::max(hi, channel(c, a));
                const double s = (hi - lo) * std::sqrt(n);
                if (s > score) score = s, pick = i, axis = a;
            }
        }
        if (pick == boxes.size()) break;
        Box& b = boxes[pick];
        std::sort(b.begin(), b.end(), [&](auto& x, auto& y) { return channel(x.first, axis) < channel(y.first, axis); });
        double total = 0, run = 0;
        for (auto& [c, k] : b) total += k;
        std::size_t cut = 1;
        for (; cut < b.size() - 1; ++cut) {
            run += b[cut - 1].second;
            if (run >= total / 2) break;
        }
        Box rest(b.begin() + static_cast<std::ptrdiff_t>(cut), b.end());
        b.resize(cut);
        boxes.push_back(std::move(rest));
    }
    std::vector<std::uint32_t> palette;
    for (const Box& b : boxes) {
        double n = 0, s[3] = {0, 0, 0};
        for (auto& [c, k] : b) {
            n += k;
            for (int a = 0; a < 3; ++a) s[a] += channel(c, a) * double(k);
        }
        palette.push_back(std::uint32_t(std::lround(s[0] / n)) << 16 | std::uint32_t(std::lround(s[1] / n)) << 8 |
                          std::uint32_t(std::lround(s[2] / n)));
    }
    return palette;
}

// An 8-bit run-length coded BMP of an opaque canvas; returns the picture as it will be seen.
std::vector<unsigned char> write_rle8_bmp(const fs::path& path, const Canvas& c) {
    std::vector<unsigned char> rgba = c.rgba();
    std::vector<std::uint32_t> rgb(std::size_t(c.w) * c.h);
    for (std::size_t i = 0; i < rgb.size(); ++i)
        rgb[i] = std::uint32_t(rgba[4 * i]) << 16 | std::uint32_t(rgba[4 * i + 1]) << 8 | rgba[4 * i + 2];
    const std::vector<std::uint32_t> palette = median_cut(rgb);
    std::map<std::uint32_t, unsigned char> nearest;
    std::vector<unsigned char> index(rgb.size());
    for (std::size_t i = 0; i < rgb.size(); ++i) {
        auto it = nearest.find(rgb[i]);
        if (it == nearest.end()) {
            int best = 0;
            long best_d = 1L << 40;
            for (std::size_t p = 0; p < palette.size(); ++p) {
                long d = 0;
                for (int k = 0; k < 3; ++k) {
                    const long e = long(rgb[i] >> (8 * k) & 255) - long(palette[p] >> (8 * k) & 255);
                    d += e * e;
                }
                if (d < best_d) best_d = d, best = static_cast<int>(p);
            }
            it = nearest.emplace(rgb[i], static_cast<unsigned char>(best)).first;
        }
        index[i] = it->second;
    }
    Bytes bits;
    for (int y = c.h - 1; y >= 0; --y) {
        const unsigned char* row = index.data() + std::size_t(y) * c.w;
        for (int x = 0; x < c.w;) {
            int n = 1;
            while (x + n < c.w && n < 255 && row[x + n] == row[x]) ++n;
            if (n >= 2) {
                bits.insert(bits.end(), {static_cast<unsigned char>(n), row[x]});
                x += n;
                continue;
            }
            // A stretch of differing pixels: absolute mode when it is three or longer.
            int m = 1;
            while (x + m < c.w && m < 255 && (x + m + 1 >= c.w || row[x + m] != row[x + m + 1])) ++m;
            if (m < 3) {
                for (int k = 0; k < m; ++k) bits.insert(bits.end(), {1, row[x + k]});
            } else {
                bits.insert(bits.end(), {0, static_cast<unsigned char>(m)});
                bits.insert(bits.end(), row + x, row + x + m);
                if (m & 1) bits.push_back(0);
            }
            x += m;
        }
        if (y) bits.insert(bits.end(), {0, 0});
    }
    bits.insert(bits.end(), {0, 1});
    Bytes out;
    const std::uint32_t offset = 14 + 40 + 4 * static_cast<std::uint32_t>(palette.size());
    out.insert(out.end(), {'B', 'M'});
    put32(out, offset + static_cast<std::uint32_t>(bits.size())), put32(out, 0), put32(out, offset);
    put32(out, 40), put32(out, c.w), put32(out, c.h), put16(out, 1), put16(out, 8), put32(out, 1);
    put32(out, static_cast<std::uint32_t>(bits.size())), put32(out, 2835), put32(out, 2835);
    put32(out, static_cast<std::uint32_t>(palette.size())), put32(out, 0);
    for (std::uint32_t p : palette) put32(out, p);
    out.insert(out.end(), bits.begin(), bits.end());
    write_file(path, out);
    std::vector<unsigned char> seen(rgb.size() * 4);
    for (std::size_t i = 0; i < rgb.size(); ++i) {
        const std::uint32_t p = palette[index[i]];
        seen[4 * i] = p >> 16 & 255, seen[4 * i + 1] = p >> 8 & 255, seen[4 * i + 2] = p & 255, seen[4 * i + 3] = 255;
    }
    return seen;
}

// The time-up sound: a struck gong, 1.5 s of 16-bit mono PCM at 22050 Hz.
void write_gong(const fs::path& path) {
    const int rate = 22050, n = rate * 3 / 2;
    const double pi = 3.14159265358979;
    struct Partial {
        double ratio, level, decay;
    };
    const Partial partials[] = {{1.0, 1.0, 1.1},    {2.0, 0.55, 0.8},   {2.76, 0.45, 0.6}, {3.0, 0.3, 0.5},
                                {4.07, 0.22, 0.35}, {5.43, 0.12, 0.25}, {6.8, 0.08, 0.18}};
    std::vector<double> wave(n);
    double peak = 0;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / rate;
        double v = 0;
        for (const Partial& p : partials) v += p.level * std::exp(-t / p.decay) * std::sin(2 * pi * 233.0 * p.ratio * t);
        v *= std::min(1.0, t / 0.004) * std::min(1.0, (1.5 - t) / 0.08);  // soft strike, clean end
        wave[i] = v;
        peak = std::max(peak, std::abs(v));
    }
    Bytes out;
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    put32(out, 36 + 2 * n);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put32(out, 16), put16(out, 1), put16(out, 1), put32(out, rate), put32(out, rate * 2), put16(out, 2), put16(out, 16);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    put32(out, 2 * n);
    for (double v : wave) put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(v / peak * 29000))));
    write_file(path, out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: draw_resources <resources folder> [<preview folder>]\n");
        return 2;
    }
    const fs::path images = fs::path(argv[1]) / "images", sounds = fs::path(argv[1]) / "sounds";
    const fs::path preview = argc > 2 ? fs::path(argv[2]) : fs::path();
    fs::create_directories(images);
    fs::create_directories(sounds);
    if (!preview.empty()) fs::create_directories(preview);
    // Small pictures are previewed enlarged, pixel for pixel.
    auto look = [&](const std::string& name, const Canvas& c) {
        if (preview.empty()) return;
        const int k = std::max(1, 256 / c.w);
        Canvas big(c.w * k, c.h * k);
        for (int y = 0; y < big.h; ++y)
            for (int x = 0; x < big.w; ++x) big.px[std::size_t(y) * big.w + x] = c.px[std::size_t(y / k) * c.w + x / k];
        write_png(preview / (name + ".png"), big);
    };

    write_ico(images / "zrvICON.ico", {icon_emblem(16), icon_emblem(32), icon_emblem(48)});
    look("zrvICON48", icon_emblem(48));
    look("zrvICON16", icon_emblem(16));
    write_ico(images / "WAOK.ICO", {check_mark(16), check_mark(32)});
    look("WAOK32", check_mark(32));
    look("WAOK16", check_mark(16));
    write_ico(images / "WACANCEL.ICO", {cross_mark(16), cross_mark(32)});
    look("WACANCEL32", cross_mark(32));
    look("WACANCEL16", cross_mark(16));
    write_ico(images / "fileopen.ico", {open_folder(16), open_folder(32)});
    look("fileopen32", open_folder(32));
    look("fileopen16", open_folder(16));
    const struct {
        const char* file;
        bool down;
        int heads;
        bool bar;
    } arrows[] = {{"NAVFIRST.ICO", false, 2, true}, {"NAVPGUP.ICO", false, 2, false}, {"NAVUP.ICO", false, 1, false},
                  {"NAVDOWN.ICO", true, 1, false},  {"NAVPGDN.ICO", true, 2, false},  {"NAVLAST.ICO", true, 2, true}};
    for (const auto& a : arrows) {
        write_ico(images / a.file, {nav_arrow(16, a.down, a.heads, a.bar), nav_arrow(32, a.down, a.heads, a.bar)});
        look(fs::path(a.file).stem().string() + "32", nav_arrow(32, a.down, a.heads, a.bar));
    }
    write_ico(images / "WACLOSE.ICO", {exit_door(16), exit_door(32)});
    look("WACLOSE32", exit_door(32));
    look("WACLOSE16", exit_door(16));
    write_png(images / "zrv.png", logo(200));
    write_png(images / "zrvICON2.png", logo(64));
    write_png(images / "zrv1024.png", banner());
    const Canvas wall = wallpaper();
    const std::vector<unsigned char> seen = write_rle8_bmp(images / "zrv1024.bmp", wall);
    if (!preview.empty()) write_png(preview / "zrv1024_bmp.png", wall.w, wall.h, seen);
    write_gong(sounds / "TimeUP.wav");
    return 0;
}
