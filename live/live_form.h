#pragma once
// LiveForm: the controller of every form a list runs, declared as data. It carries the live
// conventions, each written once here:
//   RequestCaption     the request's text in the title or the status bar; delete refused (14)
//   FormActionSetup    the copy taken as the form opens, message 10 on cancel, view mode,
//                      a cancelled insert removes the record its list added
//   LiveRecordRefresh  every timer tick: read the record again, close test, redisplay, reset;
//                      in change and insert mode the operator's changes outlive the re-reads
//                      (OperatorChanges) and a close from outside writes only those, quietly
//   RelatedRecordLookup  the related records fetched on every reset (inert while "AcceptAll")
//   history copies     each completion keeps the record; Ctrl+H in an entry restores its field
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "data/declaration.h"
#include "data/dictionary.h"
#include "framework/core/window_controller.h"
#include "framework/store/record_buffer.h"
#include "live/operator_changes.h"
#include "live/related_records.h"

namespace zrv::data {
class DictionaryTable;
class DictionaryRelations;
}

namespace zrv::live {

enum class CaptionPlace { Title, StatusZone2, Status };
enum class CloseVariant { CompletedAndClose, CloseOnly, None };
enum class FrameworkHandling { First, Last };

struct FormDeclaration {
    data::TableId table{};
    std::string primary_key;  // "RM:keyIDResultadosM"
    std::string key_field;    // shown after the title: "RM:IDResultadosM"
    bool request_handling = true;
    CaptionPlace caption = CaptionPlace::StatusZone2;
    bool title_with_key = true;
    bool live = true;  // LiveRecordRefresh on the window timer
    CloseVariant close = CloseVariant::CompletedAndClose;
    FrameworkHandling handling = FrameworkHandling::Last;
    std::vector<RelatedLookup> related;
    bool history = false;
    // The entries view mode makes read-only (use names); empty: every entry of the form.
    std::vector<std::string> view_read_only;
};

inline constexpr const char* kViewRecordText = "View Record";
inline constexpr const char* kAddRecordText = "Record Will Be Added";
inline constexpr const char* kChangeRecordText = "Record Will Be Changed";

class LiveForm : public WindowController {
public:
    LiveForm(std::string procedure, const WindowLayout& layout, FormDeclaration declaration);
    ~LiveForm() override;

    bool initialize() override;
    void run_event_loop() override;
    Flow take_event(Event& event) override;
    void shutdown() override;
    Flow on_accepted(int control) override;
    Flow on_selected(int control) override;
    Flow on_alert_key(int control) override;
    Flow on_window_event(const Event& event) override;
    void reset(bool force) override;
    Flow on_ok() override;
    Flow on_completed() override;
    bool confirm_close() override;

    data::DictionaryTable& table() { return *table_; }
    // The calling thread's history copy of a procedure's record (nullptr when none yet).
    static const store::RecordBuffer* history_copy(const std::string& procedure);

protected:
    // A control that got the focus anew (not its return after a message box).
    virtual Flow on_new_focus(int control);
    // One tick of LiveRecordRefresh, and the framework's own handling of a window event.
    virtual void refresh();
    virtual Flow framework_event(const Event& event) { return WindowController::on_window_event(event); }
    bool changed_since_open() const;
    // Reads the record again by its primary key. In change and insert mode the fields the
    // operator changed keep the operator's values, and the store is told what those values were
    // made from, so that storing them over another program's change of the same field gives
    // message 7 instead of losing that change.
    void reread();
    // The record as the last re-read found it in the table.
    const store::RecordBuffer& as_read() const;
    // Whether the record as last read asks the form to close (its Cerrar is 1).
    bool asked_to_close() const;
    // Redisplays the record and fetches its related records, shown with it (one redisplay).
    void show_with_related();
    // A close asked from outside: the completed event (CompletedAndClose) and the close.
    void close_from_outside();

    FormDeclaration decl_;
    data::DictionaryTable* table_ = nullptr;
    data::DictionaryRelations* relations_ = nullptr;
    int key_ = -1;
    std::unique_ptr<store::RecordBuffer> open_copy_;  // as the form opened
    std::unique_ptr<store::RecordBuffer> as_read_;    // as the last re-read found it
    bool remote_close_ = false;                       // the record's Cerrar asked the form to close
    RelatedRecords related_;                          // decl_.related, found on the first reset
    bool prepared_insert_ = false;
    int last_selected_ = 0;

private:
    // Change and insert mode: what the operator typed or clicked is kept across re-reads.
    bool keeps_changes() const;
    // What the operator changed in the buffer is taken as the operator's (OperatorChanges::take).
    void take_changes();
    // An entry's text that does not fit its field: message 20 ("Range Error") names the field.
    Flow refuse(int c, const UnfitText& unfit);
    std::pair<int, std::string> refused_;  // the entry and text last refused, until the next tick
    // The field of the form's own record that control c shows (-1: none, or a memo).
    int own_field(int c) const;
    Flow complete_closed_from_outside();
    // Each completion keeps the record for Ctrl+H.
    void keep_history();

    OperatorChanges changes_;
    bool ticking_ = false;  // a timer event is being handled
    static constexpr int kUnknownField = -2;
    mutable int cerrar_ = kUnknownField;  // the table's close flag (-1: none)
};

}  // namespace zrv::live
