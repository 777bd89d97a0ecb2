#include "shell/working_folder.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string_view>
#include <system_error>

#include "framework/core/app_services.h"
#include "framework/services/carried_files.h"

namespace zrv {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kCarried = "Working/";

// Writes one carried file; false with why when it cannot be written.
bool put(const fs::path& file, std::span<const unsigned char> bytes, std::string& why) {
    std::error_code ec;
    fs::create_directories(file.parent_path().empty() ? fs::path(".") : file.parent_path(), ec);
    if (ec) {
        why = ec.message();
        return false;
    }
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (out) return true;
    why = "it cannot be written";
    fs::remove(file, ec);
    return false;
}

}  // namespace

std::string provide_working_files() {
    std::string failed;
    std::error_code ec;
    // A digit set is provided whole, only when its folder is missing: a set the operator
    // changed stays as it is. Whether it is missing is seen before any of its files is put.
    std::map<fs::path, bool> provide_set;
    for (const std::string& name : carried_file_names()) {
        if (name.compare(0, kCarried.size(), kCarried) != 0) continue;
        const fs::path file(name.substr(kCarried.size()));
        const bool digits = file.begin() != file.end() && *file.begin() == "Digits";
        if (digits) {
            auto [it, first] = provide_set.try_emplace(file.parent_path(), false);
            if (first) it->second = !fs::exists(file.parent_path(), ec);
            if (!it->second) continue;
        } else if (fs::exists(file, ec)) {
            continue;
        }
        std::string why;
        if (!put(file, carried_file(name), why) && failed.empty())
            failed = (digits ? "the demo digit sets" : "the time-up sound " + file.string()) + " could not be put in " +
                     fs::current_path(ec).string() + " (" + why + ")" + (digits ? "" : ": a clock's time-up stays silent");
    }
    if (!failed.empty()) {
        std::fprintf(stderr, "zorvane: %s\n", failed.c_str());
        app_error_reporter().log(failed);
    }
    return failed;
}

}  // namespace zrv
