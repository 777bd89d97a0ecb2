#pragma once
// The sheets of one team kumite event (a KumiteEquipo5 record), each the form of its team list:
//   UpdateEquipo5  four teams: two first-round bouts, the winners' and the losers' bout, totals,
//                  places and a key chart
//   UpdateEquipo3  three teams: team 1 v 2, team 3 v 2 and the final of team 3 v 1, totals
// Both are built from the same eight team blocks of the record. Their own logic: a win box sets
// its competitor's result to 1 or 0, the hantei boxes of a bout's two teams exclude each other,
// and a competitor name or colour is looked up as it is entered or visited.
#include <string>
#include <vector>

#include "framework/core/window.h"
#include "kumite/winner_boxes.h"
#include "live/live_form.h"

namespace zrv::kumite {

// An entry whose text is looked up: a competitor name in Competidor (its dojo filled in beside
// it) or, with no dojo, a colour in Colores.
struct SheetLookup {
    std::string entry;  // the entry's field
    std::string dojo;   // the dojo field filled from the competitor; empty: a colour entry
};

const std::vector<std::string>& team_sheets();
WindowLayout team_sheet_layout(const std::string& procedure);
live::FormDeclaration team_sheet_declaration(const std::string& procedure);
// The win and hantei boxes, in the order of the window's controls.
const std::vector<BoxRule>& team_sheet_boxes(const std::string& procedure);
const std::vector<SheetLookup>& team_sheet_lookups(const std::string& procedure);

}  // namespace zrv::kumite
