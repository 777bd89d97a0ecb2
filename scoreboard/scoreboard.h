#pragma once
// The kumite scoreboards: three audience displays of one ScoreBoard record, followed live as
// the scoring software changes it, and the lists that open them. The procedures register
// themselves:
//   BrowseScoreBoard          ("&Score Board 1 Classic") -> UpDateScoreBoard2
//   BrowseScoreBoardView1     ("&Score Board 2  Black")  -> UpdateScoreBoard1
//   BrowseEquipo4ScoreBoard7  ("Score Board Team")       -> UpDateEquipoScoreBoardPantalla
//   SelectKumiteIndividual1   (run by the first two to choose an individual event)
// The three boards are one controller driven by a table of their differences (BoardKind).
#include <string>
#include <vector>

#include "framework/core/window.h"
#include "live/list_screen.h"
#include "live/live_form.h"

namespace zrv::scoreboard {

inline constexpr Colour kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00, kWhite = 0xFFFFFF, kBlack = 0x000000;

// What sets one board apart from the other two.
struct BoardKind {
    const char* procedure;
    int width, height;           // layout, window units
    bool stacked;                // black board: Aka row on top, Ao row below; else two halves
    const char* clock_settings;  // the clock's settings file
    int autosize;                // the clock panel: refitted around the digits (1) or kept (0)
    bool paused_at_open;
    bool end_flag_and_sound;   // the countdown's end sets SB:Timer1Flag and plays "TimeUP.wav"
    const char* start_button;  // nullptr: no clock buttons
    const char* stop_button;
    bool hantei_rule;                         // the hantei and kiken boxes decide the winner flags
    bool time_up_after_lamps;                 // the time-up caption's step comes after the lamps
    bool copy_back;                           // entries typed into are taken into the record at each tick
    bool team;                                // team bouts: KumiteEquipo5 looked up before KumiteIndividual
    bool senshu_crossed;                      // ?SENSHUAO shows SB:SenshuAka (it stands in the Aka row)
    const char* name_suffix;                  // ":2" behind the Aka name and both dojos
    const char* event_control;                // the bout's event entry
    std::vector<std::string> view_read_only;  // empty: every entry
};

const std::vector<BoardKind>& board_kinds();
const BoardKind& board_kind(const std::string& procedure);

// The sixteen penalty lamps by field, Ao group then Aka group.
struct Lamp {
    const char* field;
    const char* lamp;
};
const std::vector<Lamp>& penalty_lamps();

// The declarations, for the screens and their tests.
WindowLayout board_layout(const BoardKind& kind);
live::FormDeclaration board_form(const BoardKind& kind);
WindowLayout list_layout(const std::string& procedure);
live::ListScreenDeclaration list_declaration(const std::string& procedure);

}  // namespace zrv::scoreboard
