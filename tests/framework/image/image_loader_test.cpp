// Finding a picture by name: carried files first ("~" names and plain names), the file of that
// name otherwise; the decoder follows the extension. The program's own pictures all decode.
#include <gtest/gtest.h>

#include <fstream>

#include "framework/image/image_loader.h"
#include "framework/services/carried_files.h"
#include "tests/framework/image/image_fixtures.h"
#include "tests/support/temp_folder.h"

namespace zrv {
namespace {

using testing::Bytes;
using testing::image_fixture;

// A carried picture for these tests (registered on first use: its bytes are built at run time).
void carry_test_picture() {
    static const Bytes bytes = image_fixture("bmp24.bmp").bytes;
    static const CarriedFileRegistration registration("loader_test.bmp", bytes.data(), bytes.size());
}

void write(const std::filesystem::path& path, const Bytes& bytes) {
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

TEST(ImageLoader, CarriedFirstThenTheFileOfThatName) {
    carry_test_picture();
    testing::TempFolder folder;
    // A file beside the carried one with other pixels: the carried one must win.
    write(folder / "loader_test.bmp", image_fixture("bmp1.bmp").bytes);
    write(folder / "picture.bmp", image_fixture("bmp1.bmp").bytes);
    write(folder / "pics" / "logo.png", image_fixture("png_rgba.png").bytes);
    write(folder / "notes.txt", image_fixture("bmp1.bmp").bytes);
    write(folder / "drawing.emf", image_fixture("bmp1.bmp").bytes);
    write(folder / "drawing.wmf", image_fixture("bmp1.bmp").bytes);
    write(folder / "empty.bmp", {});
    write(folder / "wrong.png", image_fixture("bmp1.bmp").bytes);

    const struct {
        const char* name;
        const char* fixture;  // the picture expected, or null for none
    } cases[] = {
        {"loader_test.bmp", "bmp24.bmp"},
        {"~loader_test.bmp", "bmp24.bmp"},
        {"~LOADER_TEST.BMP", "bmp24.bmp"},
        {"picture.bmp", "bmp1.bmp"},
        {"PICTURE.BMP", "bmp1.bmp"},
        {".\\pics\\logo.png", "png_rgba.png"},
        {"missing.png", nullptr},
        {"~missing.gif", nullptr},
        {"notes.txt", nullptr},
        {"drawing.emf", nullptr},
        {"drawing.wmf", nullptr},
        {"empty.bmp", nullptr},
        {"wrong.png", nullptr},
        {"", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto image = load_image(c.name);
        if (!c.fixture) {
            EXPECT_FALSE(image);
            continue;
        }
        ASSERT_TRUE(image);
        EXPECT_EQ(image->pixels, image_fixture(c.fixture).pixels);
    }
}

TEST(ImageLoader, TheProgramsOwnPicturesAllDecode) {
    const struct {
        const char* name;
        int width, height;
    } pictures[] = {
        {"zrvICON.ico", 48, 48},  {"zrv1024.bmp", 1024, 768}, {"zrv.png", 200, 200},    {"zrv1024.png", 1024, 256},
        {"zrvICON2.png", 64, 64}, {"WAOK.ICO", 32, 32},       {"WACANCEL.ICO", 32, 32}, {"fileopen.ico", 32, 32},
    };
    for (const auto& p : pictures) {
        SCOPED_TRACE(p.name);
        EXPECT_FALSE(carried_file(p.name).empty());
        auto image = load_image(p.name);
        ASSERT_TRUE(image);
        EXPECT_EQ(image->width, p.width);
        EXPECT_EQ(image->height, p.height);
    }
}

TEST(ImageLoader, TimeUpSoundIsShortMonoPcm) {
    std::ifstream in(ZRV_TIMEUP_WAV, std::ios::binary);
    Bytes b((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GE(b.size(), 44u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
    EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 12), "WAVE");
    auto le = [&](std::size_t at, int n) {
        std::uint32_t v = 0;
        for (int k = n - 1; k >= 0; --k) v = v << 8 | b[at + k];
        return v;
    };
    EXPECT_EQ(le(20, 2), 1u);      // PCM
    EXPECT_EQ(le(22, 2), 1u);      // mono
    EXPECT_EQ(le(24, 4), 22050u);  // samples per second
    EXPECT_EQ(le(34, 2), 16u);     // bits per sample
    const double seconds = le(40, 4) / 2.0 / 22050;
    EXPECT_GT(seconds, 0.5);
    EXPECT_LT(seconds, 3.0);
}

}  // namespace
}  // namespace zrv
