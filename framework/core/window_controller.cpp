#include "framework/core/window_controller.h"

#include "framework/core/app_services.h"
#include "framework/core/engine.h"
#include "framework/core/error_reporter.h"
#include "framework/core/thread_context.h"

namespace zrv {

WindowController::WindowController(std::string procedure, const WindowLayout& layout)
    : procedure_(std::move(procedure)), window_(std::make_unique<Window>(layout)) {
    window_->set_procedure(procedure_);
    for (int n : window_->numbers()) {
        ControlState c = window_->control(n);
        if (c.action == StandardAction::Ok && !ok_control_) ok_control_ = n;
        if (c.action == StandardAction::Cancel && !cancel_control_) cancel_control_ = n;
    }
}

WindowController::~WindowController() {
    if (window_) window_->close();
}

int WindowController::run() {
    if (initialize()) run_event_loop();
    shutdown();
    if (response_ != kResponseCompleted) response_ = kResponseCancelled;
    ThreadResponse() = static_cast<std::uint8_t>(response_);
    return response_;
}

bool WindowController::initialize() {
    app_error_reporter().track_procedure(procedure_);
    tracked_ = true;
    request_ = ThreadRequest();
    ThreadRequest() = 0;
    ThreadResponse() = 0;
    window_->open(this_thread());
    opened_ = true;
    app_settings_file().restore_window_placement(procedure_, *window_);
    window_->post(EventKind::OpenWindow);
    return true;
}

void WindowController::run_event_loop() {
    ThreadContext& thread = this_thread();
    ErrorReporter::Background foreground(false);  // also when run from a tick
    for (;;) {
        Event event = thread.queue().take(*window_);
        if (take_event(event) == Flow::Stop) break;
    }
}

void WindowController::shutdown() {
    if (opened_) {
        window_->close();
        app_settings_file().save_window_placement(procedure_, *window_);
    }
    if (tracked_) {
        app_error_reporter().untrack_procedure();
        tracked_ = false;
    }
}

Flow WindowController::take_event(Event& event) {
    window_->set_keycode(event.keycode);
    if (event.apply) event.apply(*window_);
    switch (event.kind) {
        case EventKind::Accepted:
            return on_accepted(event.control);
        case EventKind::Selected:
            // The model moved the focus elsewhere after the operator entered the control (a
            // failed look-up keeps it on its entry): the control was never entered.
            if (window_->focus() != event.control) return Flow::Continue;
            return on_selected(event.control);
        case EventKind::NewSelection:
            return on_new_selection(event.control);
        case EventKind::AlertKey:
            if (event.keycode == kEscapeKey) {
                const int button = escape_control();
                window_->set_keycode(0);  // a press, as a click makes it
                return button ? on_accepted(button) : Flow::Continue;
            }
            return on_alert_key(event.control);
        case EventKind::ScrollDrag:
            return on_scroll_drag(event.control);
        case EventKind::Typing:
            return Flow::Continue;  // the entry's accept, when it is left, brings the text
        case EventKind::Timer: {
            // A tick re-reads what the screen shows: it reports a failing file once and waits
            // for no other program.
            ErrorReporter::Background tick;
            for (TimerHandler* h : window_->timer_handlers()) h->on_timer();
            return on_window_event(event);
        }
        default:
            return on_window_event(event);
    }
}

Flow WindowController::on_accepted(int control) { return standard_action(control); }

int WindowController::escape_control() const {
    if (cancel_control_) return window_->control(cancel_control_).disabled ? 0 : cancel_control_;
    for (const ControlState& c : window_->controls())
        if (c.kind == ControlKind::Button && c.action == StandardAction::Close) return c.disabled ? 0 : c.number;
    return 0;
}
Flow WindowController::on_selected(int) { return Flow::Continue; }
Flow WindowController::on_new_selection(int) { return Flow::Continue; }
Flow WindowController::on_scroll_drag(int) { return Flow::Continue; }
Flow WindowController::on_alert_key(int) { return Flow::Continue; }

Flow WindowController::standard_action(int number) {
    if (number == 0) return Flow::Continue;
    if (number == ok_control_) return on_ok();
    if (number == cancel_control_) {
        response_ = kResponseCancelled;
        window_->post(EventKind::CloseWindow);
        return Flow::Continue;
    }
    switch (window_->control(number).action) {
        case StandardAction::Close:
            window_->post(EventKind::CloseWindow);
            break;
        case StandardAction::PrintSetup:
            engine().print_setup();
            break;
        case StandardAction::Tile:
        case StandardAction::TileVertical:
            engine().arrange(*window_, Arrangement::TileVertical);
            break;
        case StandardAction::TileHorizontal:
            engine().arrange(*window_, Arrangement::TileHorizontal);
            break;
        case StandardAction::Cascade:
            engine().arrange(*window_, Arrangement::Cascade);
            break;
        case StandardAction::ArrangeIcons:
            engine().arrange(*window_, Arrangement::ArrangeIcons);
            break;
        default:
            break;
    }
    return Flow::Continue;
}

Flow WindowController::on_ok() {
    if (request_ == kRequestInsert || request_ == kRequestChange) {
        if (!accept_all_controls()) return Flow::Continue;
    }
    window_->post(EventKind::Completed);
    return Flow::Continue;
}

bool WindowController::accept_all_controls() {
    window_->take_select_request();
    window_->set_accept_all(true);
    bool through = true;
    for (int n : window_->numbers()) {
        if (n == ok_control_ || n == cancel_control_) continue;
        ControlState c = window_->control(n);
        const bool acceptable = c.kind == ControlKind::Entry || c.kind == ControlKind::Check || c.kind == ControlKind::DropList;
        if (!acceptable || c.hidden || c.disabled || c.read_only) continue;
        // What a control the operator did not change shows is the last redisplay: taken back, it
        // would undo what came since (the operator's text in another entry of the same field).
        // A text its binding cannot take as it is stays out of it (on_accepted refuses it).
        if (c.changed_by_operator && !window_->unfit(n)) window_->update(n);
        if (on_accepted(n) == Flow::Stop || window_->take_select_request()) {
            through = false;
            break;
        }
    }
    window_->set_accept_all(false);
    return through;
}

Flow WindowController::on_completed() {
    response_ = kResponseCompleted;
    return Flow::Stop;
}

bool WindowController::confirm_close() { return true; }

Flow WindowController::on_window_event(const Event& event) {
    switch (event.kind) {
        case EventKind::CloseWindow:
            if (confirm_close()) return Flow::Stop;
            if (this_thread().close_requested() || window_->close_down_posted) {
                window_->close_down_posted = false;
                report_close_refused();
            }
            return Flow::Continue;
        case EventKind::Completed:
            return on_completed();
        default:
            return Flow::Continue;
    }
}

void WindowController::reset(bool force) {
    if (window_->accept_all()) return;
    window_->display();
}

int WindowController::run_child(int, int) { return 0; }

}  // namespace zrv
