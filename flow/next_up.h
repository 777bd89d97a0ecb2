#pragma once
// The next-up screens ("Next Competitor Up"): audience displays of who is called next on the
// aka and the ao side of a kumite area, with their dojos. The scoring software writes the four
// texts into the event record; a screen reads the record again every hundredth of a second and
// never closes by itself. Three lists open them, one per event kind and window arrangement:
//   BrowseReadUpKumiteScreen41  ReadUpKumiteScreen4C1  KumiteIndividual  screen free-floating
//   BrowseReadUpTEAMScreen41    ReadUpTEAMScreen41     KumiteEquipo5     screen free-floating
//   BrowseReadUpTEAMScreen4     ReadUpTEAMScreen4      KumiteEquipo5     screen an MDI child
// The lists put each row's search score first and colour the row by the event's size.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/core/control.h"
#include "framework/core/window.h"
#include "live/list_screen.h"
#include "live/live_form.h"

namespace zrv::flow {

const std::vector<std::string>& next_up_lists();
const std::vector<std::string>& next_up_screens();

WindowLayout next_up_list_layout(const std::string& procedure);
live::ListScreenDeclaration next_up_list(const std::string& procedure);

WindowLayout next_up_screen_layout(const std::string& procedure);
live::FormDeclaration next_up_screen(const std::string& procedure);

// The normal background of a row's coloured cells for the event's size (a bracket of 4, 8 or
// 16 competitors, or 3 or 4 teams); the default colour for any other size.
Colour event_size_colour(bool team, std::int64_t size);

}  // namespace zrv::flow
