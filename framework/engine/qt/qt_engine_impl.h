#pragma once
// The Qt engine's inside, shared by its files: the mirror of each open window and the
// engine's state on the GUI thread. Windows and placement, controls, lists, input, menus and
// status bars, and the blocking requests each have their own file.
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>

#include <QApplication>
#include <QDialog>
#include <QEventLoop>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QPrinter>
#include <QSoundEffect>
#include <QStatusBar>

#include "framework/core/clock.h"
#include "framework/core/window.h"
#include "framework/engine/qt/qt_engine.h"
#include "framework/engine/qt/qt_widgets.h"

namespace zrv {

namespace qt {

inline constexpr int kDoubleClickKey = 0x0105;

inline int to_px_x(double units) { return static_cast<int>(std::lround(units * unit_x())); }
inline int to_px_y(double units) { return static_cast<int>(std::lround(units * unit_y())); }
inline int to_units_x(int px) { return static_cast<int>(std::lround(px / unit_x())); }
inline int to_units_y(int px) { return static_cast<int>(std::lround(px / unit_y())); }

// A window's place in window units, as the model keeps it.
struct Placement {
    int x = 0, y = 0, width = 0, height = 0;
    bool maximized = false, minimized = false;
    bool operator==(const Placement& o) const {
        if (maximized != o.maximized || minimized != o.minimized) return false;
        if (maximized || minimized) return true;  // the normal rectangle is kept aside then
        return x == o.x && y == o.y && width == o.width && height == o.height;
    }
};

inline Placement model_placement(const Window& w) { return {w.x(), w.y(), w.width(), w.height(), w.is_maximized(), w.is_minimized()}; }

inline bool is_menu_kind(ControlKind k) { return k == ControlKind::Menu || k == ControlKind::Item || k == ControlKind::Separator; }

struct ControlView {
    QPointer<QWidget> widget;
    ControlState state;  // as last applied
    bool applied = false;
    bool dirty = false;                             // an entry typed into and not yet left
    std::vector<std::pair<int, std::string>> tabs;  // sheets: the tabs shown (number, text)
    std::vector<qt::ShownColumn> columns;           // lists: the columns shown
    QPixmap picture;                                // images: the picture as loaded, before it is fitted
};

struct Mirror {
    Window* window = nullptr;
    WindowKind kind = WindowKind::MdiChild;
    std::atomic<bool> sync_pending{false};

    // --- GUI thread only ---
    bool alive = true;
    bool built = false;
    bool shown = false;
    int applying = 0;  // mirroring the model: the widgets' signals are not the operator's
    QPointer<QWidget> top;
    QPointer<QMainWindow> main;
    QPointer<QMdiArea> area;
    QPointer<QMdiSubWindow> sub;
    QPointer<qt::Canvas> canvas;
    QPointer<qt::ClientScroll> client;  // a child window's client area around its canvas
    std::map<int, ControlView> views;
    std::uint64_t applied_revision = 0;
    std::string title;
    std::vector<StatusZone> status;
    std::vector<QPointer<QLabel>> zones;
    QPointer<QStatusBar> status_bar;  // windows other than the frame that declare status zones
    std::uint64_t applied_focus_moves = 0;
    // The control the model has the focus on, as this thread last told it or was told: the
    // model's own value lags behind the operator's clicks still on their way to it.
    int told_focus = 0;
    bool scaled = false;
    bool laid_out_scaled = false;  // the controls were last placed following the client area
    // What a window too large for the room it opens in is scaled by (1: it fits); a window that
    // does not scale its controls when resized has them scaled by this much.
    double fit = 1;
    Placement seen;                   // the model's placement at the last sync
    std::deque<Placement> in_flight;  // placements the operator made, not yet in the model
    Placement reported;               // the widgets' placement last told or applied
    bool placement_known = false;
    QPointer<QMenu> window_menu;
    std::vector<QPointer<QAction>> window_list;
};

struct Applying {
    explicit Applying(Mirror& m) : m_(m) { ++m_.applying; }
    ~Applying() { --m_.applying; }
    Mirror& m_;
};

}  // namespace qt

// The engine's files share these helpers.
using qt::is_menu_kind;
using qt::model_placement;
using qt::to_px_x;
using qt::to_px_y;
using qt::to_units_x;
using qt::to_units_y;

struct QtEngine::Impl {
    using Placement = qt::Placement;
    using ControlView = qt::ControlView;
    using Mirror = qt::Mirror;
    using Applying = qt::Applying;

    QtEngine* owner = nullptr;
    std::thread::id gui_thread = std::this_thread::get_id();
    QObject* gui = nullptr;  // lives on the GUI thread; tasks are queued to it

    mutable std::mutex mutex;
    std::condition_variable cv;
    bool stopped = false;
    std::map<const Window*, std::shared_ptr<Mirror>> mirrors;  // open windows

    // GUI thread only
    QPointer<QMdiArea> frame_area;  // the MDI area of the open frame
    QPointer<QSoundEffect> sound;
    std::unique_ptr<QPrinter> printer;

    bool on_gui() const { return std::this_thread::get_id() == gui_thread; }

    // Queues a task to the GUI thread; false once stopped.
    bool post(std::function<void()> task) {
        std::lock_guard lock(mutex);
        if (stopped || !gui) return false;
        QMetaObject::invokeMethod(gui, std::move(task), Qt::QueuedConnection);
        return true;
    }

    // Runs task on the GUI thread and waits for it (at once when called there).
    void run_blocking(std::function<void()> task) {
        if (on_gui()) {
            task();
            return;
        }
        auto done = std::make_shared<bool>(false);
        const bool queued = post([this, done, task = std::move(task)] {
            task();
            {
                std::lock_guard lock(mutex);
                *done = true;
            }
            cv.notify_all();
        });
        if (!queued) return;
        std::unique_lock lock(mutex);
        cv.wait(lock, [&] { return *done || stopped; });
    }

    // A request the operator answers: start shows it on the GUI thread and calls its answer
    // once; the asking thread waits for that answer (fallback when the engine stops first).
    template <class R>
    R ask(R fallback, std::function<void(std::function<void(R)>)> start) {
        struct Waiting {
            std::optional<R> value;
            bool idle = false;  // the asking thread waits, counted idle
        };
        auto state = std::make_shared<Waiting>();
        auto answer = [this, state](R v) {
            {
                std::lock_guard lock(mutex);
                if (state->value) return;
                state->value = std::move(v);
                // Busy again from the moment it is answered, so nothing settles before it runs.
                if (std::exchange(state->idle, false)) Activity::begin();
            }
            cv.notify_all();
        };
        if (on_gui()) {
            QEventLoop loop;
            QPointer<QEventLoop> waiting = &loop;
            start([answer, waiting](R v) {
                answer(std::move(v));
                if (waiting) waiting->quit();
            });
            {
                std::lock_guard lock(mutex);
                if (state->value) return *state->value;
            }
            loop.exec();
            std::lock_guard lock(mutex);
            return state->value ? *state->value : fallback;
        }
        if (!post([start, answer] { start(answer); })) return fallback;
        std::unique_lock lock(mutex);
        if (!state->value && !stopped) {
            // The asking thread waits for the operator: it is idle meanwhile.
            state->idle = true;
            Activity::end();
            cv.wait(lock, [&] { return state->value.has_value() || stopped; });
            if (std::exchange(state->idle, false)) Activity::begin();
        }
        return state->value ? *state->value : fallback;
    }

    std::shared_ptr<Mirror> find(const Window& w) const {
        std::lock_guard lock(mutex);
        auto it = mirrors.find(&w);
        return it == mirrors.end() ? nullptr : it->second;
    }

    void schedule_sync(const std::shared_ptr<Mirror>& m) {
        if (m->sync_pending.exchange(true)) return;
        post([this, m] { sync(*m); });
    }

    // The frame: a dialog's parent is never a window its request blocks.
    QWidget* dialog_parent() const { return frame_area ? frame_area->window() : nullptr; }

    // --- mirroring (GUI thread) ---
    void build(Mirror& m);
    void sync(Mirror& m);
    void destroy(Mirror& m);
    void apply_window(Mirror& m, bool first);
    void apply_placement(Mirror& m, const Placement& p);
    // The room a window is placed in: the frame's client area for a child window, else the
    // screen's available area (pixels, in the coordinates the window is placed in).
    QRect room_of(const Mirror& m) const;
    // The scale that fits a placement into the room (1 when it fits or there is no room yet).
    double fit_of(const Mirror& m, const Placement& p) const;
    void report_placement(Mirror& m);
    Placement current_placement(const Mirror& m) const;
    void sync_controls(Mirror& m, const Window::ControlChanges& changes);
    QWidget* create_widget(Mirror& m, const ControlState& c);
    void apply_control(Mirror& m, ControlView& v, const ControlState& c, bool first);
    void place(Mirror& m, ControlView& v);
    void relayout(Mirror& m);
    void apply_font(Mirror& m, ControlView& v);
    QWidget* create_list(Mirror& m, int n);
    void apply_list(ControlView& v, const ControlState& c, const ControlState& old, bool first);
    void apply_tabs(Mirror& m, ControlView& v);
    void update_visibility(Mirror& m);
    void rebuild_menus(Mirror& m);
    void add_menu_items(Mirror& m, QMenu* menu, int parent, int depth);
    void refresh_window_list(Mirror& m);
    void rebuild_status(Mirror& m);
    void show_zone_text(Mirror& m, int zone, const std::string& text);
    double font_scale(const Mirror& m) const;
    // Whether the controls follow the client area's size: windows that scale them, and a child
    // window while it is maximized.
    static bool scales(const Mirror& m) { return m.scaled || (m.sub && m.sub->isMaximized()); }
    // The least a child window's controls are scaled by: its dialog text stays 9 pixels high or
    // more. Where the frame's area is too small for that the area scrolls.
    static double readable_fit();
    // The smallest client area a window may be given: its layout at the scale it opened with,
    // maximized at the readable scale (it fits the frame's area where it can).
    void apply_minimum(Mirror& m);
    // Runs an operator's action with the mirror, if it is still there and not being mirrored.
    template <class F>
    auto with_mirror(const Mirror& m, F fn) {
        return [weak = std::weak_ptr<Mirror>(find(*m.window)), fn](auto&&... args) {
            if (auto mp = weak.lock(); mp && mp->alive && !mp->applying) fn(*mp, args...);
        };
    }
    // A right click on the widget goes to the model as the mouse's alert key on control n.
    void on_right_click(Mirror& m, QWidget* w, int n);
    // A key or wheel event on list n that moves past its page or locates; true when it went
    // to the model.
    bool list_key(Mirror& m, int n, QEvent* e);
    // The operator's focus and keys on control n's widget: entering it, Ctrl+H, Enter.
    void watch_control(Mirror& m, QWidget* w, int n);
    bool control_event(Mirror& m, int n, QEvent* e);
    // An entry left after a change: its accept goes to the model before anything that follows.
    void commit_entry(Mirror& m, int n);
    // Every entry of the window typed into and not yet left: its accept (commit_entry).
    void commit_typing(Mirror& m);
    // Escape from control n (0: the window): the entry's accept, then the key to the model,
    // whose controller presses the window's cancel or close button.
    void press_escape(Mirror& m, int from);
    // Escape on a window (its canvas, or the frame's child window around it) that no control took.
    void watch_window_keys(Mirror& m, QWidget* canvas);
    // Enter: the window's default button, when it shows and is enabled; false when none.
    bool press_default(Mirror& m, int from);
    // The model moved the focus: the widget takes it (once per move).
    void apply_focus(Mirror& m);
    // Status zones: what each shows (the first: the focused control's message while it has one;
    // on the frame also that of an active child without zones of its own).
    void refresh_status(Mirror& m);
    // The window without zones of its own whose messages the frame shows: the active floating
    // window, else the frame's active child; null when neither is such a window.
    std::shared_ptr<Mirror> shown_in_frame(const Mirror& frame) const;
    void place_status_bar(Mirror& m);
    // A window's status bar lies below its controls: the window is that much taller, and the
    // controls are placed (and scaled) on the client area above it.
    static int bar_height(const Mirror& m) {
        if (!m.status_bar) return 0;
        // Its height in the font and style it is drawn in, its zones laid out.
        m.status_bar->ensurePolished();
        if (QLayout* layout = m.status_bar->layout()) layout->activate();
        return m.status_bar->sizeHint().height();
    }
    static QSize client_size(const Mirror& m) { return m.canvas->size() - QSize(0, bar_height(m)); }
    Mirror* frame_mirror() const;
    // The windows of a thread wait while it waits for the operator's answer: they take no input
    // but look as they are (an audience display does not grey out). release lets them go on,
    // the focus on the control that has it in the model.
    struct Blocked {
        QPointer<QWidget> target;
        std::weak_ptr<Mirror> mirror;
    };
    std::vector<Blocked> block_thread(const void* thread);
    bool waits(QObject* receiver, QEvent* e) const;
    // The windows (the frame: its menu bar) that wait, each once per request it waits for.
    std::vector<QPointer<QWidget>> waiting;
    QPointer<QObject> input_guard;
    void release(const std::vector<Blocked>& blocked);
    // Shows a request's dialog for the asking thread: its windows wait, the others go on.
    void show_for_thread(QDialog* dialog, const void* thread, std::function<void(int)> finished);
    void post_event(Mirror& m, EventKind kind, int control, std::function<void(Window&)> apply = {}, int keycode = 0);
    // The operator began typing into entry n, which showed `shown` (Typing).
    void post_typing(Mirror& m, int n, std::string shown);
    void arrange(Mirror& frame, Arrangement how);
};

}  // namespace zrv
