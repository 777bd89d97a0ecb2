#pragma once
// The image loader. A name beginning with "~", or naming a file the program carries, is looked
// up among the carried files first; otherwise it is read from the file of that name (a system
// text, see native_path). The decoder is chosen by the name's extension: PNG, JPEG (.jpg/.jpeg),
// GIF, BMP, ICO/CUR, PCX. EMF and WMF give no picture. A missing, truncated, corrupt or
// enormous image gives no picture (nullopt) and never crashes.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace zrv {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // row-major, 0xAARRGGBB
};

// Largest picture a decoder accepts (either side, and in total pixels).
inline constexpr int kMaxImageSide = 16384;
inline constexpr std::int64_t kMaxImagePixels = 64LL * 1024 * 1024;
// Largest image file read from disk.
inline constexpr std::uint64_t kMaxImageFileBytes = 256ULL * 1024 * 1024;

std::optional<Image> load_image(std::string_view name);

// The decoders, each on a whole file's bytes.
std::optional<Image> decode_png(std::span<const unsigned char> bytes);
std::optional<Image> decode_jpeg(std::span<const unsigned char> bytes);
std::optional<Image> decode_gif(std::span<const unsigned char> bytes);
std::optional<Image> decode_bmp(std::span<const unsigned char> bytes);
std::optional<Image> decode_ico(std::span<const unsigned char> bytes);  // ICO and CUR: the largest entry
std::optional<Image> decode_pcx(std::span<const unsigned char> bytes);

// Decoder by the extension of name (case-insensitive); empty bytes or unknown kinds give nullopt.
std::optional<Image> decode_by_extension(std::string_view name, std::span<const unsigned char> bytes);

}  // namespace zrv
