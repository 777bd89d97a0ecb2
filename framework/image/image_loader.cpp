#include "framework/image/image_loader.h"

#include <cctype>
#include <fstream>
#include <string>

#include "framework/services/carried_files.h"
#include "framework/services/paths.h"

namespace zrv {
namespace {

std::string extension_of(std::string_view name) {
    const std::size_t dot = name.find_last_of('.');
    if (dot == std::string_view::npos || name.find_first_of("\\/", dot) != std::string_view::npos) return {};
    std::string ext(name.substr(dot + 1));
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

std::optional<std::vector<unsigned char>> read_file(std::string_view name) {
    std::ifstream in(native_path(name), std::ios::binary | std::ios::ate);
    if (!in) return std::nullopt;
    const std::streamoff size = in.tellg();
    if (size <= 0 || static_cast<std::uint64_t>(size) > kMaxImageFileBytes) return std::nullopt;
    std::vector<unsigned char> bytes(static_cast<std::size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) return std::nullopt;
    return bytes;
}

}  // namespace

std::optional<Image> decode_by_extension(std::string_view name, std::span<const unsigned char> bytes) {
    if (bytes.empty()) return std::nullopt;
    const std::string ext = extension_of(name);
    if (ext == "png") return decode_png(bytes);
    if (ext == "jpg" || ext == "jpeg") return decode_jpeg(bytes);
    if (ext == "gif") return decode_gif(bytes);
    if (ext == "bmp") return decode_bmp(bytes);
    if (ext == "ico" || ext == "cur") return decode_ico(bytes);
    if (ext == "pcx") return decode_pcx(bytes);
    return std::nullopt;  // EMF, WMF and anything else: no picture
}

std::optional<Image> load_image(std::string_view name) {
    if (name.empty()) return std::nullopt;
    std::span<const unsigned char> carried;
    if (name.front() == '~') carried = carried_file(name.substr(1));
    if (carried.empty()) carried = carried_file(name);
    if (!carried.empty()) return decode_by_extension(name, carried);
    const auto bytes = read_file(name);
    if (!bytes) return std::nullopt;
    return decode_by_extension(name, *bytes);
}

}  // namespace zrv
