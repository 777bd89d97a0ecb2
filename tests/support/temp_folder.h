#pragma once
// A fresh empty folder for one test, made the current folder while the object lives
// (the program works in its current folder), removed afterwards.
#include <filesystem>
#include <string>

namespace zrv::testing {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::string& name) const { return path_ / name; }

    // Whole-file helpers for fixtures.
    void write(const std::string& name, const std::string& content) const;
    std::string read(const std::string& name) const;

private:
    std::filesystem::path path_;
    std::filesystem::path previous_;
};

// The source tree (for fixtures kept with the tests).
std::filesystem::path source_dir();

}  // namespace zrv::testing
