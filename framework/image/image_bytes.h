#pragma once
// Bounds-checked reading of little- and big-endian fields, and the size checks every decoder
// applies before it allocates a picture. Internal to the image loader.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "framework/image/image_loader.h"

namespace zrv::image_detail {

using Bytes = std::span<const unsigned char>;

// True when [offset, offset + length) lies inside a buffer of size bytes.
inline bool fits(std::size_t size, std::uint64_t offset, std::uint64_t length) { return offset <= size && length <= size - offset; }

inline std::uint16_t le16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
inline std::uint32_t le32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24; }
inline std::int32_t sle32(const unsigned char* p) { return static_cast<std::int32_t>(le32(p)); }
inline std::uint32_t be32(const unsigned char* p) { return static_cast<std::uint32_t>(p[0]) << 24 | p[1] << 16 | p[2] << 8 | p[3]; }

inline std::uint32_t argb(unsigned r, unsigned g, unsigned b, unsigned a = 255) {
    return (a & 255u) << 24 | (r & 255u) << 16 | (g & 255u) << 8 | (b & 255u);
}

// A picture of this size may be decoded: both sides positive and within the limits.
inline bool size_allowed(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide && width * height <= kMaxImagePixels;
}

// A picture of the given (allowed) size, every pixel fill.
inline Image blank_image(int width, int height, std::uint32_t fill = 0) {
    Image image;
    image.width = width;
    image.height = height;
    image.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), fill);
    return image;
}

// A device-independent bitmap (the body of a BMP file after its file header, or an icon entry).
// In an icon the header's height counts the colour rows and the transparency mask together, and
// the mask follows the colours.
// The colour bits start at bits_offset into bytes, or right after the header and palette when
// it is not given.
std::optional<Image> decode_dib(Bytes bytes, bool icon, std::optional<std::size_t> bits_offset = std::nullopt);

}  // namespace zrv::image_detail
