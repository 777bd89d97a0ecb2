#pragma once
// The kumite lists, twins declared by their differences:
//   BrowseKumiteIndividual4  -> UpdateKumiteIndividual4
//   BrowseKumiteIndividual   -> UpdateKumiteIndividual
//   BrowseKumiteIndividual41 -> UpdateKumiteIndividual16
//   BrowseEquipo5            -> UpdateEquipo5
//   BrowseEquipo3            -> UpdateEquipo3
#include <string>
#include <vector>

#include "framework/core/window.h"
#include "live/list_screen.h"

namespace zrv::kumite {

const std::vector<std::string>& kumite_lists();
WindowLayout kumite_list_layout(const std::string& procedure);
live::ListScreenDeclaration kumite_list(const std::string& procedure);

}  // namespace zrv::kumite
