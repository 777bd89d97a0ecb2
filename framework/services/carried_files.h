#pragma once
// Files the program carries inside itself (icons, logos, wallpaper, built-in digit images).
// Each carried file registers itself at start-up under its name; names match without regard to case.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zrv {

// The bytes of a carried file, or an empty span when the program carries no file of that name.
std::span<const unsigned char> carried_file(std::string_view name);

// Every carried file's name, in registration order (for tests and diagnostics).
std::vector<std::string> carried_file_names();

struct CarriedFileRegistration {
    CarriedFileRegistration(const char* name, const unsigned char* data, std::size_t size);
};

}  // namespace zrv
