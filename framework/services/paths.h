#pragma once
// The system's texts name files the Windows way (".\Zorvane.INI", ".\Digits\set.ini"):
// "." is the current folder and "\" separates folders. On this system an existing file
// is found whatever the case of its name.
#include <string>
#include <string_view>

namespace zrv {

// The native path for a system text: backslashes become slashes, and each component that
// does not exist as written is matched against its folder's entries without regard to case.
// A name that matches nothing is kept as written (a file written there is created with that
// name). Trailing blanks of the text are not part of the path; "." stays "." (relative paths
// stay relative).
std::string native_path(std::string_view system_path);

// True when a file or folder of that name exists.
bool file_exists(std::string_view system_path);

}  // namespace zrv
