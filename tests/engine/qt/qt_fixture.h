#pragma once
// Qt engine tests: the application on the test's main thread (offscreen), model windows on
// procedure threads of their own, the test playing the operator on the real widgets.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <vector>

#include <QApplication>
#include <QWidget>

#include "framework/core/engine.h"
#include "framework/core/thread_context.h"
#include "framework/core/window.h"
#include "framework/engine/qt/qt_engine.h"

class QAction;
class QMainWindow;
class QMdiArea;

class QMessageBox;

namespace zrv::testing {

// The cap of a wait for a condition: far beyond what the slowest loaded machine takes, since a
// wait ends as soon as its condition holds and only a failing test ever reaches it.
constexpr int kWaitLimitMs = 60000;

// Runs the GUI until pred holds or limit_ms passes; returns whether it held.
bool pump_until(const std::function<bool()>& pred, int limit_ms = kWaitLimitMs);

// Runs the GUI until every procedure thread waits with nothing left to do and the engine has
// applied every change of its windows and the GUI has handled what that queued (paints
// included): what set-up, an action or a change leads to has then all happened. False when
// the limit passed first.
bool settle_gui(QtEngine& engine, int limit_ms = kWaitLimitMs);

// Counts a window's timer ticks as its owner thread begins each one: "nothing changes over two
// ticks" then means two ticks, however busy the machine. The counter outlives the window, or
// stops counting before the window closes.
class TickCounter final : public TimerHandler {
public:
    TickCounter() = default;
    explicit TickCounter(Window& w) { watch(w); }
    TickCounter(const TickCounter&) = delete;
    TickCounter& operator=(const TickCounter&) = delete;
    void watch(Window& w);
    void stop();
    int ticks() const { return ticks_.load(); }
    // Runs the GUI until n ticks more than now have been handled whole (the one after them has
    // begun) and the engine shows what they did; false when the limit passed first.
    bool wait(QtEngine& engine, int n, int limit_ms = kWaitLimitMs);
    void on_timer() override { ++ticks_; }

private:
    std::atomic<int> ticks_{0};
    Window* window_ = nullptr;
};

// The program's frame when it shows (a visible main window), else null.
QMainWindow* find_frame();
// The message box on screen, waited for while the events are handled; null when none came.
QMessageBox* wait_for_message_box();
// An item of the frame's menus by its text, else null.
QAction* find_menu_item(QMainWindow* frame, const QString& text);
// A screen the frame shows: its visible MDI child, or a floating window other than the frame.
QWidget* find_screen(QMainWindow* frame);

ControlState control(ControlKind kind, std::string use, int x, int y, int w, int h, std::string text = {});

struct Seen {
    Event event;  // without its edit
    std::chrono::steady_clock::time_point at;
};

// A model window opened on a procedure thread of its own. The thread takes the window's
// events, applies their edits and records them; the test changes the model on that thread.
class Procedure {
public:
    explicit Procedure(WindowLayout layout);
    ~Procedure();  // ends the thread, which closes the window
    Procedure(const Procedure&) = delete;
    Procedure& operator=(const Procedure&) = delete;

    Window& window() { return *window_; }
    // Changes the model on the owner thread (and waits until it is done).
    void change(const std::function<void(Window&)>& edit);
    // Runs work on the owner thread without waiting; done is set when it returns.
    void run(std::function<void(Window&)> work);
    std::vector<Seen> seen() const;
    // Waits (running the GUI) for an event of that kind; its record, or nothing.
    std::optional<Seen> wait_for(EventKind kind, int limit_ms = kWaitLimitMs);
    std::atomic<bool> done{false};

private:
    static void flush_gui();
    std::atomic<Window*> window_{nullptr};
    std::atomic<bool> finished_{false};
    mutable std::mutex mutex_;
    std::vector<Seen> seen_;
};

// A frame as the program's opens: its default size (640 x 400 window units) and a menu, on a
// procedure thread of its own; its main window and the area that holds its child windows.
struct OpenFrame {
    explicit OpenFrame(QtEngine& engine);
    std::unique_ptr<Procedure> procedure;
    QMainWindow* main = nullptr;
    QMdiArea* area = nullptr;
};

// Before the application starts: the offscreen platform's one screen gets this size (no-op on
// another platform).
void use_offscreen_screen(QSize size);

class QtEngineTest : public ::testing::Test {
protected:
    // The offscreen platform's one screen, set before the application starts (once a process):
    // large enough by default for every window of the program.
    inline static QSize screen_size{2560, 1600};
    static void SetUpTestSuite();
    void SetUp() override { set_engine(&engine_); }
    void TearDown() override {
        EXPECT_TRUE(wait_for_threads(kWaitLimitMs));
        set_engine(nullptr);
    }
    QWidget* widget(Procedure& p, std::string_view use) { return engine_.widget(p.window(), p.window().number_of(use)); }
    template <class W>
    W* as(Procedure& p, std::string_view use) {
        auto* w = qobject_cast<W*>(widget(p, use));
        EXPECT_NE(w, nullptr) << use;
        return w;
    }
    QtEngine& engine() { return engine_; }

private:
    QtEngine engine_;
};

}  // namespace zrv::testing
