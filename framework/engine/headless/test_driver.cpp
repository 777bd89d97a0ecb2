#include "framework/engine/headless/test_driver.h"

#include <stdexcept>

#include "framework/core/procedures.h"
#include "framework/core/thread_context.h"

namespace zrv {
namespace {

void fail(const std::string& what) { throw std::runtime_error("test driver: " + what); }

}  // namespace

TestDriver::TestDriver() {
    set_clock(&clock_);
    set_engine(&engine_);
}

TestDriver::~TestDriver() {
    // Answer whatever still waits, close every window, let the threads end.
    for (int round = 0; round < 50 && (running_threads() > 0 || !engine_.windows().empty()); ++round) {
        for (auto& p : engine_.pending())
            engine_.answer(p, [](HeadlessEngine::Pending& r) {
                // Closing down: "Yes, cancel" where asked, else the message's own default.
                r.button = (r.message.buttons & ButtonYes) ? ButtonYes : r.message.default_button;
                r.path.reset();
                r.item = 0;
            });
        request_close_everywhere();
        Activity::settle(2000);
        clock_.advance_ms(10);
    }
    wait_for_threads(5000);
    join_thread_1();
    set_engine(nullptr);
    set_clock(nullptr);
}

void TestDriver::start_thread_1(std::function<void()> body) {
    Activity::begin();  // busy from the moment it is asked for
    thread_1_ = std::thread([body = std::move(body)] {
        run_as_main_thread(body);
        Activity::end();
    });
    settle();
}

void TestDriver::join_thread_1() {
    if (thread_1_.joinable()) thread_1_.join();
}

int TestDriver::start(std::string_view procedure, std::size_t stack) {
    int n = start_procedure(procedure, stack);
    settle();
    return n;
}

void TestDriver::settle() {
    if (!Activity::settle()) fail("threads did not settle");
}

void TestDriver::advance_ms(std::int64_t ms) { clock_.advance_ms(ms); }

Window* TestDriver::window(std::string_view name) const {
    auto all = engine_.windows();
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        if (upper((*it)->procedure()) == upper(name)) return *it;
    for (auto it = all.rbegin(); it != all.rend(); ++it)
        if ((*it)->title() == name) return *it;
    return nullptr;
}

Window& TestDriver::expect_window(std::string_view name) const {
    Window* w = window(name);
    if (!w) fail("no window " + std::string(name));
    return *w;
}

int TestDriver::number(Window& w, std::string_view use) const {
    int n = w.number_of(use);
    if (!n) fail("no control " + std::string(use));
    return n;
}

void TestDriver::post(Window& w, Event e) {
    w.post(std::move(e));
    settle();
}

void TestDriver::press(Window& w, std::string_view use) {
    Event e;
    e.kind = EventKind::Accepted;
    e.control = number(w, use);
    post(w, std::move(e));
}

void TestDriver::type(Window& w, std::string_view use, std::string_view text) {
    Event e;
    e.kind = EventKind::Accepted;
    e.control = number(w, use);
    e.apply = [n = e.control, t = std::string(text)](Window& win) { win.operator_type(n, t); };
    post(w, std::move(e));
}

void TestDriver::check(Window& w, std::string_view use, bool on) {
    Event e;
    e.kind = EventKind::Accepted;
    e.control = number(w, use);
    e.apply = [n = e.control, on](Window& win) { win.operator_check(n, on); };
    post(w, std::move(e));
}

void TestDriver::choose(Window& w, std::string_view use, int index) {
    Event e;
    e.control = number(w, use);
    const ControlKind kind = w.control(e.control).kind;
    e.kind = kind == ControlKind::DropList ? EventKind::Accepted : EventKind::NewSelection;
    e.apply = [n = e.control, index](Window& win) { win.operator_choose(n, index); };
    post(w, std::move(e));
}

void TestDriver::double_click(Window& w, std::string_view use, int row) {
    choose(w, use, row);
    Event e;
    e.kind = EventKind::Accepted;
    e.control = number(w, use);
    e.keycode = kMouseLeft2Key;
    post(w, std::move(e));
}

void TestDriver::right_click(Window& w, std::string_view use) { key(w, use, kMouseRightKey); }

void TestDriver::key(Window& w, std::string_view use, int keycode) {
    Event e;
    e.kind = EventKind::AlertKey;
    e.control = number(w, use);
    e.keycode = keycode;
    post(w, std::move(e));
}

void TestDriver::drag_thumb(Window& w, std::string_view use, int step) {
    Event e;
    e.kind = EventKind::ScrollDrag;
    e.control = number(w, use);
    e.apply = [n = e.control, step](Window& win) { win.operator_scroll(n, step); };
    post(w, std::move(e));
}

void TestDriver::enter(Window& w, std::string_view use) {
    Event e;
    e.kind = EventKind::Selected;
    e.control = number(w, use);
    e.apply = [n = e.control, moves = w.focus_moves()](Window& win) { win.operator_focus(n, moves); };
    post(w, std::move(e));
}

void TestDriver::close(Window& w) {
    Event e;
    e.kind = EventKind::CloseWindow;
    post(w, std::move(e));
}

void TestDriver::place(Window& w, int x, int y, int width, int height, bool maximized, bool minimized) {
    Event e;
    e.kind = maximized ? EventKind::Maximized : minimized ? EventKind::Minimized : EventKind::Sized;
    e.apply = [=](Window& win) { win.operator_placed(x, y, width, height, maximized, minimized); };
    post(w, std::move(e));
}

std::shared_ptr<HeadlessEngine::Pending> TestDriver::pending(HeadlessEngine::RequestKind kind) const {
    for (auto& p : engine_.pending())
        if (p->kind == kind) return p;
    return nullptr;
}

std::optional<MessageBoxRequest> TestDriver::pending_message() const {
    auto p = pending(HeadlessEngine::RequestKind::Message);
    if (!p) return std::nullopt;
    return p->message;
}

void TestDriver::answer_message(Button button) {
    auto p = pending(HeadlessEngine::RequestKind::Message);
    if (!p) fail("no message box is open");
    engine_.answer(p, [&](HeadlessEngine::Pending& r) { r.button = button; });
    settle();
}

void TestDriver::answer_file(std::optional<std::string> path) {
    auto p = pending(HeadlessEngine::RequestKind::File);
    if (!p) fail("no file dialog is open");
    engine_.answer(p, [&](HeadlessEngine::Pending& r) { r.path = path; });
    settle();
}

void TestDriver::answer_popup(int item) {
    auto p = pending(HeadlessEngine::RequestKind::Popup);
    if (!p) fail("no popup menu is open");
    engine_.answer(p, [&](HeadlessEngine::Pending& r) { r.item = item; });
    settle();
}

void TestDriver::answer_print_setup(bool accepted) {
    auto p = pending(HeadlessEngine::RequestKind::PrintSetup);
    if (!p) fail("no print setup is open");
    engine_.answer(p, [&](HeadlessEngine::Pending& r) { r.accepted = accepted; });
    settle();
}

ControlState TestDriver::control(Window& w, std::string_view use) const {
    int n = w.number_of(use);
    if (!n) fail("no control " + std::string(use));
    return w.control(n);
}

}  // namespace zrv
