#pragma once
// The six queue lists: every kata, individual and team event with its queue status, the
// status cell coloured, read again twice a second. Three pairs of twins, one free-floating
// window and one MDI child each:
//   BrouseQueueKata, BrouseQueueKata1                    KataEvent
//   BrowseQueueKKIndividual, BrowseQueueKKIndividual1    KumiteIndividual
//   BrowseQueueEquipos, BrowseQueueEquipos1              KumiteEquipo5
#include <string>

#include "framework/core/control.h"
#include "framework/core/window.h"
#include "framework/store/record_buffer.h"
#include "live/list_screen.h"

namespace zrv::flow {

WindowLayout queue_list_layout(const std::string& procedure);
live::ListScreenDeclaration queue_list(const std::string& procedure);

// The status cell's four colours for a status text ("1" to "4"; anything else: defaults).
// team: a stopped event stays red when highlighted.
ListCell queue_status_colours(const std::string& status, bool team);

}  // namespace zrv::flow
