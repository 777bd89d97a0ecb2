#pragma once
// The window model: a window and its controls, owned by one procedure thread. Screens change
// the model; engines draw it. Every change bumps a revision number, so an engine applies only
// what changed. The model is safe to read from the engine's thread.
#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/control.h"
#include "framework/core/event.h"
#include "framework/services/settings_file.h"

namespace zrv {

class ThreadContext;
class TimerHandler;

enum class WindowKind : std::uint8_t {
    Frame,     // the MDI frame
    MdiChild,  // a child window inside the frame
    Floating,  // a free-standing window that can be moved outside the frame
};

// How the controls follow a resized window.
enum class ResizeStrategy : std::uint8_t {
    None,   // controls keep their places
    Scale,  // controls move and grow with the window, which cannot be smaller than its layout
};

struct StatusZone {
    int width = -1;  // window units; -1 takes the width left over
    std::string text;
};

// A window's declaration: the screens' layouts are tables of these.
struct WindowLayout {
    std::string title;
    WindowKind kind = WindowKind::MdiChild;
    int x = 0, y = 0, width = 200, height = 150;  // window units
    bool resizable = true;
    bool maximize_box = true;
    std::string icon;
    std::string wallpaper;
    Colour colour = kDefaultColour;  // background
    int timer = 0;                   // hundredths of a second, 0 none
    std::vector<StatusZone> status;
    std::vector<ControlState> controls;  // number 0: the one after the highest so far; no number twice
};

class TimerHandler {
public:
    virtual ~TimerHandler() = default;
    // Runs on every timer event of the window, before the window procedure's own handling.
    virtual void on_timer() = 0;
};

class Window final : public PlacementWindow {
public:
    explicit Window(const WindowLayout& layout);
    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    int id() const { return id_; }
    WindowKind kind() const { return kind_; }
    ThreadContext* owner() const { return owner_; }
    bool is_open() const { return open_; }
    // The window of the same thread that was on top when this one opened (the list a form was
    // run from); it comes to the front again when this one closes. Null for a thread's first.
    Window* opener() const { return opener_; }
    // The procedure whose window this is (its settings section).
    const std::string& procedure() const { return procedure_; }
    void set_procedure(std::string name) { procedure_ = std::move(name); }

    // --- controls ---
    int number_of(std::string_view use) const;  // 0 when the window has no such control
    bool has(int number) const;
    ControlState control(int number) const;  // a copy
    std::vector<int> numbers() const;        // in number order
    std::vector<ControlState> controls() const;
    // What an engine that showed the window as of a revision must apply: the controls changed
    // since (all of them from revision 0), in number order, and when a control was destroyed
    // since, the numbers of all the controls there are.
    struct ControlChanges {
        std::vector<ControlState> changed;
        std::optional<std::vector<int>> numbers;
    };
    ControlChanges controls_since(std::uint64_t revision) const;
    // Reads a control under the model's lock without copying it.
    void read(int number, const std::function<void(const ControlState&)>& reader) const;
    // Changes a control; bumps its revision and tells the engine.
    void modify(int number, const std::function<void(ControlState&)>& change);

    std::string text(int number) const;
    void set_text(int number, std::string_view text);
    void set_hidden(int number, bool hidden);
    void set_disabled(int number, bool disabled);
    void set_read_only(int number, bool read_only);
    void set_font_colour(int number, Colour colour);
    void set_italic(int number, bool italic);
    void set_underline(int number, bool underline);
    void set_fill_colour(int number, Colour colour);
    void set_border_colour(int number, Colour colour);
    void set_image(int number, std::string_view image);
    void set_checked(int number, bool checked);
    bool checked(int number) const;
    void set_selected(int number, int selected);
    int selected(int number) const;
    void set_rows(int number, std::vector<ListRow> rows);
    void set_scroll(int number, int steps, int at, int page);
    void set_geometry(int number, int x, int y, int width, int height);

    // Controls made at run time: number 0 takes the next free number. Returns the number.
    int create_control(ControlState state, int number = 0, int parent = 0);
    void destroy_control(int number);

    // The operator's input, as the engines and the test driver give it.
    void operator_type(int number, std::string_view text);  // marks the entry changed
    void operator_check(int number, bool checked);
    void operator_choose(int number, int selected);
    void operator_scroll(int number, int at);        // the thumb of a list's scroll bar dragged
    void operator_rows_shown(int number, int rows);  // a list's box shows that many whole rows

    // --- bound variables ---
    void bind(int number, std::shared_ptr<Binding> binding);
    void unbind(int number);
    void display(int number = 0);  // redisplay one control, or all (0) from their bindings
    void update(int number = 0);   // take the screen values of one control, or all, into their bindings
    bool changed_by_operator(int number) const;
    // Why the control's screen value cannot go into its binding as it is (nullopt: it can).
    std::optional<UnfitText> unfit(int number) const;
    // Counts the operator's typing, checks and choices, the only changes that mark a control
    // changed by the operator: while it stands still, no control became so.
    std::uint64_t operator_changes() const { return operator_changes_.load(); }

    // --- the window itself ---
    std::string title() const;
    void set_title(std::string_view title);
    std::string icon() const;
    std::string wallpaper() const;
    Colour colour() const;
    std::vector<StatusZone> status() const;
    void set_status_text(int zone, std::string_view text);  // zones are 1-based
    bool accept_all() const { return accept_all_; }
    void set_accept_all(bool on) { accept_all_ = on; }
    ResizeStrategy resize_strategy() const { return resize_; }
    void set_resize_strategy(ResizeStrategy strategy) {
        resize_ = strategy;
        touch();
    }
    int layout_x() const { return layout_.x; }
    int layout_y() const { return layout_.y; }
    int layout_width() const { return layout_.width; }
    int layout_height() const { return layout_.height; }
    bool maximize_box() const { return layout_.maximize_box; }

    int timer() const { return timer_cs_; }
    void set_timer(int hundredths);
    void add_timer_handler(TimerHandler* handler);
    void remove_timer_handler(TimerHandler* handler);
    std::vector<TimerHandler*> timer_handlers() const;

    // The control that has the focus (as the model last moved it or the operator entered it).
    int focus() const;
    // Moves the focus to a control; while the window accepts all its controls this also stops
    // that pass (a look-up that fails selects its entry). Engines move the focus there.
    void select(int number);
    bool take_select_request();
    // Counts the model's moves of the focus, so an engine applies each once.
    std::uint64_t focus_moves() const { return focus_moves_.load(); }
    // The operator entered a control (the engine, before its selected event); moves is
    // focus_moves() as the operator's engine last saw it: when the model has moved the focus
    // since, the entering is void.
    void operator_focus(int number, std::uint64_t moves);
    // The status message of the control that has the focus ("" when none).
    std::string focus_message() const;
    // What a status zone shows (1-based): the first zone shows the focused control's status
    // message while it has one, else the zone's own text.
    std::string shown_status(int zone) const;

    // The current event's key code, and a way to clear it.
    int keycode() const { return keycode_; }
    void set_keycode(int code) { keycode_ = code; }

    // Posts an event to this window's own queue.
    void post(EventKind kind, int control = 0);
    void post(Event event);

    // --- placement (window units) ---
    bool is_maximized() const override;
    bool is_minimized() const override;
    bool is_resizable() const override { return layout_.resizable; }
    int x() const override;
    int y() const override;
    int width() const override;
    int height() const override;
    void restore_normal() override;
    void maximize() override;
    void minimize();
    void move_to(int x, int y) override;
    void set_width(int w) override;
    void set_height(int h) override;
    // The engine reports what the operator did to the window.
    void operator_placed(int x, int y, int width, int height, bool maximized, bool minimized);

    std::uint64_t revision() const { return revision_.load(); }

    // The owner thread's loop keeps the timer's next due time and whether a close-down has
    // been handed to this window; nothing else touches them.
    std::int64_t timer_due_ms = -1;
    bool close_down_posted = false;

    // Opening and closing on the owner thread (WindowController does this).
    void open(ThreadContext& owner);
    void close();

private:
    void touch();                       // window-level change
    void changed(ControlState& state);  // control-level change (lock held)
    void notify_engine();
    ControlState* find(int number);
    const ControlState* find(int number) const;

    static std::atomic<int> next_id_;
    const int id_;
    const WindowLayout layout_;
    const WindowKind kind_;
    ThreadContext* owner_ = nullptr;
    Window* opener_ = nullptr;
    std::atomic<bool> open_{false};
    std::string procedure_;

    mutable std::mutex mutex_;
    std::map<int, ControlState> controls_;
    std::uint64_t destroyed_revision_ = 0;  // the revision of the last control destroyed
    // Use names compared without regard to case, so that a look-up needs no copy of the name.
    struct NoCaseLess {
        using is_transparent = void;
        bool operator()(std::string_view a, std::string_view b) const;
    };
    std::map<std::string, int, NoCaseLess> by_use_;
    // A bound control keeps where its state lies: a redisplay of many bound controls looks
    // none of them up (null while the window has no such control).
    struct Bound {
        std::shared_ptr<Binding> binding;
        ControlState* control = nullptr;
    };
    std::map<int, Bound> bindings_;
    // The bindings as a redisplay of all of them reads them, made again after any change of them.
    using BoundList = std::vector<std::pair<int, Bound>>;
    std::shared_ptr<const BoundList> all_bound_;
    std::string title_;
    std::vector<StatusZone> status_;
    int x_, y_, width_, height_;
    bool maximized_ = false, minimized_ = false;

    std::atomic<bool> accept_all_{false};
    ResizeStrategy resize_ = ResizeStrategy::None;
    std::atomic<int> timer_cs_{0};
    std::vector<TimerHandler*> timer_handlers_;
    int focus_ = 0;
    bool select_requested_ = false;
    std::atomic<std::uint64_t> focus_moves_{0};
    int keycode_ = 0;
    std::atomic<std::uint64_t> revision_{1};
    std::atomic<std::uint64_t> operator_changes_{0};
};

std::string upper(std::string_view text);

}  // namespace zrv
