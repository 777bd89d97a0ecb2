// make_seeds <folder>: writes the image fixtures as seed files, one subfolder per decoder
// (<folder>/png, jpeg, gif, bmp, ico, pcx).
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "tests/framework/image/image_fixtures.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds <folder>\n");
        return 2;
    }
    const std::map<std::string, std::string> decoder = {{"png", "png"}, {"jpg", "jpeg"}, {"jpeg", "jpeg"}, {"gif", "gif"},
                                                        {"bmp", "bmp"}, {"ico", "ico"},  {"cur", "ico"},   {"pcx", "pcx"}};
    for (const auto& f : zrv::testing::image_fixtures()) {
        const auto it = decoder.find(f.name.substr(f.name.rfind('.') + 1));
        if (it == decoder.end()) continue;
        const std::filesystem::path dir = std::filesystem::path(argv[1]) / it->second;
        std::filesystem::create_directories(dir);
        std::ofstream(dir / f.name, std::ios::binary)
            .write(reinterpret_cast<const char*>(f.bytes.data()), static_cast<std::streamsize>(f.bytes.size()));
    }
    return 0;
}
