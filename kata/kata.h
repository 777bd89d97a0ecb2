#pragma once
// Kata events: the five lists of the KataEvent records, the five audience screens of an event's
// results, the kata console and its eight competitor screens. Every procedure registers itself:
//   BrowseKataEvents           -> PantallaKataEvent
//   BrowseKataEventResultados  -> Consola -> Competidor1 .. Competidor8, PantallaKataEvent,
//                                            PantallaJueces5Update1, PantallaKataEvent1
//   BrowseKataEvent            -> PantallaJueces5Update
//   BrowseKataEvent1           -> PantallaJueces5Update1
//   BrowseKataEvent11          -> PantallaJueces5Update11
#include <string>
#include <vector>

#include "framework/core/window.h"
#include "live/list_screen.h"
#include "live/live_form.h"

namespace zrv::kata {

// The background of an event's six coloured cells by its number of judges (3, 5, 7); -1 for
// any other number.
Colour judge_count_colour(std::int64_t judges);

// The declarations, for the screens and their tests.
WindowLayout kata_list_layout(const std::string& procedure);
live::ListScreenDeclaration kata_list(const std::string& procedure);
WindowLayout result_screen_layout(const std::string& procedure);
live::FormDeclaration result_screen(const std::string& procedure);
WindowLayout console_layout();
live::FormDeclaration console_form();
WindowLayout competitor_layout(int competitor);
live::FormDeclaration competitor_form();

// The console's display buttons and the procedure each one runs, in the console's order.
struct DisplayButton {
    std::string use;
    std::string text;
    std::string procedure;
};
const std::vector<DisplayButton>& console_buttons();

}  // namespace zrv::kata
