// ICO and CUR: the directory's largest entry, a bitmap with its transparency mask or a PNG.
#include <cstring>

#include "framework/image/image_bytes.h"
#include "framework/image/image_loader.h"

namespace zrv {

std::optional<Image> decode_ico(std::span<const unsigned char> bytes) {
    using namespace image_detail;
    if (bytes.size() < 6 || le16(bytes.data()) != 0) return std::nullopt;
    const unsigned type = le16(bytes.data() + 2);
    const unsigned count = le16(bytes.data() + 4);
    if ((type != 1 && type != 2) || count == 0 || !fits(bytes.size(), 6, 16ull * count)) return std::nullopt;

    // Every entry must lie inside the file; the largest (then the deepest) is shown.
    std::size_t best = count;
    std::uint64_t best_area = 0;
    unsigned best_depth = 0;
    for (unsigned i = 0; i < count; ++i) {
        const unsigned char* e = bytes.data() + 6 + 16 * i;
        const std::uint32_t size = le32(e + 8), offset = le32(e + 12);
        if (size == 0 || !fits(bytes.size(), offset, size)) return std::nullopt;
        const std::uint64_t area = std::uint64_t{e[0] ? e[0] : 256u} * (e[1] ? e[1] : 256u);
        const unsigned depth = type == 1 ? le16(e + 6) : 0;
        if (best == count || area > best_area || (area == best_area && depth > best_depth)) {
            best = i;
            best_area = area;
            best_depth = depth;
        }
    }
    const unsigned char* e = bytes.data() + 6 + 16 * best;
    Bytes entry = bytes.subspan(le32(e + 12), le32(e + 8));
    static const unsigned char png_signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (entry.size() >= 8 && std::memcmp(entry.data(), png_signature, 8) == 0) return decode_png(entry);
    return decode_dib(entry, true);
}

}  // namespace zrv
