#pragma once
// ListScreen: the controller every list runs. A list is a layout plus a ListScreenDeclaration:
// its BrowseList, the form it runs (ListRunsForm), its buttons, its timer (ListTimerRefresh) and
// its search box (FuzzySearchAll).
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/core/window_controller.h"
#include "live/bind_scope.h"
#include "live/browse_list.h"

namespace zrv::live {

// The key code the engines give a double click on a list row.
inline constexpr int kDoubleClickKey = 0x0105;

// The steps a list's timer runs, in their order.
enum class TimerStep { Display, Reset, Framework };

struct ListButtons {
    std::string view = "?View", insert = "?Insert", change = "?Change", remove = "?Delete", select = "?Select";
};

// Which controls named after the list table's fields ("?KE24:QUEUE") show the highlighted row's
// record: bound at set-up and shown again on every new selection.
enum class RecordControls {
    None,
    All,
    AllButLocator,  // the typing locator's entry keeps what is typed into it
};

struct ListScreenDeclaration {
    ListDeclaration list;
    std::string form;  // the form the buttons run (ListRunsForm); empty: none
    ListButtons buttons;
    int timer = 0;  // hundredths of a second, 0: none
    std::vector<TimerStep> timer_steps;
    // The tables the list opens through their relation managers besides its own.
    std::vector<data::TableId> also_open;
    RecordControls record_controls = RecordControls::None;
};

class ListScreen : public WindowController {
public:
    ListScreen(std::string procedure, const WindowLayout& layout, ListScreenDeclaration declaration);
    ~ListScreen() override;

    bool initialize() override;
    void shutdown() override;
    Flow on_accepted(int control) override;
    Flow on_new_selection(int control) override;
    Flow on_alert_key(int control) override;
    Flow on_scroll_drag(int control) override;
    Flow on_window_event(const Event& event) override;
    void reset(bool force) override;
    int run_child(int number, int request) override;

    BrowseList& browse() { return *browse_; }

protected:
    // The framework's handling of a window event, as a timer step.
    virtual Flow framework_event(const Event& event) { return WindowController::on_window_event(event); }
    // The display step of a timer: every control shown again.
    virtual void timer_display() { window().display(); }
    int request_of(int control) const;
    // A navigation button or key: the list moves and the window shows the highlighted record.
    void scroll(Scroll move);

    ListScreenDeclaration decl_;
    std::unique_ptr<BrowseList> browse_;
    std::optional<BindFrame> binds_;
    int query_ = 0, go_ = 0, clear_ = 0, locator_ = 0, sheet_ = 0;
};

}  // namespace zrv::live
