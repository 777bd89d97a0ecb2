// GIF through giflib: the first frame on its logical screen, with its transparent colour. The
// rest of the file is walked to its trailer (without decoding) so that a cut file is refused.
#include <gif_lib.h>

#include <algorithm>
#include <cstring>

#include "framework/image/image_bytes.h"
#include "framework/image/image_loader.h"

namespace zrv {
namespace {

struct GifSource {
    image_detail::Bytes bytes;
    std::size_t pos = 0;
};

int read_bytes(GifFileType* gif, GifByteType* out, int n) {
    auto* src = static_cast<GifSource*>(gif->UserData);
    const std::size_t k = std::min<std::size_t>(static_cast<std::size_t>(std::max(n, 0)), src->bytes.size() - src->pos);
    std::memcpy(out, src->bytes.data() + src->pos, k);
    src->pos += k;
    return static_cast<int>(k);
}

struct GifCloser {
    GifFileType* gif;
    ~GifCloser() {
        int error = 0;
        DGifCloseFile(gif, &error);
    }
};

bool decode_frame(GifFileType* gif, const GraphicsControlBlock& control, std::size_t file_size, Image& out) {
    const GifImageDesc& d = gif->Image;
    const ColorMapObject* map = d.ColorMap ? d.ColorMap : gif->SColorMap;
    if (!map || !image_detail::size_allowed(d.Width, d.Height)) return false;
    // One 12-bit code stands for at most 4096 pixels: refuse a frame the data cannot fill.
    if (std::uint64_t(d.Width) * d.Height > file_size * 4096ull) return false;
    // The frame stands on its logical screen, unless it does not fit there or the screen is far
    // larger than the data could fill (then the frame alone is the picture).
    std::int64_t left = d.Left, top = d.Top, width = gif->SWidth, height = gif->SHeight;
    if (left + d.Width > width || top + d.Height > height || std::uint64_t(width * height) > file_size * 4096ull) {
        left = top = 0;
        width = d.Width;
        height = d.Height;
    }
    if (!image_detail::size_allowed(width, height)) return false;
    out = image_detail::blank_image(static_cast<int>(width), static_cast<int>(height));

    std::vector<GifPixelType> line(static_cast<std::size_t>(d.Width));
    auto put_row = [&](int row) {
        if (DGifGetLine(gif, line.data(), d.Width) == GIF_ERROR) return false;
        std::uint32_t* dst = out.pixels.data() + (top + row) * width + left;
        for (int x = 0; x < d.Width; ++x) {
            const int index = line[x];
            if (index == control.TransparentColor) dst[x] = 0;
            else if (index < map->ColorCount)
                dst[x] = image_detail::argb(map->Colors[index].Red, map->Colors[index].Green, map->Colors[index].Blue);
            else dst[x] = image_detail::argb(0, 0, 0);
        }
        return true;
    };
    if (d.Interlace) {
        static const int start[] = {0, 4, 2, 1}, step[] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass)
            for (int row = start[pass]; row < d.Height; row += step[pass])
                if (!put_row(row)) return false;
    } else {
        for (int row = 0; row < d.Height; ++row)
            if (!put_row(row)) return false;
    }
    return true;
}

}  // namespace

std::optional<Image> decode_gif(std::span<const unsigned char> bytes) {
    if (bytes.size() < 6 || std::memcmp(bytes.data(), "GIF", 3) != 0) return std::nullopt;
    GifSource source{bytes};
    int error = 0;
    GifFileType* gif = DGifOpen(&source, read_bytes, &error);
    if (!gif) return std::nullopt;
    GifCloser closer{gif};

    GraphicsControlBlock control{};
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    std::optional<Image> image;
    for (GifRecordType type = UNDEFINED_RECORD_TYPE; type != TERMINATE_RECORD_TYPE;) {
        if (DGifGetRecordType(gif, &type) == GIF_ERROR) return std::nullopt;
        if (type == IMAGE_DESC_RECORD_TYPE) {
            if (DGifGetImageDesc(gif) == GIF_ERROR) return std::nullopt;
            if (!image) {
                image.emplace();
                if (!decode_frame(gif, control, bytes.size(), *image)) return std::nullopt;
                continue;
            }
            int code_size = 0;
            GifByteType* block = nullptr;
            if (DGifGetCode(gif, &code_size, &block) == GIF_ERROR) return std::nullopt;
            while (block)
                if (DGifGetCodeNext(gif, &block) == GIF_ERROR) return std::nullopt;
        } else if (type == EXTENSION_RECORD_TYPE) {
            int code = 0;
            GifByteType* block = nullptr;
            if (DGifGetExtension(gif, &code, &block) == GIF_ERROR) return std::nullopt;
            if (!image && code == GRAPHICS_EXT_FUNC_CODE && block && DGifExtensionToGCB(block[0], block + 1, &control) == GIF_ERROR)
                return std::nullopt;
            while (block)
                if (DGifGetExtensionNext(gif, &block) == GIF_ERROR) return std::nullopt;
        }
    }
    return image;
}

}  // namespace zrv
