#pragma once
// Small helpers the kumite screens build their layouts with: controls numbered as they are
// added, placed on the tab that is open at the time.
#include <string>

#include "framework/core/window.h"

namespace zrv::kumite {

class LayoutKit {
public:
    explicit LayoutKit(WindowLayout layout) : layout_(std::move(layout)) {}

    // Adds a control (numbered here), on the current tab unless it names a parent.
    int add(ControlState c) {
        c.number = next_++;
        if (c.parent == 0) c.parent = tab_;
        layout_.controls.push_back(std::move(c));
        return next_ - 1;
    }
    int sheet(std::string use, int x, int y, int w, int h) {
        sheet_ = add({.use = std::move(use), .kind = ControlKind::Sheet, .x = x, .y = y, .width = w, .height = h, .selected = 1});
        return sheet_;
    }
    // Opens a tab of the sheet; the controls added next lie on it.
    int tab(std::string text) {
        tab_ = 0;
        tab_ = add({.use = "?Tab" + std::to_string(++tabs_), .kind = ControlKind::Tab, .parent = sheet_, .text = std::move(text)});
        return tab_;
    }
    void end_tabs() { tab_ = 0; }

    int prompt(std::string text, int x, int y, int w = 70) {
        return add({.use = "?Prompt" + std::to_string(next_),
                    .kind = ControlKind::Prompt,
                    .text = std::move(text),
                    .x = x,
                    .y = y,
                    .width = w,
                    .height = 10});
    }
    int text(std::string text, int x, int y, int w = 160) {
        return add({.use = "?String" + std::to_string(next_),
                    .kind = ControlKind::String,
                    .text = std::move(text),
                    .x = x,
                    .y = y,
                    .width = w,
                    .height = 10});
    }
    int entry(std::string use, std::string picture, int x, int y, int w = 80) {
        ControlState c{.use = std::move(use), .kind = ControlKind::Entry, .x = x, .y = y, .width = w, .height = 10};
        c.picture = std::move(picture);
        return add(std::move(c));
    }
    int check(std::string use, int x, int y, std::string text = "") {
        return add(
            {.use = std::move(use), .kind = ControlKind::Check, .text = std::move(text), .x = x, .y = y, .width = 12, .height = 10});
    }
    int image(std::string name, int x, int y, int w = 40, int h = 40) {
        return add({.use = "?Image" + std::to_string(next_),
                    .kind = ControlKind::Image,
                    .x = x,
                    .y = y,
                    .width = w,
                    .height = h,
                    .image = std::move(name)});
    }
    int line(int x, int y, int w, int h) {
        return add({.use = "?Line" + std::to_string(next_), .kind = ControlKind::Line, .x = x, .y = y, .width = w, .height = h});
    }
    // Lines one unit thick, so that every engine draws them whole.
    int hline(int x, int y, int w) { return line(x, y, w, 1); }
    int vline(int x, int y, int h) { return line(x, y, 1, h); }
    int group(std::string use, std::string text, int x, int y, int w, int h) {
        return add(
            {.use = std::move(use), .kind = ControlKind::Group, .text = std::move(text), .x = x, .y = y, .width = w, .height = h});
    }
    int button(std::string use, std::string text, int x, int y, int w = 48, int h = 14) {
        return add(
            {.use = std::move(use), .kind = ControlKind::Button, .text = std::move(text), .x = x, .y = y, .width = w, .height = h});
    }

    // The OK and cancel buttons every form carries.
    void ok_cancel(int x, int y, std::string cancel_text) {
        end_tabs();
        add({.use = "?OK",
             .kind = ControlKind::Button,
             .text = "&OK",
             .x = x,
             .y = y,
             .width = 40,
             .height = 14,
             .image = "WAOK.ICO",
             .tip = "Accept data and close the window",
             .is_default = true,
             .action = StandardAction::Ok});
        add({.use = "?CANCEL",
             .kind = ControlKind::Button,
             .text = std::move(cancel_text),
             .x = x + 44,
             .y = y,
             .width = 40,
             .height = 14,
             .image = "WACANCEL.ICO",
             .tip = "Cancel operation",
             .action = StandardAction::Cancel});
    }

    WindowLayout& layout() { return layout_; }
    WindowLayout take() { return std::move(layout_); }

private:
    WindowLayout layout_;
    int next_ = 1, sheet_ = 0, tab_ = 0, tabs_ = 0;
};

}  // namespace zrv::kumite
