#pragma once
// Tiny pictures in every format and depth the image loader reads, each with the pixels it must
// give. Shared by the decoder tests and the fuzzers' seed corpus.
#include <cstdint>
#include <string>
#include <vector>

namespace zrv::testing {

using Bytes = std::vector<unsigned char>;

struct ImageFixture {
    std::string name;  // with the extension that picks its decoder
    Bytes bytes;
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, top row first
    int tolerance = 0;                  // per channel, for lossy formats
};

const std::vector<ImageFixture>& image_fixtures();
const ImageFixture& image_fixture(const std::string& name);

}  // namespace zrv::testing
