#pragma once
// Procedure threads. Every procedure runs on a thread of its own (the frame on thread 1); what
// a procedure opens runs on the same thread. Each thread has its own request and response
// variables, its own event queue and its own stack of open windows; other layers keep their
// per-thread state (table buffers, the data dictionary, bind scopes) in thread_local storage
// and plug their start and end work into the thread hooks.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "framework/core/clock.h"
#include "framework/core/event.h"

namespace zrv {

class Window;

class EventQueue {
public:
    void post(Event event);
    // The next event for window, or the window's timer when it falls due; blocks (idle) until
    // one of them is there. Events for other windows of the thread (a parent while its child
    // is open) are dropped.
    Event take(Window& window);
    WaitPoint& wait_point() { return point_; }
    void wake() { point_.wake(); }

private:
    WaitPoint point_;
    std::deque<Event> events_;
};

class ThreadContext {
public:
    explicit ThreadContext(int number) : number_(number) {}
    int number() const { return number_; }

    std::uint8_t request = 0;      // ThreadRequest
    std::uint8_t response = 0;     // ThreadResponse
    std::int32_t vcr_request = 0;  // ThreadVcrRequest

    EventQueue& queue() { return queue_; }
    std::vector<Window*>& windows() { return windows_; }
    Window* top_window() const { return windows_.empty() ? nullptr : windows_.back(); }

    // Asks the thread's windows to close, innermost first (the frame closing down).
    void request_close();
    bool close_requested() const { return close_requested_.load(); }
    void clear_close_request() { close_requested_ = false; }
    // Whether the thread waits for the operator's answer to a message box.
    bool awaiting_answer() const { return awaiting_answer_.load(); }

private:
    const int number_;
    EventQueue queue_;
    std::vector<Window*> windows_;
    std::atomic<bool> close_requested_{false};
    std::atomic<bool> awaiting_answer_{false};
    friend class AwaitingAnswer;
};

// Marks the calling thread, while it lives, as waiting for the operator's answer (a message
// box): a thread closing the others waits for that answer instead of giving up at its limit.
class AwaitingAnswer {
public:
    AwaitingAnswer();
    ~AwaitingAnswer();
    AwaitingAnswer(const AwaitingAnswer&) = delete;
    AwaitingAnswer& operator=(const AwaitingAnswer&) = delete;

private:
    bool previous_;
};

// The calling thread's context (a thread that is not a procedure thread gets one of number 0).
ThreadContext& this_thread();
std::uint8_t& ThreadRequest();
std::uint8_t& ThreadResponse();
std::int32_t& ThreadVcrRequest();

// Run at the start and end of every procedure thread, on that thread.
struct ThreadHooks {
    std::function<void()> start;  // ThreadStartHook: after the thread's state is set up
    std::function<void()> end;    // ThreadEndHook: after its procedure has returned
};
void set_thread_hooks(ThreadHooks hooks);

// The thread machinery gives each thread at least this much stack, whatever is asked for.
inline constexpr std::size_t kMinimumThreadStack = 1024 * 1024;

// Starts body on a new procedure thread with (at least) the requested stack. Returns the
// thread's number, 0 when the thread could not be started.
int start_thread(std::function<void()> body, std::size_t requested_stack);

// Runs body as thread 1 on the calling thread: the thread start and end run around it.
void run_as_main_thread(const std::function<void()>& body);

// The procedure threads now running (thread 1 excluded).
int running_threads();
// Asks every procedure thread but the caller to close its windows, then waits until they have
// all ended. While one of them waits for the operator's answer to a message box ("Changes will
// be lost!"), the wait goes on without a limit; the time limit counts from the last answer.
// Returns false when one of them refused (a window that would not close) or the time limit
// passed; the threads that refused keep running. The wait is idle on the process clock.
bool close_other_threads(int limit_ms = 30000);
// Asks every procedure thread, thread 1 included, to close its windows; does not wait.
void request_close_everywhere();
// Waits until every procedure thread has ended (tests, program end).
bool wait_for_threads(int limit_ms = 30000);
// A thread whose window refused to close while closing down reports it here.
void report_close_refused();

}  // namespace zrv
