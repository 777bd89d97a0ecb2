#pragma once
// The test driver plays the operator against the headless engine: it starts procedures, finds
// their windows, presses, types, chooses and clicks, answers message boxes, file dialogs,
// popup menus and print setup, reads every property, and steps the virtual clock, letting
// every procedure thread run until it has nothing left to do after each step.
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <thread>

#include "framework/core/window.h"
#include "framework/engine/headless/headless_engine.h"
#include "framework/engine/headless/virtual_clock.h"

namespace zrv {

inline constexpr int kMouseLeft2Key = 0x0105;  // double click

class TestDriver {
public:
    TestDriver();   // installs the headless engine and a virtual clock
    ~TestDriver();  // closes every window still open, waits for the threads, restores both
    TestDriver(const TestDriver&) = delete;
    TestDriver& operator=(const TestDriver&) = delete;

    HeadlessEngine& engine() { return engine_; }
    VirtualClock& clock() { return clock_; }

    // Starts a procedure on a new thread as the frame's menu does; returns the thread number.
    int start(std::string_view procedure, std::size_t stack = 25000);

    // Runs body as thread 1 on a new thread of its own (the program body, as the program
    // does); returns at once. join_thread_1() waits for it.
    void start_thread_1(std::function<void()> body);
    void join_thread_1();

    // Lets every thread run until idle; fails the test when they do not settle.
    void settle();
    // Steps the virtual clock (milliseconds), letting every timer fire on the way.
    void advance_ms(std::int64_t ms);

    // The newest open window whose procedure (or, failing that, title) is name; null if none.
    Window* window(std::string_view name) const;
    // Like window(), but fails the test when there is none.
    Window& expect_window(std::string_view name) const;
    std::vector<Window*> windows() const { return engine_.windows(); }

    // The operator's actions; each settles afterwards.
    void press(Window& w, std::string_view use);                        // button, menu item
    void type(Window& w, std::string_view use, std::string_view text);  // entry, then leaves it
    void check(Window& w, std::string_view use, bool on);
    void choose(Window& w, std::string_view use, int index);  // tab, drop-list item, list row (1-based)
    void double_click(Window& w, std::string_view use, int row);
    void right_click(Window& w, std::string_view use);
    void key(Window& w, std::string_view use, int keycode);
    void drag_thumb(Window& w, std::string_view use, int step);  // a list's scroll bar
    void enter(Window& w, std::string_view use);                 // the operator moves the focus into a control
    void close(Window& w);                                       // the window's close box
    void place(Window& w, int x, int y, int width, int height, bool maximized = false, bool minimized = false);

    // Requests waiting for the operator.
    std::shared_ptr<HeadlessEngine::Pending> pending(HeadlessEngine::RequestKind kind) const;
    std::optional<MessageBoxRequest> pending_message() const;
    void answer_message(Button button);
    void answer_file(std::optional<std::string> path);
    void answer_popup(int item);
    void answer_print_setup(bool accepted);

    // A property by use name.
    ControlState control(Window& w, std::string_view use) const;

private:
    int number(Window& w, std::string_view use) const;
    void post(Window& w, Event e);

    HeadlessEngine engine_;
    VirtualClock clock_;
    std::thread thread_1_;
};

}  // namespace zrv
