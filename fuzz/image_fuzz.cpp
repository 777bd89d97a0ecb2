// One image decoder (ZRV_FUZZ_DECODER, e.g. decode_png) on arbitrary bytes. Nothing may crash,
// and a picture that comes out must be whole and within the size limits.
#include <cstddef>
#include <cstdint>

#include "framework/image/image_loader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto image = zrv::ZRV_FUZZ_DECODER({data, size});
    if (image && (image->width <= 0 || image->height <= 0 || image->width > zrv::kMaxImageSide || image->height > zrv::kMaxImageSide ||
                  image->pixels.size() != static_cast<std::size_t>(image->width) * image->height))
        __builtin_trap();
    return 0;
}
