#pragma once
// The window engine: what draws the model windows and answers the requests that need the
// operator. The Qt engine draws real windows; the headless engine draws nothing and lets a
// test driver play the operator. Calls come from procedure threads; blocking requests block
// only the thread that asked.
#include <optional>
#include <string>
#include <vector>

#include "framework/core/error_reporter.h"

namespace zrv {

class Window;

struct MessageBoxRequest {
    std::string title;
    std::string text;
    MessageIcon icon = MessageIcon::Exclamation;
    unsigned buttons = ButtonOk;
    Button default_button = ButtonOk;
};

struct FileMask {
    std::string description;  // "Digital Clock Sets"
    std::string pattern;      // "*.ini"
};

struct FileDialogRequest {
    std::string title;
    std::string folder;  // system text, e.g. ".\Digits"
    std::vector<FileMask> masks;
};

struct PopupRequest {
    std::vector<std::string> items;  // "|" separators are given as "-"
    std::vector<bool> disabled;      // parallel to items (missing: enabled); shown, not choosable
};

enum class Arrangement { Tile, Cascade, ArrangeIcons, TileHorizontal, TileVertical };

class Engine {
public:
    virtual ~Engine() = default;
    virtual void window_opened(Window& window) = 0;
    virtual void window_changed(Window& window) = 0;  // something in the model changed
    virtual void window_closed(Window& window) = 0;   // the model is about to go

    virtual Button message_box(const MessageBoxRequest& request) = 0;
    // The chosen file as a native path, or nullopt when cancelled.
    virtual std::optional<std::string> file_dialog(const FileDialogRequest& request) = 0;
    // The chosen item's number (1-based), 0 when none.
    virtual int popup_menu(const PopupRequest& request) = 0;
    virtual bool print_setup() = 0;
    // Plays a WAV file without waiting; a new sound cuts off one still playing; a missing
    // file plays nothing.
    virtual void play_sound(const std::string& file) = 0;
    virtual void beep() = 0;  // the standard system beep
    virtual void arrange(Window& frame, Arrangement arrangement) = 0;
    // Before a window ends by itself (closed by another program): what the operator is still
    // typing into its entries, not yet left, goes to the model as leaving the entry would give
    // it. Called on the window's own thread; returns once those texts are posted to the window.
    virtual void take_typing(Window& window) { (void)window; }
    // How many pixels one window unit takes across and down, so that a control can be given
    // the size of a picture (the headless and null engines: one pixel a unit).
    virtual double pixels_per_unit_x() const { return 1; }
    virtual double pixels_per_unit_y() const { return 1; }
};

// The engine in use. Before one is installed, a null engine draws nothing and answers every
// request with its default (cancelled, or the message's default button).
Engine& engine();
void set_engine(Engine* engine);

}  // namespace zrv
