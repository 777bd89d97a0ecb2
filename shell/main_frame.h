#pragma once
// Main: the program's multiple-document frame, its menus and what each item starts.
#include <cstddef>
#include <span>
#include <string_view>

#include "framework/core/control.h"

namespace zrv {

// One row of the menu bar: a menu (menu text set, item empty), one of its items, or a
// separator. An item either starts a procedure on a new thread or is one of the framework's
// standard actions.
struct MenuRow {
    std::string_view menu;       // the menu's text, on the row that opens a menu
    std::string_view item;       // the item's text ("" on a menu row or a separator)
    std::string_view use;        // "?ITEM1", "?SEPARATOR1", "?EXIT"
    std::string_view procedure;  // started on a new thread; empty for standard actions
    std::size_t stack = 0;       // the stack size asked for that thread, in bytes
    std::string_view message;    // shown in the status bar while the item is highlighted
    StandardAction action = StandardAction::None;
};

std::span<const MenuRow> main_menu();

inline constexpr std::string_view kFrameTitle =
    "External scoreboard (With this application you will be able to display all the scoreboard for the different "
    "competitions)";

}  // namespace zrv
