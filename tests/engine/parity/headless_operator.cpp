// The operator on the headless engine: the events the Qt engine sends for the same input, in
// its order. It keeps what Qt's widgets keep: the control with the focus in each window, and
// each entry's text as shown, typed into and not yet left (dirty) or as the model last set it.
#include <cctype>
#include <map>
#include <set>
#include <stdexcept>

#include "framework/core/thread_context.h"
#include "framework/engine/headless/test_driver.h"
#include "framework/services/utf8.h"
#include "tests/engine/parity/operator.h"

namespace zrv::testing {
namespace {

bool takes_focus(ControlKind k) {
    return k == ControlKind::Entry || k == ControlKind::Check || k == ControlKind::Button || k == ControlKind::List ||
           k == ControlKind::DropList;
}

class HeadlessOperator final : public Operator {
public:
    HeadlessOperator() {
        // A window closed by another program takes the typing its entries show (on the
        // window's thread, while this one waits for the threads to settle).
        driver_.engine().set_typing_source([this](Window& w) {
            for (auto& [n, s] : shown_[w.id()])
                if (s.dirty) {
                    s.dirty = false;
                    post(w, EventKind::Accepted, n, [n, t = s.text](Window& win) { win.operator_type(n, t); });
                }
        });
    }
    ~HeadlessOperator() override { driver_.engine().set_typing_source({}); }

    const char* engine_name() const override { return "headless"; }

    void start(std::string_view procedure) override {
        driver_.start(procedure);
        settle();
    }
    Window* window(std::string_view name) override { return driver_.window(name); }

    void settle() override {
        driver_.settle();
        bool left = false;
        for (Window* w : driver_.windows()) {
            // A window just opened is the active one, as a window just shown is on Qt.
            if (opened_.insert(w->id()).second) active_ = w->id();
            // An entry not typed into shows the model's text; a text the model took from the
            // operator is the operator's (leaving the entry accepts it).
            for (const ControlState& c : w->controls()) {
                if (c.kind != ControlKind::Entry) continue;
                auto [it, first] = shown_[w->id()].try_emplace(c.number);
                Shown& s = it->second;
                if (s.dirty || (!first && s.text == c.text)) continue;
                s.text = c.text;
                s.dirty = c.changed_by_operator;
            }
            // The model moved the focus: the widget takes it, its window becomes the active one;
            // an entry typed into and left so is accepted.
            Focus& f = focus_[w->id()];
            if (w->focus_moves() == f.moves) continue;
            f.moves = w->focus_moves();
            if (f.control != w->focus() && shown_[w->id()][f.control].dirty) {
                leave(*w);
                left = true;
            }
            f.control = w->focus();
            f.replace = false;
            active_ = w->id();
        }
        if (left) settle();
    }
    void advance_ms(std::int64_t ms) override {
        driver_.advance_ms(ms);
        settle();
    }

    void click(Window& w, std::string_view use) override {
        const int n = number(w, use);
        const ControlState c = w.control(n);
        if (c.hidden || c.disabled || blocked(w)) return;
        if (takes_focus(c.kind)) enter(w, n);
        switch (c.kind) {
            case ControlKind::Button:
            case ControlKind::Region:
            case ControlKind::Box:
            case ControlKind::Ellipse:
                post(w, EventKind::Accepted, n);
                break;
            case ControlKind::Check:
                post(w, EventKind::Accepted, n, [n, on = !c.checked](Window& win) { win.operator_check(n, on); });
                break;
            default:
                break;
        }
        settle();
    }

    void click_row(Window& w, std::string_view use, int row) override {
        const int n = number(w, use);
        if (blocked(w)) return;
        enter(w, n);
        if (w.selected(n) != row) post(w, EventKind::NewSelection, n, [n, row](Window& win) { win.operator_choose(n, row); });
        settle();
    }

    void double_click_row(Window& w, std::string_view use, int row) override {
        click_row(w, use, row);
        const int n = number(w, use);
        post(
            w, EventKind::Accepted, n,
            [n, row](Window& win) {
                if (win.selected(n) != row) win.operator_choose(n, row);
            },
            kMouseLeft2Key);
        settle();
    }

    void click_tab(Window& w, std::string_view sheet, int tab) override {
        const int n = number(w, sheet);
        if (blocked(w)) return;
        if (w.selected(n) != tab) post(w, EventKind::NewSelection, n, [n, tab](Window& win) { win.operator_choose(n, tab); });
        settle();
    }

    void type(std::string_view text) override {
        for (std::size_t at = 0; at < text.size();) {
            const char32_t ch = next_code_point(text, at);
            Window* w = active();
            if (!w || blocked(*w)) return;
            Focus& f = focus_[w->id()];
            const ControlState c = w->control(f.control);
            if (c.kind == ControlKind::Entry && !c.read_only) {
                Shown& s = shown_[w->id()][f.control];
                // An entry full to its field's size takes no more, as Qt's refuses it.
                if (c.max_chars > 0 && !f.replace && utf8_characters(s.text) >= static_cast<std::size_t>(c.max_chars)) {
                    settle();
                    continue;
                }
                if (!s.dirty) {
                    // The first change to the model's text: Qt tells what the entry showed.
                    Event e;
                    e.kind = EventKind::Typing;
                    e.control = f.control;
                    e.text = s.text;
                    w->post(std::move(e));
                }
                s.text = (f.replace ? std::string() : s.text) + utf8_of(ch);
                f.replace = false;
                s.dirty = true;
                if (c.immediate)
                    post(*w, EventKind::NewSelection, f.control,
                         [n = f.control, t = s.text](Window& win) { win.operator_type(n, t); });
            } else if (c.kind == ControlKind::List) {
                post(*w, EventKind::AlertKey, f.control, {}, typed_key(ch));
            }
            settle();
        }
    }

    void select_all() override {
        if (Window* w = active()) focus_[w->id()].replace = true;
    }

    void press(Key key) override {
        Window* w = active();
        if (!w || blocked(*w)) return;
        Focus& f = focus_[w->id()];
        const ControlState c = w->control(f.control);
        if (key == Key::PageDown) {
            if (c.kind == ControlKind::List) post(*w, EventKind::AlertKey, f.control, {}, kPageDownKey);
        } else if (key == Key::CtrlH) {
            // The field's history copy replaces what was typed.
            Shown& s = shown_[w->id()][f.control];
            if (s.dirty) s.text = c.text;
            s.dirty = false;
            post(*w, EventKind::AlertKey, f.control, {}, kCtrlHKey);
        } else if (key == Key::Down) {
            if (c.kind == ControlKind::List) post(*w, EventKind::AlertKey, f.control, {}, kDownKey);
        } else if (key == Key::Escape) {
            leave(*w);
            post(*w, EventKind::AlertKey, f.control, {}, kEscapeKey);
        } else if (c.kind != ControlKind::Button && default_button(*w)) {
            leave(*w);
            post(*w, EventKind::Accepted, default_button(*w));
        } else if (c.kind == ControlKind::Entry) {
            leave(*w);
        }
        settle();
    }

    void press_access_key(char letter) override {
        Window* w = active();
        if (!w || blocked(*w)) return;
        for (const ControlState& c : w->controls()) {
            const std::size_t amp = c.text.find('&');
            if (c.kind != ControlKind::Button || c.disabled || amp == std::string::npos || amp + 1 >= c.text.size() ||
                std::tolower(static_cast<unsigned char>(c.text[amp + 1])) != std::tolower(static_cast<unsigned char>(letter)))
                continue;
            // The focus stays; the entry typed into is accepted before the press, as Qt's
            // button does.
            leave(*w);
            post(*w, EventKind::Accepted, c.number);
            break;
        }
        settle();
    }

    std::string text(Window& w, std::string_view use) override {
        const int n = number(w, use);
        const ControlState c = w.control(n);
        if (c.kind == ControlKind::Entry) return shown_[w.id()][n].text;
        if (c.kind == ControlKind::DropList)
            return c.selected >= 1 && c.selected <= static_cast<int>(c.items.size()) ? c.items[c.selected - 1] : "";
        return c.text;
    }
    std::string focused(Window& w) override { return w.control(focus_[w.id()].control).use; }
    std::string status(Window& w, int zone) override { return w.shown_status(zone); }
    bool enabled(Window& w, std::string_view use) override { return !w.control(number(w, use)).disabled; }

    bool visible(Window& w, std::string_view use) override {
        ControlState c = w.control(number(w, use));
        for (int depth = 0; depth < 64; ++depth) {
            if (c.hidden) return false;
            if (c.parent == 0) return true;
            const ControlState parent = w.control(c.parent);
            if (c.kind == ControlKind::Tab && parent.kind == ControlKind::Sheet &&
                tab_index(w, parent.number, c.number) != parent.selected)
                return false;
            c = parent;
        }
        return true;
    }
    int selected_row(Window& w, std::string_view use) override { return w.selected(number(w, use)); }
    std::string cell(Window& w, std::string_view use, int row, int column) override {
        const ControlState c = w.control(number(w, use));
        if (row < 1 || row > static_cast<int>(c.rows.size())) return {};
        const auto& cells = c.rows[row - 1].cells;
        return column >= 1 && column <= static_cast<int>(cells.size()) ? cells[column - 1].text : std::string();
    }

    int rows(Window& w, std::string_view use) override { return static_cast<int>(w.control(number(w, use)).rows.size()); }
    int rows_whole(Window& w, std::string_view use) override { return rows(w, use); }
    int drag_thumb(Window& w, std::string_view use, int step, bool) override {
        const int n = number(w, use);
        post(w, EventKind::ScrollDrag, n, [n, step](Window& win) { win.operator_scroll(n, step); });
        settle();
        return step;
    }

    std::string clock(Window& w, int first_cell) override {
        // The cell's picture name ends in its digit ("~xsmall_7.gif"), the separator's in "d".
        std::string out;
        for (int i = 0; i < 8; ++i) {
            const std::string image = w.control(first_cell + i).image;
            const std::size_t dot = image.rfind('.');
            const char k = dot == std::string::npos || dot == 0 ? '?' : image[dot - 1];
            out += std::isdigit(static_cast<unsigned char>(k)) ? k : k == 'd' ? ':' : '?';
        }
        return out;
    }
    std::optional<ShownMessage> message() override {
        auto m = driver_.pending_message();
        if (!m) return std::nullopt;
        return ShownMessage{m->title, m->text};
    }
    void answer(Button button) override {
        driver_.answer_message(button);
        settle();
    }
    bool blocked(Window& w) override {
        for (auto& p : driver_.engine().pending())
            if (w.owner() && p->thread == w.owner()->number()) return true;
        return false;
    }

private:
    struct Focus {
        int control = 0;
        std::uint64_t moves = 0;
        bool replace = false;  // the entry's text selected: the next character replaces it
    };
    struct Shown {
        std::string text;
        bool dirty = false;  // typed into and not yet left
    };

    int number(Window& w, std::string_view use) {
        const int n = w.number_of(use);
        if (!n) throw std::runtime_error("no control " + std::string(use));
        return n;
    }
    Window* active() {
        for (Window* w : driver_.windows())
            if (w->id() == active_) return w;
        return nullptr;
    }
    // A tab's place (1-based) among its sheet's tabs.
    static int tab_index(Window& w, int sheet, int tab) {
        int index = 0;
        for (const ControlState& c : w.controls())
            if (c.kind == ControlKind::Tab && c.parent == sheet) {
                ++index;
                if (c.number == tab) return index;
            }
        return 0;
    }
    int default_button(Window& w) {
        for (const ControlState& c : w.controls())
            if (c.kind == ControlKind::Button && c.is_default) return c.hidden || c.disabled ? 0 : c.number;
        return 0;
    }
    void post(Window& w, EventKind kind, int control, std::function<void(Window&)> apply = {}, int keycode = 0) {
        Event e;
        e.kind = kind;
        e.control = control;
        e.keycode = keycode;
        e.apply = std::move(apply);
        w.post(std::move(e));
    }
    // The focused entry left: its accept when it was changed.
    void leave(Window& w) {
        const int n = focus_[w.id()].control;
        Shown& s = shown_[w.id()][n];
        if (!s.dirty) return;
        s.dirty = false;
        post(w, EventKind::Accepted, n, [n, t = s.text](Window& win) { win.operator_type(n, t); });
    }
    // The focus moves to control n: the entry left is accepted, then n's selected event (not
    // when the model has it there already).
    void enter(Window& w, int n) {
        active_ = w.id();
        Focus& f = focus_[w.id()];
        if (f.control == n) return;
        leave(w);
        f.control = n;
        f.replace = false;
        if (w.focus() != n)
            post(w, EventKind::Selected, n, [n, moves = w.focus_moves()](Window& win) { win.operator_focus(n, moves); });
    }

    TestDriver driver_;
    std::map<int, Focus> focus_;                 // by window id
    std::map<int, std::map<int, Shown>> shown_;  // by window id and entry
    int active_ = 0;
    std::set<int> opened_;  // the windows seen so far, by id
};

}  // namespace

std::unique_ptr<Operator> make_headless_operator() { return std::make_unique<HeadlessOperator>(); }

}  // namespace zrv::testing
