#include "tests/support/temp_folder.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace zrv::testing {

TempFolder::TempFolder() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "zrv-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
    std::filesystem::current_path(path_);
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::current_path(previous_, ec);
    std::filesystem::remove_all(path_, ec);
}

void TempFolder::write(const std::string& name, const std::string& content) const {
    std::filesystem::create_directories((path_ / name).parent_path());
    std::ofstream out(path_ / name, std::ios::binary);
    out << content;
}

std::string TempFolder::read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::filesystem::path source_dir() {
    const char* dir = std::getenv("ZRV_SOURCE_DIR");
    return dir ? std::filesystem::path(dir) : std::filesystem::current_path();
}

}  // namespace zrv::testing
