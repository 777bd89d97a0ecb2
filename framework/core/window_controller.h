#pragma once
// WindowController: the behaviour of one procedure's window. A screen subclasses it and
// overrides the few operations it needs; everything else is the framework's own handling.
//
//   run()            initialize(), run_event_loop() if that succeeded, shutdown(); returns the
//                    response (1 completed, 2 cancelled, also when unset), copied to ThreadResponse
//   initialize()     pushes the procedure's name, takes the request from ThreadRequest and clears
//                    ThreadRequest and ThreadResponse, opens the window, restores its placement
//   shutdown()       closes the window, saves its placement if it was opened, pops the name
#include <memory>
#include <string>

#include "framework/core/event.h"
#include "framework/core/window.h"

namespace zrv {

enum class Flow { Continue, Stop };  // whether the window's loop goes on

inline constexpr int kRequestNone = 0, kRequestInsert = 1, kRequestChange = 2, kRequestDelete = 3, kRequestSelect = 4,
                     kRequestView = 6;
inline constexpr int kResponseCompleted = 1, kResponseCancelled = 2;

class WindowController {
public:
    WindowController(std::string procedure, const WindowLayout& layout);
    virtual ~WindowController();
    WindowController(const WindowController&) = delete;
    WindowController& operator=(const WindowController&) = delete;

    int run();

    virtual bool initialize();
    virtual void run_event_loop();
    virtual void shutdown();

    // One event, as the loop takes it: the operator's edit is applied, then field events go to
    // on_accepted / on_selected / on_new_selection / on_alert_key / on_scroll_drag and window
    // events to the timer handlers (timer only) and on_window_event. Escape goes to
    // on_accepted of escape_control(), as a click on that button does.
    virtual Flow take_event(Event& event);
    virtual Flow on_accepted(int control);
    virtual Flow on_selected(int control);
    virtual Flow on_new_selection(int control);
    virtual Flow on_alert_key(int control);
    virtual Flow on_scroll_drag(int control);
    virtual Flow on_window_event(const Event& event);

    // Lists reload their page (always when forced) and controls are redisplayed; nothing while
    // the window's "AcceptAll" property is set.
    virtual void reset(bool force);
    // A child procedure run from this window, on this thread. The base runs nothing: 0.
    virtual int run_child(int number, int request);

    // OK: with request 1 or 2 accepts every control in turn ("AcceptAll" set), then completes
    // the request; otherwise completes at once.
    virtual Flow on_ok();
    // The completed event: the base sets the completed response and ends the loop.
    virtual Flow on_completed();
    // The close-window event: whether the window may close (forms ask message 10).
    virtual bool confirm_close();

    Window& window() { return *window_; }
    const Window& window() const { return *window_; }
    const std::string& procedure() const { return procedure_; }
    int request() const { return request_; }
    void set_request(int request) { request_ = request; }
    int response() const { return response_; }
    void set_response(int response) { response_ = response; }
    bool opened() const { return opened_; }

    // The controls that act as the form's OK and cancel buttons.
    void set_ok_control(int number) { ok_control_ = number; }
    void set_cancel_control(int number) { cancel_control_ = number; }
    int ok_control() const { return ok_control_; }
    int cancel_control() const { return cancel_control_; }
    // What Escape presses: the cancel button, else the window's close button (a list's); 0
    // when the window has neither or it is disabled.
    int escape_control() const;

    // The control number of a use name; 0 when the window has none.
    int control(std::string_view use) const { return window_->number_of(use); }

    // Accepts every enabled entry, box and drop list of the window in turn with "AcceptAll"
    // set; false when a control's handling selected a control (a failed look-up) or stopped.
    bool accept_all_controls();

protected:
    // The framework's own action for a standard control (menu items, OK, cancel).
    Flow standard_action(int control);

private:
    std::string procedure_;
    std::unique_ptr<Window> window_;
    int request_ = 0;
    int response_ = 0;
    bool opened_ = false;
    bool tracked_ = false;
    int ok_control_ = 0;
    int cancel_control_ = 0;
};

}  // namespace zrv
