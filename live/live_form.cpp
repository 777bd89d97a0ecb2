#include "live/live_form.h"

#include <map>
#include <stdexcept>

#include "data/dictionary.h"
#include "data/dictionary_table.h"
#include "framework/core/error_reporter.h"
#include "framework/core/app_services.h"
#include "framework/core/engine.h"
#include "framework/core/thread_context.h"
#include "live/expression.h"
#include "live/field_binding.h"

namespace zrv::live {

namespace {

std::map<std::string, std::unique_ptr<store::RecordBuffer>>& histories() {
    thread_local std::map<std::string, std::unique_ptr<store::RecordBuffer>> copies;
    return copies;
}

}  // namespace

LiveForm::LiveForm(std::string procedure, const WindowLayout& layout, FormDeclaration declaration)
    : WindowController(std::move(procedure), layout), decl_(std::move(declaration)) {}

LiveForm::~LiveForm() = default;

const store::RecordBuffer* LiveForm::history_copy(const std::string& procedure) {
    auto it = histories().find(procedure);
    return it == histories().end() ? nullptr : it->second.get();
}

bool LiveForm::initialize() {
    table_ = data::file_manager(decl_.table);
    relations_ = data::relation_manager(decl_.table);
    if (!table_ || !relations_) throw std::logic_error("no data dictionary on this thread");
    key_ = table_->layout().key_index(decl_.primary_key);
    if (key_ < 0) throw std::invalid_argument("no key " + decl_.primary_key);
    // What the files say shows once the window shows what it can: one message per file.
    ErrorReporter::Gathered gathered;
    relations_->open();
    const int request = ThreadRequest();
    if (decl_.request_handling && (request == kRequestInsert || request == kRequestChange)) {
        // The request is prepared before the window opens: a change reads its record again.
        if (request == kRequestChange && !table_->get_by_key(key_)) {
            ThreadRequest() = 0;
            return false;
        }
        open_copy_ = std::make_unique<store::RecordBuffer>(table_->record());
        prepared_insert_ = request == kRequestInsert;
    }
    if (!WindowController::initialize()) return false;
    bind_record_controls(window());
    reset(true);
    gathered.show();
    return true;
}

void LiveForm::run_event_loop() {
    if (decl_.request_handling) {
        const int r = request();
        if (r == kRequestDelete) {
            app_error_reporter().raise(14);
            set_response(kResponseCancelled);
            return;
        }
        const char* text = r == kRequestView     ? kViewRecordText
                           : r == kRequestInsert ? kAddRecordText
                           : r == kRequestChange ? kChangeRecordText
                                                 : "";
        std::string suffix;
        if (decl_.title_with_key && r == kRequestInsert) suffix = "  (New)";
        if (decl_.title_with_key && r == kRequestChange) {
            const int f = table_->layout().field_index(decl_.key_field);
            if (f >= 0) suffix = "  (" + field_value(table_->record(), f).text() + ")";
        }
        switch (decl_.caption) {
            case CaptionPlace::Title:
                window().set_title(std::string(text) + suffix);
                break;
            case CaptionPlace::StatusZone2:
                window().set_status_text(2, text);
                window().set_title(window().title() + suffix);
                break;
            case CaptionPlace::Status:
                window().set_status_text(1, text);
                window().set_title(window().title() + suffix);
                break;
        }
        if (r == kRequestView && decl_.view_read_only.empty())
            for (const ControlState& c : window().controls())
                if (c.kind == ControlKind::Entry) window().set_read_only(c.number, true);
        if (r == kRequestView)
            for (const std::string& use : decl_.view_read_only)
                if (const int c = control(use)) window().set_read_only(c, true);
    }
    if (keeps_changes()) {
        changes_.start(open_copy_ ? *open_copy_ : table_->record());
        changes_.settle(table_->record());
    }
    WindowController::run_event_loop();
}

bool LiveForm::keeps_changes() const { return decl_.request_handling && (request() == kRequestInsert || request() == kRequestChange); }

Flow LiveForm::take_event(Event& e) {
    // What the operator's edits, clicks, choices and keys changed is the operator's; what a
    // tick changed (the timer handlers run first: the clock's end flag) or a focus change (a
    // look-up as an entry is entered) is the form's own, and the next re-read replaces it.
    ticking_ = e.kind == EventKind::Timer;
    if (ticking_) refused_ = {};
    const Flow flow = WindowController::take_event(e);
    ticking_ = false;
    if (!changes_.started()) return flow;
    if (e.kind == EventKind::Typing) {
        // What the entry showed is what the operator's text replaces: shown by the last re-read
        // when the entry still shows its text, else by the one before (its redisplay was not yet
        // drawn when the typing began).
        if (const int f = own_field(e.control); f >= 0) changes_.hold(f, window().text(e.control) == e.text);
        return flow;
    }
    if (e.is_field_event() && e.kind != EventKind::Selected) take_changes();
    else if (e.kind == EventKind::Timer || e.kind == EventKind::Selected) changes_.settle(table_->record());
    if (e.kind == EventKind::Accepted) changes_.release(own_field(e.control));
    return flow;
}

void LiveForm::take_changes() {
    // A held field taken now is based on what the operator saw, which the store checks.
    if (changes_.take(table_->record())) table_->set_changes_based_on(changes_.base());
}

int LiveForm::own_field(int c) const {
    if (!c || !window().has(c)) return -1;
    std::optional<data::FieldRef> field;
    window().read(c, [&](const ControlState& state) {
        if (state.kind == ControlKind::Entry) field = field_of_use(state.use);
    });
    return field && field->table() == decl_.table && !field->is_memo() ? field->field() : -1;
}

void LiveForm::shutdown() {
    // A cancelled insert leaves nothing behind, whichever way the form ends.
    if (prepared_insert_ && table_->has_reserved_record()) table_->undo_autonumber();
    prepared_insert_ = false;
    if (relations_) relations_->close();
    WindowController::shutdown();
    if (decl_.request_handling && request() == kRequestView) set_response(kResponseCancelled);
}

Flow LiveForm::on_accepted(int c) {
    if (window().changed_by_operator(c)) {  // as OK's pass takes it
        if (std::optional<UnfitText> unfit = window().unfit(c)) return refuse(c, *unfit);
        window().update(c);
    }
    last_selected_ = 0;
    return WindowController::on_accepted(c);
}

// The field keeps its value and the entry gets the focus back, which stops OK's pass. The
// operator hears of a text once: OK clicked from the entry accepts it and then passes over it.
Flow LiveForm::refuse(int c, const UnfitText& unfit) {
    const std::string text = window().text(c);
    if (!(window().accept_all() && refused_ == std::make_pair(c, text))) {
        ErrorReporter& reporter = app_error_reporter();
        reporter.set_message_field(unfit.variable);
        reporter.raise_with_text(kRangeErrorMessage, unfit.range);
    }
    refused_ = {c, text};
    window().select(c);
    return Flow::Continue;
}

Flow LiveForm::on_selected(int c) {
    // The focus coming back to the control that had it (after a message box) is not a new
    // selection, so a look-up that fails on selection does not ask again and again.
    if (c == last_selected_) return Flow::Continue;
    last_selected_ = c;
    return on_new_focus(c);
}

Flow LiveForm::on_new_focus(int c) { return WindowController::on_selected(c); }

Flow LiveForm::on_alert_key(int c) {
    if (decl_.history && window().keycode() == kCtrlHKey) {
        const store::RecordBuffer* copy = history_copy(procedure());
        std::optional<data::FieldRef> field = field_of_use(window().control(c).use);
        if (copy && field && field->table() == decl_.table && !field->is_memo()) {
            table_->record().set_text(field->field(), copy->get_text(field->field()));
            window().display(c);
        }
    }
    return WindowController::on_alert_key(c);
}

Flow LiveForm::on_window_event(const Event& e) {
    if (decl_.handling == FrameworkHandling::First && framework_event(e) == Flow::Stop) return Flow::Stop;
    if (e.kind == EventKind::Timer && decl_.live) refresh();
    if (decl_.handling == FrameworkHandling::Last) return framework_event(e);
    return Flow::Continue;
}

void LiveForm::refresh() {
    reread();
    if (decl_.close != CloseVariant::None && asked_to_close()) close_from_outside();
    show_with_related();
}

void LiveForm::show_with_related() {
    // The reset shows the record with its related records; a window that accepts everything
    // is not reset, and shows the record here.
    if (window().accept_all()) window().display();
    reset(true);
}

void LiveForm::reread() {
    if (changes_.started() && !ticking_) take_changes();  // a re-read asked by a button
    table_->get_by_key(key_);                             // the same record again; a failed read leaves the buffer as it is
    if (!as_read_) as_read_ = std::make_unique<store::RecordBuffer>(table_->record());
    else *as_read_ = table_->record();
    if (!changes_.started()) return;
    changes_.follow(table_->record());
    table_->set_changes_based_on(changes_.base());
}

const store::RecordBuffer& LiveForm::as_read() const { return as_read_ ? *as_read_ : table_->record(); }

bool LiveForm::asked_to_close() const {
    if (cerrar_ == kUnknownField) cerrar_ = table_->layout().field_index(table_->layout().prefix + ":Cerrar");
    return cerrar_ >= 0 && as_read().get_integer(cerrar_) == 1;
}

void LiveForm::close_from_outside() {
    if (remote_close_) return;
    remote_close_ = true;
    engine().take_typing(window());  // the entry being typed into is the operator's change
    if (decl_.close == CloseVariant::CompletedAndClose) window().post(EventKind::Completed);
    window().post(EventKind::CloseWindow);
}

void LiveForm::reset(bool force) {
    if (window().accept_all()) return;
    related_.fetch(decl_.related);
    WindowController::reset(force);
}

bool LiveForm::changed_since_open() const { return open_copy_ && !(table_->record() == *open_copy_); }

Flow LiveForm::on_ok() {
    if (decl_.request_handling && request() == kRequestView) {
        window().post(EventKind::CloseWindow);
        return Flow::Continue;
    }
    return WindowController::on_ok();
}

Flow LiveForm::on_completed() {
    if (!decl_.request_handling) return WindowController::on_completed();
    if (remote_close_ && keeps_changes()) return complete_closed_from_outside();
    switch (request()) {
        case kRequestView:
            set_response(kResponseCancelled);
            return Flow::Stop;
        case kRequestInsert:
            if (!relations_->insert()) return Flow::Continue;
            prepared_insert_ = false;
            break;
        case kRequestChange:
            if (changed_since_open() && !relations_->update()) {
                if (table_->error() == store::StoreError::ChangedElsewhere) {
                    // Read again: what the other program changed shows, except where the
                    // operator changed the same field: that keeps the operator's value, which a
                    // second OK stores over the other program's.
                    changes_.follow(table_->record(), true);
                    table_->set_changes_based_on(changes_.base());
                    window().display();
                }
                return Flow::Continue;
            }
            break;
        default:
            break;
    }
    keep_history();
    return WindowController::on_completed();
}

// Closed by another program: no one may be asked anything on an audience screen, and the form
// closes whatever happens. Only the operator's own changes are written, over the record as
// the close read it and through the last-read check; when they cannot be stored they are
// dropped, with the reasons in the error log. An insert's record stays as the other program
// left it.
Flow LiveForm::complete_closed_from_outside() {
    prepared_insert_ = false;
    take_changes();
    table_->record() = as_read();
    changes_.apply(table_->record());
    if (!changes_.empty()) {
        ErrorReporter::Quiet quiet;
        const bool stored = request() == kRequestInsert ? relations_->insert() : relations_->update();
        if (!stored) {
            app_error_reporter().log("Closed by another program: the changes made on this screen to " + table_->file_label() +
                                     " could not be stored and were dropped.");
            set_response(kResponseCancelled);
            return Flow::Stop;
        }
    }
    keep_history();
    return WindowController::on_completed();
}

void LiveForm::keep_history() {
    if (!decl_.history) return;
    auto& copy = histories()[procedure()];
    copy = std::make_unique<store::RecordBuffer>(table_->record());
}

bool LiveForm::confirm_close() {
    if (!decl_.request_handling || remote_close_) return true;
    const int r = request();
    if ((r == kRequestInsert || r == kRequestChange) && changed_since_open()) {
        if (app_error_reporter().raise(10) != ButtonYes) return false;
    }
    return true;
}

}  // namespace zrv::live
