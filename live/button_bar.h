#pragma once
// The framework's browse buttons of a list, in their order on its button bar: the six
// navigation buttons, which scroll the list (BrowseList::scroll), then the further ones. Every
// list that has the bar declares its buttons from this table.
#include <array>

namespace zrv::live {

struct BarButton {
    const char* use;  // "?BROWSE:TOP"; a second bar in a window adds its suffix (":2")
    const char* tip;
    const char* image;  // the picture on a button without text
    bool editing;       // an update button, disabled where the bar shows it
};

inline constexpr std::size_t kNavigationButtons = 6;

inline constexpr std::array<BarButton, 13> kButtonBar = {{
    {"?BROWSE:TOP", "Go to the First Page", "NAVFIRST.ICO", false},
    {"?BROWSE:PAGEUP", "Go to the Prior Page", "NAVPGUP.ICO", false},
    {"?BROWSE:UP", "Go to the Prior Record", "NAVUP.ICO", false},
    {"?BROWSE:DOWN", "Go to the Next Record", "NAVDOWN.ICO", false},
    {"?BROWSE:PAGEDOWN", "Go to the Next Page", "NAVPGDN.ICO", false},
    {"?BROWSE:BOTTOM", "Go to the Last Page", "NAVLAST.ICO", false},
    {"?BROWSE:LOCATE", "", "", true},
    {"?BROWSE:SELECT", "", "", true},
    {"?BROWSE:INSERT", "", "", true},
    {"?BROWSE:CHANGE", "", "", true},
    {"?BROWSE:DELETE", "", "", true},
    {"?BROWSE:HISTORY", "", "", true},
    {"?BROWSE:HELP", "", "", false},
}};

}  // namespace zrv::live
