#pragma once
// The bracket forms of one individual kumite event (a KumiteIndividual record), each the form
// of its bracket list:
//   UpdateKumiteIndividual4   4 competitors
//   UpdateKumiteIndividual    8 competitors, with the GO button
//   UpdateKumiteIndividual16  16 competitors in two pools
// They follow the live-form conventions; their own logic is the winner boxes of each bout.
#include <string>
#include <vector>

#include "framework/core/window.h"
#include "kumite/winner_boxes.h"
#include "live/live_form.h"

namespace zrv::kumite {

const std::vector<std::string>& bracket_forms();
WindowLayout bracket_layout(const std::string& procedure);
live::FormDeclaration bracket_declaration(const std::string& procedure);
const std::vector<BoxRule>& bracket_boxes(const std::string& procedure);
// The boxes in the order the form applies them once as it opens.
const std::vector<std::string>& bracket_setup_order(const std::string& procedure);

}  // namespace zrv::kumite
