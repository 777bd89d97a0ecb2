#pragma once
// The system's texts name files the Windows way (".\Zorvane.INI", ".\Digits\set.ini"):
// "." is the current folder and "\" separates folders. On this system an existing file
// is found whatever the case of its name.
#include <string>
#include <string_view>

namespace zrv {

// The native path for a system text: backslashes become slashes, and each component that
// does not exist as written is matched against its folder's entries without regard to case.
std::string native_path(std::string_view system_path);

bool file_exists(std::string_view system_path);

}  // namespace zrv
