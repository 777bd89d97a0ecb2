#pragma once
// One operator, two engines. The scenario tests play the operator through this interface and
// run once on the headless engine and once on the Qt engine. On Qt the operator sends real
// input (QTest mouse and key events to the widgets) and reads what the widgets show; on the
// headless engine it sends the events the Qt engine sends for the same input, in the same
// order, and reads the model as the widgets would show it. Both run on a virtual clock.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "framework/core/window.h"
#include "framework/core/error_reporter.h"

namespace zrv::testing {

enum class Key { Enter, CtrlH, Escape, Down, PageDown };

struct ShownMessage {
    std::string title, text;
};

class Operator {
public:
    virtual ~Operator() = default;
    virtual const char* engine_name() const = 0;

    // Starts a procedure on a thread of its own, as the frame's menu does, and settles.
    virtual void start(std::string_view procedure) = 0;
    // The newest open window of that procedure (or, failing that, title); null when none.
    virtual Window* window(std::string_view name) = 0;
    // Lets every thread run until idle and the windows show the model.
    virtual void settle() = 0;
    // Steps the virtual clock; every window timer due on the way ticks.
    virtual void advance_ms(std::int64_t ms) = 0;

    // --- input; each settles afterwards ---
    // A left click on a control: the focus moves there first (leaving an entry accepts it when
    // it was changed), then a button is pressed, a box toggled.
    virtual void click(Window& w, std::string_view use) = 0;
    // A left click on a row (1-based) of the page a list shows.
    virtual void click_row(Window& w, std::string_view use, int row) = 0;
    virtual void double_click_row(Window& w, std::string_view use, int row) = 0;
    // A left click on a tab (1-based) of a sheet.
    virtual void click_tab(Window& w, std::string_view sheet, int tab) = 0;
    // Characters typed one by one to the control that has the focus.
    virtual void type(std::string_view text) = 0;
    // Selects the whole text of the focused entry, so that typing replaces it.
    virtual void select_all() = 0;
    // A key to the control that has the focus (to the active window when none has it).
    virtual void press(Key key) = 0;
    // Alt and a letter: the button of the active window whose text has that access key ("&OK":
    // 'o') is pressed, the focus staying where it is.
    virtual void press_access_key(char letter) = 0;
    // Clicks into an entry and types over its text; the entry keeps the focus.
    void fill(Window& w, std::string_view use, std::string_view text) {
        click(w, use);
        select_all();
        type(text);
    }

    // --- what shows ---
    virtual std::string text(Window& w, std::string_view use) = 0;  // entries, texts, buttons
    virtual std::string focused(Window& w) = 0;                     // the use of the control with the focus, "" none
    virtual std::string status(Window& w, int zone) = 0;            // 1-based
    virtual bool enabled(Window& w, std::string_view use) = 0;
    // Shown: neither it nor what holds it hidden, and on its sheet's current tab.
    virtual bool visible(Window& w, std::string_view use) = 0;
    // Lists: the highlighted row of the page (1-based, 0 none) and a cell's text.
    virtual int selected_row(Window& w, std::string_view use) = 0;
    virtual std::string cell(Window& w, std::string_view use, int row, int column) = 0;
    // The rows of the page a list shows, and how many of them from the first stand whole in sight.
    virtual int rows(Window& w, std::string_view use) = 0;
    virtual int rows_whole(Window& w, std::string_view use) = 0;
    // The thumb of a list's scroll bar dragged to a step and held there (or let go there); the
    // step it stands at.
    virtual int drag_thumb(Window& w, std::string_view use, int step, bool let_go) = 0;
    // A digital clock's eight cells from control number first_cell on, as "hh:mm:ss" read from
    // the digit pictures they show ('?' a cell showing no digit picture of the "Paint" set).
    virtual std::string clock(Window& w, int first_cell) = 0;
    // The message box showing, if any, and its answer.
    virtual std::optional<ShownMessage> message() = 0;
    virtual void answer(Button button) = 0;
    // Whether a window waits for a message box: it takes no input meanwhile, but shows as it is.
    virtual bool blocked(Window& w) = 0;
};

std::unique_ptr<Operator> make_headless_operator();
std::unique_ptr<Operator> make_qt_operator();

}  // namespace zrv::testing
