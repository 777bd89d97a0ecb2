// Fuzzes the settings file: the input is the whole INI file. It is opened (sector list),
// read, a window placement is restored from it, an entry is written and removed, and the file
// is closed (sector list written back). Nothing may crash, and a restore never applies a
// number outside the placement limits.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "framework/services/settings_file.h"

namespace {

class FuzzWindow : public zrv::PlacementWindow {
public:
    bool maximized = false;
    int left = 0, top = 0, w = 100, h = 100;
    bool is_maximized() const override { return maximized; }
    bool is_minimized() const override { return false; }
    bool is_resizable() const override { return true; }
    int x() const override { return left; }
    int y() const override { return top; }
    int width() const override { return w; }
    int height() const override { return h; }
    void restore_normal() override { maximized = false; }
    void maximize() override { maximized = true; }
    void move_to(int nx, int ny) override {
        check(nx, -1'000'000);
        check(ny, -1'000'000);
        left = nx, top = ny;
    }
    void set_width(int nw) override { check(nw, 1), w = nw; }
    void set_height(int nh) override { check(nh, 1), h = nh; }

private:
    static void check(int v, int lowest) {
        if (v < lowest || v > 1'000'000) std::abort();
    }
};

const std::string& folder() {
    static const std::string path = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "zrv-ini-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        return pattern;
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string file = folder() + "/Fuzz.INI";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    zrv::SettingsFile ini;
    ini.open(folder() + "\\fuzz.ini");
    for (const char* section : {"Main", "Setup", "__Dont_Touch_Me__", ""})
        for (const char* entry : {"Maximize", "XPos", "Sectors", "Sectors_1", ""}) (void)ini.get(section, entry);

    FuzzWindow window;
    ini.restore_window_placement("Main", window);
    window.maximized = true;
    ini.restore_window_placement("main", window);

    ini.put("Main", "Fuzz", "value");
    if (ini.get("MAIN", "fuzz") != "value") std::abort();
    ini.remove("Main", "Fuzz");
    if (ini.get("Main", "Fuzz")) std::abort();
    ini.save_window_placement("Main", window);
    ini.close();
    return 0;
}
