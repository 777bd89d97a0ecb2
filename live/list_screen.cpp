#include "live/list_screen.h"

#include <cctype>

#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "framework/core/error_reporter.h"
#include "framework/core/procedures.h"
#include "framework/core/thread_context.h"
#include "framework/services/utf8.h"
#include "live/field_binding.h"

namespace zrv::live {

ListScreen::ListScreen(std::string procedure, const WindowLayout& layout, ListScreenDeclaration declaration)
    : WindowController(std::move(procedure), layout), decl_(std::move(declaration)) {
    browse_ = std::make_unique<BrowseList>(window(), decl_.list, this->procedure());
}

ListScreen::~ListScreen() = default;

bool ListScreen::initialize() {
    if (!WindowController::initialize()) return false;
    // What the files say shows once the list shows what it can: one message per file.
    ErrorReporter::Gathered gathered;
    if (auto* r = data::relation_manager(decl_.list.table)) r->open();
    for (data::TableId id : decl_.also_open)
        if (auto* r = data::relation_manager(id)) r->open();
    binds_.emplace();
    if (FuzzySearchAll* s = browse_->search()) {
        binds_->bind_text(decl_.list.search->query_name, &s->query());
        if (!decl_.list.search->score_name.empty()) binds_->bind_integer(decl_.list.search->score_name, &s->score());
        query_ = control(decl_.list.search->query_control);
        go_ = control(decl_.list.search->go_control);
        clear_ = control(decl_.list.search->clear_control);
        if (query_) window().bind(query_, std::make_shared<TextBinding>(&s->query(), 255));
    }
    browse_->setup();
    if (!decl_.list.typing_locator.empty()) locator_ = control(decl_.list.typing_locator);
    if (locator_ && !decl_.list.locate_on_accept) window().modify(locator_, [](ControlState& c) { c.immediate = true; });
    if (!decl_.list.sheet.empty()) sheet_ = control(decl_.list.sheet);
    // Editing goes through the buttons only; Select only when the list was run to select.
    if (int s = control(decl_.buttons.select); s && request() != kRequestSelect) window().set_hidden(s, true);
    window().set_timer(decl_.timer);
    reset(true);
    if (decl_.record_controls != RecordControls::None) {
        bind_record_controls(window());
        if (locator_ && decl_.record_controls == RecordControls::AllButLocator) window().unbind(locator_);
        window().display();
    }
    // The operator's keys go to the rows at once: the arrows, the page keys, a typed locate.
    window().select(browse_->list_control());
    gathered.show();
    return true;
}

void ListScreen::shutdown() {
    for (auto it = decl_.also_open.rbegin(); it != decl_.also_open.rend(); ++it)
        if (auto* r = data::relation_manager(*it)) r->close();
    if (auto* r = data::relation_manager(decl_.list.table)) r->close();
    binds_.reset();
    WindowController::shutdown();
}

int ListScreen::request_of(int c) const {
    if (c == 0) return 0;
    if (c == control(decl_.buttons.view)) return kRequestView;
    if (c == control(decl_.buttons.insert)) return kRequestInsert;
    if (c == control(decl_.buttons.change)) return kRequestChange;
    if (c == control(decl_.buttons.remove)) return kRequestDelete;
    if (c == control(decl_.buttons.select)) return kRequestSelect;
    return 0;
}

Flow ListScreen::on_accepted(int c) {
    window().update(c);
    Flow flow = WindowController::on_accepted(c);
    if (c == browse_->list_control()) {
        // A double click changes the row through the change button, hidden or not.
        if (window().keycode() == kDoubleClickKey) {
            if (request() == kRequestSelect) window().post(EventKind::Completed);
            else run_child(control(decl_.buttons.change), kRequestChange);
        }
        return flow;
    }
    if (const int request = request_of(c)) {
        if (request == kRequestSelect) window().post(EventKind::Completed);
        else run_child(c, request);
        return flow;
    }
    if (FuzzySearchAll* s = browse_->search(); s && (c == go_ || c == clear_)) {
        if (query_) window().update(query_);
        if (c == go_) s->pressed_search();
        else s->pressed_clear();
        browse_->select_row(window().selected(browse_->list_control()));
        reset(true);
        return flow;
    }
    if (c && c == query_ && decl_.list.search->query_resets) {
        reset(true);
        return flow;
    }
    if (c && c == locator_) browse_->locate(window().text(locator_));
    if (c)
        if (const std::optional<Scroll> move = scroll_of_button(window().control(c).use)) scroll(*move);
    return flow;
}

Flow ListScreen::on_new_selection(int c) {
    if (c == browse_->list_control()) browse_->select_row(window().selected(c));
    else if (c && c == sheet_) reset(false);
    else if (c && c == locator_) browse_->locate(window().text(locator_));
    const Flow flow = WindowController::on_new_selection(c);
    if (decl_.record_controls != RecordControls::None) window().display();
    return flow;
}

Flow ListScreen::on_alert_key(int c) {
    const int key = window().keycode();
    const char32_t typed = typed_character(key);
    // On the first tab's order a key typed into the list goes on with the number in the typing
    // locator's entry, which locates by its whole text as it is typed (or when it is accepted).
    const bool first_tab = !sheet_ || window().selected(sheet_) == 1;
    if (locator_ && first_tab && c == browse_->list_control() && browse_->order() == 0 && typed > 0x20) {
        // The keys typed before the focus reaches the entry carry on the number there.
        const std::string before = window().focus() == locator_ ? window().text(locator_) : std::string();
        window().operator_type(locator_, before + utf8_of(typed));
        window().select(locator_);
        if (!decl_.list.locate_on_accept) {
            browse_->locate(window().text(locator_));
            if (decl_.record_controls != RecordControls::None) window().display();
        }
        return WindowController::on_alert_key(c);
    }
    // A key that moves rows, pressed in the locator's entry after the number typed there, moves
    // the list's rows, and the keys after it go to the list.
    if (c && c == locator_)
        if (const std::optional<Scroll> move = scroll_of_key(key)) {
            window().select(browse_->list_control());
            scroll(*move);
            return WindowController::on_alert_key(c);
        }
    if (c == browse_->list_control()) {
        if (const std::optional<Scroll> move = scroll_of_key(key)) scroll(*move);
        else if (typed) browse_->locate(utf8_of(typed));
    }
    return WindowController::on_alert_key(c);
}

Flow ListScreen::on_scroll_drag(int c) {
    if (c == browse_->list_control()) {
        browse_->drag_thumb(window().control(c).scroll_at);
        window().display();
    }
    return WindowController::on_scroll_drag(c);
}

Flow ListScreen::on_window_event(const Event& e) {
    if (e.kind == EventKind::Sized && e.control == browse_->list_control()) browse_->fit_page();
    if (e.kind != EventKind::Timer || decl_.timer_steps.empty()) return framework_event(e);
    Flow flow = Flow::Continue;
    for (TimerStep step : decl_.timer_steps) {
        switch (step) {
            case TimerStep::Display:
                timer_display();
                break;
            case TimerStep::Reset:
                reset(true);
                break;
            case TimerStep::Framework:
                if (framework_event(e) == Flow::Stop) flow = Flow::Stop;
                break;
        }
    }
    return flow;
}

void ListScreen::scroll(Scroll move) {
    browse_->scroll(move);
    window().display();  // the controls bound to the highlighted record
}

void ListScreen::reset(bool force) {
    if (window().accept_all()) return;
    browse_->reset(force);
    WindowController::reset(force);
}

int ListScreen::run_child(int, int request) {
    if (request == kRequestNone || decl_.form.empty()) return 0;
    // A list run only to view answers at once, before anything is added.
    if (this->request() == kRequestView) return kResponseCancelled;
    data::DictionaryTable& table = browse_->table();
    if (request == kRequestInsert) {
        const std::vector<int> keep = browse_->prime_range_fields();
        if (!table.prepare_new_record(keep)) return kResponseCancelled;
    } else if (browse_->selected_position() == 0) {
        return kResponseCancelled;  // no row to act on
    } else {
        table.get_by_position(browse_->selected_position());
    }
    ThreadRequest() = static_cast<std::uint8_t>(request);
    const int response = run_procedure(decl_.form);
    ThreadRequest() = 0;
    // A cancelled insert leaves nothing behind, whatever road the form took.
    if (request == kRequestInsert && response != kResponseCompleted && table.has_reserved_record()) table.undo_autonumber();
    const std::int64_t position = table.position();
    if (position > 0) table.get_by_position(position);
    browse_->reset(false);
    browse_->refill_around(position);
    WindowController::reset(true);
    return response;
}

}  // namespace zrv::live
