#include "framework/core/window.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>
#include <utility>

#include "framework/core/engine.h"
#include "framework/core/thread_context.h"

namespace zrv {

std::atomic<int> Window::next_id_{1};

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

bool Window::NoCaseLess::operator()(std::string_view a, std::string_view b) const {
    // Use names are ASCII.
    const auto up = [](char c) { return static_cast<unsigned char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c); };
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [&](char x, char y) { return up(x) < up(y); });
}

Window::Window(const WindowLayout& layout)
    : id_(next_id_++),
      layout_(layout),
      kind_(layout.kind),
      title_(layout.title),
      status_(layout.status),
      x_(layout.x),
      y_(layout.y),
      width_(layout.width),
      height_(layout.height),
      timer_cs_(layout.timer) {
    // A control without a number takes the one after the highest so far; a number declared twice
    // is a fault of the declaration, never a control replaced.
    int next = 1;
    for (ControlState c : layout.controls) {
        if (c.number == 0) c.number = next;
        if (controls_.count(c.number))
            throw std::invalid_argument("window \"" + layout.title + "\" declares control " + std::to_string(c.number) + " twice (" +
                                        controls_[c.number].use + ", " + c.use + ")");
        next = std::max(next, c.number + 1);
        if (!c.use.empty()) by_use_[c.use] = c.number;
        controls_[c.number] = std::move(c);
    }
}

Window::~Window() = default;

ControlState* Window::find(int number) {
    auto it = controls_.find(number);
    return it == controls_.end() ? nullptr : &it->second;
}

const ControlState* Window::find(int number) const {
    auto it = controls_.find(number);
    return it == controls_.end() ? nullptr : &it->second;
}

int Window::number_of(std::string_view use) const {
    std::lock_guard lock(mutex_);
    auto it = by_use_.find(use);
    return it == by_use_.end() ? 0 : it->second;
}

bool Window::has(int number) const {
    std::lock_guard lock(mutex_);
    return find(number) != nullptr;
}

ControlState Window::control(int number) const {
    std::lock_guard lock(mutex_);
    const ControlState* c = find(number);
    return c ? *c : ControlState{};
}

std::vector<int> Window::numbers() const {
    std::lock_guard lock(mutex_);
    std::vector<int> out;
    for (const auto& [n, c] : controls_) out.push_back(n);
    return out;
}

std::vector<ControlState> Window::controls() const {
    std::lock_guard lock(mutex_);
    std::vector<ControlState> out;
    for (const auto& [n, c] : controls_) out.push_back(c);
    return out;
}

Window::ControlChanges Window::controls_since(std::uint64_t revision) const {
    std::lock_guard lock(mutex_);
    ControlChanges out;
    for (const auto& [n, c] : controls_)
        if (revision == 0 || c.revision > revision) out.changed.push_back(c);
    if (revision == 0 || destroyed_revision_ > revision) {
        out.numbers.emplace();
        out.numbers->reserve(controls_.size());
        for (const auto& [n, c] : controls_) out.numbers->push_back(n);
    }
    return out;
}

void Window::read(int number, const std::function<void(const ControlState&)>& reader) const {
    std::lock_guard lock(mutex_);
    if (const ControlState* c = find(number)) reader(*c);
}

void Window::changed(ControlState& state) { state.revision = ++revision_; }

void Window::modify(int number, const std::function<void(ControlState&)>& change) {
    {
        std::lock_guard lock(mutex_);
        ControlState* c = find(number);
        if (!c) return;
        change(*c);
        changed(*c);
    }
    notify_engine();
}

std::string Window::text(int number) const {
    std::lock_guard lock(mutex_);
    const ControlState* c = find(number);
    return c ? c->text : std::string();
}

void Window::set_text(int number, std::string_view text) {
    {
        std::lock_guard lock(mutex_);
        ControlState* c = find(number);
        if (!c || c->text == text) return;
        c->text = text;
        changed(*c);
    }
    notify_engine();
}

// Setters of one property: change and redraw only when the value differs.
#define ZRV_PROPERTY_SETTER(name, type, member)   \
    void Window::name(int number, type value) {   \
        {                                         \
            std::lock_guard lock(mutex_);         \
            ControlState* c = find(number);       \
            if (!c || c->member == value) return; \
            c->member = value;                    \
            changed(*c);                          \
        }                                         \
        notify_engine();                          \
    }
ZRV_PROPERTY_SETTER(set_hidden, bool, hidden)
ZRV_PROPERTY_SETTER(set_disabled, bool, disabled)
ZRV_PROPERTY_SETTER(set_read_only, bool, read_only)
ZRV_PROPERTY_SETTER(set_font_colour, Colour, font_colour)
ZRV_PROPERTY_SETTER(set_italic, bool, italic)
ZRV_PROPERTY_SETTER(set_underline, bool, underline)
ZRV_PROPERTY_SETTER(set_fill_colour, Colour, fill_colour)
ZRV_PROPERTY_SETTER(set_border_colour, Colour, border_colour)
ZRV_PROPERTY_SETTER(set_checked, bool, checked)
ZRV_PROPERTY_SETTER(set_selected, int, selected)
#undef ZRV_PROPERTY_SETTER

void Window::set_image(int number, std::string_view image) {
    modify(number, [&](ControlState& c) { c.image = image; });
}

bool Window::checked(int number) const {
    std::lock_guard lock(mutex_);
    const ControlState* c = find(number);
    return c && c->checked;
}

int Window::selected(int number) const {
    std::lock_guard lock(mutex_);
    const ControlState* c = find(number);
    return c ? c->selected : 0;
}

void Window::set_rows(int number, std::vector<ListRow> rows) {
    {
        std::lock_guard lock(mutex_);
        ControlState* c = find(number);
        if (!c || c->rows == rows) return;
        c->rows = std::move(rows);
        if (c->selected > static_cast<int>(c->rows.size())) c->selected = static_cast<int>(c->rows.size());
        changed(*c);
    }
    notify_engine();
}

void Window::set_scroll(int number, int steps, int at, int page) {
    {
        std::lock_guard lock(mutex_);
        ControlState* c = find(number);
        if (!c || (c->scroll_steps == steps && c->scroll_at == at && c->scroll_page == page)) return;
        c->scroll_steps = steps;
        c->scroll_at = at;
        c->scroll_page = page;
        changed(*c);
    }
    notify_engine();
}

void Window::set_geometry(int number, int x, int y, int width, int height) {
    modify(number, [&](ControlState& c) {
        c.x = x;
        c.y = y;
        c.width = width;
        c.height = height;
    });
}

int Window::create_control(ControlState state, int number, int parent) {
    {
        std::lock_guard lock(mutex_);
        if (number == 0) number = controls_.empty() ? 1 : controls_.rbegin()->first + 1;
        state.number = number;
        state.parent = parent;
        if (ControlState* old = find(number); old && !old->use.empty()) by_use_.erase(old->use);
        if (!state.use.empty()) by_use_[state.use] = number;
        ControlState& c = controls_[number] = std::move(state);
        changed(c);
        if (auto it = bindings_.find(number); it != bindings_.end()) {
            it->second.control = &c;
            all_bound_.reset();
        }
    }
    touch();
    return number;
}

void Window::destroy_control(int number) {
    {
        std::lock_guard lock(mutex_);
        ControlState* c = find(number);
        if (!c) return;
        if (!c->use.empty()) by_use_.erase(c->use);
        controls_.erase(number);
        bindings_.erase(number);
        all_bound_.reset();
        destroyed_revision_ = ++revision_;
    }
    touch();
}

void Window::operator_type(int number, std::string_view text) {
    modify(number, [&](ControlState& c) {
        c.text = text;
        c.changed_by_operator = true;
    });
    ++operator_changes_;
}

void Window::operator_check(int number, bool on) {
    modify(number, [&](ControlState& c) {
        c.checked = on;
        c.changed_by_operator = true;
    });
    ++operator_changes_;
}

void Window::operator_scroll(int number, int at) {
    modify(number, [&](ControlState& c) { c.scroll_at = at; });
}

void Window::operator_rows_shown(int number, int rows) {
    modify(number, [&](ControlState& c) { c.rows_shown = rows; });
}

void Window::operator_choose(int number, int selected) {
    modify(number, [&](ControlState& c) {
        c.selected = selected;
        c.changed_by_operator = true;
    });
    ++operator_changes_;
}

// --- bound variables ---

void Window::bind(int number, std::shared_ptr<Binding> binding) {
    std::lock_guard lock(mutex_);
    bindings_[number] = Bound{std::move(binding), find(number)};
    all_bound_.reset();
}

void Window::unbind(int number) {
    std::lock_guard lock(mutex_);
    bindings_.erase(number);
    all_bound_.reset();
}

namespace {

// The drop-list item (1-based) whose value is the bound value; 0 when none.
int item_of(const ControlState& c, const std::string& value) {
    auto it = std::find(c.item_values.begin(), c.item_values.end(), value);
    return it == c.item_values.end() ? 0 : static_cast<int>(it - c.item_values.begin()) + 1;
}

// The bound value as the control shows it.
void show_value(ControlState& c, const std::string& value) {
    switch (c.kind) {
        case ControlKind::Check:
            c.checked = value == c.true_value;
            break;
        case ControlKind::DropList:
            c.selected = item_of(c, value);
            break;
        default:
            c.text = value;
    }
    c.changed_by_operator = false;
}

// Whether the control already shows the bound value as show_value would show it.
bool shows_value(const ControlState& c, const std::string& value) {
    if (c.changed_by_operator) return false;
    switch (c.kind) {
        case ControlKind::Check:
            return c.checked == (value == c.true_value);
        case ControlKind::DropList:
            return c.selected == item_of(c, value);
        default:
            return c.text == value;
    }
}

std::string screen_value(const ControlState& c) {
    switch (c.kind) {
        case ControlKind::Check:
            return c.checked ? c.true_value : c.false_value;
        case ControlKind::DropList:
            return c.selected > 0 && c.selected <= static_cast<int>(c.item_values.size()) ? c.item_values[c.selected - 1]
                                                                                          : std::string();
        default:
            return c.text;
    }
}

}  // namespace

void Window::display(int number) {
    // Bindings are read outside the lock: they may read other state of the thread.
    std::shared_ptr<const BoundList> targets;
    std::uint64_t destroyed = 0;
    {
        std::lock_guard lock(mutex_);
        if (number != 0) {
            auto it = bindings_.find(number);
            targets = std::make_shared<const BoundList>(it == bindings_.end() ? BoundList{} : BoundList{*it});
        } else {
            if (!all_bound_) all_bound_ = std::make_shared<const BoundList>(bindings_.begin(), bindings_.end());
            targets = all_bound_;
        }
        destroyed = destroyed_revision_;
    }
    // The values are read into the room the thread's last redisplay left (a binding that
    // redisplays while it is read has room of its own).
    thread_local std::vector<std::string> room;
    thread_local bool reading = false;
    std::vector<std::string> own;
    std::vector<std::string>& values = reading ? own : room;
    const bool outer = !reading;
    reading = true;
    if (values.size() < targets->size()) values.resize(targets->size());
    {
        auto value = values.begin();
        for (const auto& [n, b] : *targets) b.binding->read_text(*value++);
    }
    if (outer) reading = false;
    bool any = false;
    {
        std::lock_guard lock(mutex_);
        auto value = values.begin();
        for (const auto& [n, b] : *targets) {
            // A binding that destroyed a control leaves the others to be looked up again.
            ControlState* c = b.control && destroyed == destroyed_revision_ ? b.control : find(n);
            std::string& shown = *value++;
            if (!c || shows_value(*c, shown)) continue;
            show_value(*c, shown);
            changed(*c);
            any = true;
        }
    }
    if (any) notify_engine();
}

void Window::update(int number) {
    std::vector<std::pair<std::shared_ptr<Binding>, std::string>> writes;
    {
        std::lock_guard lock(mutex_);
        for (const auto& [n, b] : bindings_) {
            if (number != 0 && n != number) continue;
            const ControlState* c = find(n);
            if (!c || c->kind == ControlKind::String || c->kind == ControlKind::Prompt) continue;
            writes.emplace_back(b.binding, screen_value(*c));
        }
    }
    for (auto& [b, value] : writes) b->set_text(value);
}

std::optional<UnfitText> Window::unfit(int number) const {
    std::shared_ptr<Binding> binding;
    std::string value;
    {
        std::lock_guard lock(mutex_);
        auto it = bindings_.find(number);
        const ControlState* c = find(number);
        if (it == bindings_.end() || !c) return std::nullopt;
        binding = it->second.binding;
        value = screen_value(*c);
    }
    return binding->unfit(value);
}

bool Window::changed_by_operator(int number) const {
    std::lock_guard lock(mutex_);
    const ControlState* c = find(number);
    return c && c->changed_by_operator;
}

// --- the window itself ---

std::string Window::title() const {
    std::lock_guard lock(mutex_);
    return title_;
}

void Window::set_title(std::string_view title) {
    {
        std::lock_guard lock(mutex_);
        if (title_ == title) return;
        title_ = title;
    }
    touch();
}

std::string Window::icon() const { return layout_.icon; }
std::string Window::wallpaper() const { return layout_.wallpaper; }
Colour Window::colour() const { return layout_.colour; }

std::vector<StatusZone> Window::status() const {
    std::lock_guard lock(mutex_);
    return status_;
}

void Window::set_status_text(int zone, std::string_view text) {
    {
        std::lock_guard lock(mutex_);
        if (zone < 1) return;
        if (static_cast<int>(status_.size()) < zone) status_.resize(zone);
        if (status_[zone - 1].text == text) return;
        status_[zone - 1].text = text;
    }
    touch();
}

void Window::set_timer(int hundredths) {
    timer_cs_ = std::max(0, hundredths);
    touch();
    if (owner_) owner_->queue().wake();  // the loop picks up the new interval
}

void Window::add_timer_handler(TimerHandler* handler) {
    std::lock_guard lock(mutex_);
    timer_handlers_.push_back(handler);
}

void Window::remove_timer_handler(TimerHandler* handler) {
    std::lock_guard lock(mutex_);
    std::erase(timer_handlers_, handler);
}

std::vector<TimerHandler*> Window::timer_handlers() const {
    std::lock_guard lock(mutex_);
    return timer_handlers_;
}

int Window::focus() const {
    std::lock_guard lock(mutex_);
    return focus_;
}

void Window::select(int number) {
    {
        std::lock_guard lock(mutex_);
        focus_ = number;
        select_requested_ = true;
        ++focus_moves_;
    }
    touch();
}

void Window::operator_focus(int number, std::uint64_t moves) {
    {
        std::lock_guard lock(mutex_);
        if (focus_ == number || focus_moves_ != moves) return;
        focus_ = number;
    }
    touch();
}

std::string Window::focus_message() const {
    std::lock_guard lock(mutex_);
    const ControlState* c = find(focus_);
    return c ? c->message : std::string();
}

std::string Window::shown_status(int zone) const {
    if (zone == 1)
        if (std::string message = focus_message(); !message.empty()) return message;
    std::lock_guard lock(mutex_);
    return zone >= 1 && zone <= static_cast<int>(status_.size()) ? status_[zone - 1].text : std::string();
}

bool Window::take_select_request() {
    std::lock_guard lock(mutex_);
    return std::exchange(select_requested_, false);
}

void Window::post(EventKind kind, int control) {
    Event e;
    e.kind = kind;
    e.control = control;
    post(std::move(e));
}

void Window::post(Event event) {
    event.window = id_;
    if (owner_) owner_->queue().post(std::move(event));
}

// --- placement ---

bool Window::is_maximized() const {
    std::lock_guard lock(mutex_);
    return maximized_;
}
bool Window::is_minimized() const {
    std::lock_guard lock(mutex_);
    return minimized_;
}
int Window::x() const {
    std::lock_guard lock(mutex_);
    return x_;
}
int Window::y() const {
    std::lock_guard lock(mutex_);
    return y_;
}
int Window::width() const {
    std::lock_guard lock(mutex_);
    return width_;
}
int Window::height() const {
    std::lock_guard lock(mutex_);
    return height_;
}

void Window::restore_normal() {
    {
        std::lock_guard lock(mutex_);
        maximized_ = minimized_ = false;
    }
    touch();
}

void Window::maximize() {
    {
        std::lock_guard lock(mutex_);
        maximized_ = true;
        minimized_ = false;
    }
    touch();
}

void Window::minimize() {
    {
        std::lock_guard lock(mutex_);
        minimized_ = true;
    }
    touch();
}

void Window::move_to(int x, int y) {
    {
        std::lock_guard lock(mutex_);
        x_ = x;
        y_ = y;
    }
    touch();
}

void Window::set_width(int w) {
    {
        std::lock_guard lock(mutex_);
        width_ = resize_ == ResizeStrategy::Scale ? std::max(w, layout_.width) : w;
    }
    touch();
}

void Window::set_height(int h) {
    {
        std::lock_guard lock(mutex_);
        height_ = resize_ == ResizeStrategy::Scale ? std::max(h, layout_.height) : h;
    }
    touch();
}

void Window::operator_placed(int x, int y, int width, int height, bool maximized, bool minimized) {
    std::lock_guard lock(mutex_);
    maximized_ = maximized;
    minimized_ = minimized;
    if (!maximized && !minimized) {
        x_ = x;
        y_ = y;
        width_ = width;
        height_ = height;
    }
    // No revision bump: the engine already shows it.
}

void Window::open(ThreadContext& owner) {
    owner_ = &owner;
    opener_ = owner.top_window();
    open_ = true;
    owner.windows().push_back(this);
    engine().window_opened(*this);
}

void Window::close() {
    if (!open_) return;
    engine().window_closed(*this);
    open_ = false;
    if (owner_) std::erase(owner_->windows(), this);
}

void Window::touch() {
    ++revision_;
    notify_engine();
}

void Window::notify_engine() {
    if (open_) engine().window_changed(*this);
}

}  // namespace zrv
