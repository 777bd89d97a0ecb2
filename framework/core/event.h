#pragma once
// Events of a window's loop. Field events carry the control they concern; window events do not.
#include <cstdint>
#include <functional>
#include <string>

namespace zrv {

class Window;

enum class EventKind : std::uint8_t {
    // field events
    Accepted,      // a button pressed, an entry left after a change, a menu item chosen, a box clicked
    Selected,      // a control got the focus
    NewSelection,  // a list row, tab or drop-list item chosen
    AlertKey,      // a key pressed on a control (right mouse = 2, Ctrl+H = 0248h)
    ScrollDrag,    // the thumb of a list's scroll bar let go at a step
    Typing,        // an entry that showed the model's text typed into: the operator's change begins
    // window events
    OpenWindow,
    Timer,
    CloseWindow,
    Completed,
    Moved,
    Sized,  // also a list's box that shows another number of rows (the list's number)
    Maximized,
    Minimized,
    Restored,
};

inline constexpr int kMouseRightKey = 2;
inline constexpr int kCtrlHKey = 0x0248;
// Keys that move a list: 0100h plus the virtual key codes of the page, end, home and arrow
// keys, apart from the typed characters that a list locates by (typed_key below).
inline constexpr int kPageUpKey = 0x0121;
inline constexpr int kPageDownKey = 0x0122;
inline constexpr int kEndKey = 0x0123;
inline constexpr int kHomeKey = 0x0124;
inline constexpr int kUpKey = 0x0126;
inline constexpr int kDownKey = 0x0128;
// Escape: the window's cancel button (a list's close button) is pressed, as a click presses it.
inline constexpr int kEscapeKey = 0x011B;

// A character typed on a control, of any script, as a keycode: a character below 80h is its own
// code (20h to 7Eh, the letters, digits and signs), any other is kTypedKey plus its code point.
// kTypedKey lies above every code point and every key code above, so that no typed character
// is ever taken for a key (U+0126 for the up arrow, U+0248 for Ctrl+H) nor a key for one.
inline constexpr int kTypedKey = 0x01000000;
constexpr int typed_key(char32_t c) { return c < 0x80 ? static_cast<int>(c) : kTypedKey | static_cast<int>(c); }
// The character a keycode carries: a printable one (20h up, not a control character, a surrogate
// half nor beyond U+10FFFF); 0 for any other keycode.
constexpr char32_t typed_character(int keycode) {
    const char32_t c = static_cast<char32_t>(keycode >= kTypedKey ? keycode - kTypedKey : keycode);
    if (keycode >= kTypedKey ? c < 0xA0 : (c < 0x20 || c >= 0x7F)) return 0;
    if ((c >= 0xD800 && c < 0xE000) || c > 0x10FFFF) return 0;
    return c;
}

struct Event {
    EventKind kind = EventKind::Timer;
    int control = 0;  // field events: the control's number
    int keycode = 0;
    int window = 0;  // the target window's id (0: the thread's current window)
    // The operator's edit that comes with the event (text typed, row chosen, box checked,
    // window moved). It runs on the window's own thread, just before the event is handled.
    std::function<void(Window&)> apply;
    // Typing: the text the entry showed when the operator began typing into it.
    std::string text;

    bool is_field_event() const { return kind <= EventKind::Typing; }
};

}  // namespace zrv
