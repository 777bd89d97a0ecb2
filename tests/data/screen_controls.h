#pragma once
// The controls of every screen that show or store a field, walked from the screens' own
// declarations (their layouts, list declarations, check-box rules and lamp tables) without
// running them.
#include <string>
#include <vector>

#include "data/table_reference.h"

namespace zrv::data {

std::vector<ScreenControl> screen_controls();
// The procedures screen_controls walked, and those known to have no window that shows a field.
std::vector<std::string> walked_procedures();
std::vector<std::string> procedures_without_fields();

}  // namespace zrv::data
