#include "framework/core/thread_context.h"

#include <pthread.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <set>

#include "framework/core/window.h"

namespace zrv {
namespace {

thread_local ThreadContext* t_context = nullptr;

std::mutex g_hooks_mutex;
ThreadHooks g_hooks;

// The registry is never destroyed: detached threads may still leave it while the process exits.
std::mutex& g_threads_mutex = *new std::mutex;
std::condition_variable& g_threads_cv = *new std::condition_variable;
std::set<ThreadContext*> g_threads;  // procedure threads now running, thread 1 excluded
int g_pending_starts = 0;            // asked for, not yet registered
int g_refusals = 0;
std::atomic<int> g_next_number{2};
ThreadContext* g_thread_1 = nullptr;  // under g_threads_mutex
// Where close_other_threads waits; woken, outside g_threads_mutex, whenever a thread ends,
// refuses to close or has its message box answered. Lock order: this point, then g_threads_mutex.
WaitPoint& g_closing = *new WaitPoint;
std::mutex& g_closer_mutex = *new std::mutex;  // one closer at a time

ThreadHooks hooks() {
    std::lock_guard lock(g_hooks_mutex);
    return g_hooks;
}

struct Start {
    std::function<void()> body;
    int number;
};

void run_thread(ThreadContext& context, const std::function<void()>& body) {
    t_context = &context;
    ThreadHooks h = hooks();
    if (h.start) h.start();
    body();
    if (h.end) h.end();
    t_context = nullptr;
}

void* thread_main(void* arg) {
    std::unique_ptr<Start> start(static_cast<Start*>(arg));
    ThreadContext context(start->number);
    {
        std::lock_guard lock(g_threads_mutex);
        --g_pending_starts;
        g_threads.insert(&context);
    }
    run_thread(context, start->body);
    {
        std::lock_guard lock(g_threads_mutex);
        g_threads.erase(&context);
        g_threads_cv.notify_all();
    }
    g_closing.wake();
    Activity::end();
    return nullptr;
}

}  // namespace

void EventQueue::post(Event event) {
    std::lock_guard lock(point_.mutex());
    events_.push_back(std::move(event));
    point_.wake_locked();
}

Event EventQueue::take(Window& window) {
    std::unique_lock lock(point_.mutex());
    for (;;) {
        ThreadContext* owner = window.owner();
        if (owner && owner->close_requested() && !window.close_down_posted) {
            window.close_down_posted = true;
            Event e;
            e.kind = EventKind::CloseWindow;
            e.window = window.id();
            return e;
        }
        while (!events_.empty()) {
            Event e = std::move(events_.front());
            events_.pop_front();
            if (e.window == 0 || e.window == window.id()) return e;
            // An event for another window of the thread: that window waits for a child, and a
            // waiting window gets no events.
        }
        const int interval = window.timer();
        std::int64_t deadline = -1;
        if (interval > 0) {
            const std::int64_t period = interval * 10LL;
            const std::int64_t now = clock().monotonic_ms();
            if (window.timer_due_ms < 0) window.timer_due_ms = now + period;
            if (now >= window.timer_due_ms) {
                window.timer_due_ms += period;
                if (window.timer_due_ms <= now) window.timer_due_ms = now + period;  // fell behind: no burst
                Event e;
                e.kind = EventKind::Timer;
                e.window = window.id();
                return e;
            }
            deadline = window.timer_due_ms;
        } else {
            window.timer_due_ms = -1;
        }
        point_.wait(lock, deadline);
    }
}

void ThreadContext::request_close() {
    close_requested_ = true;
    queue_.wake();
}

ThreadContext& this_thread() {
    if (!t_context) {
        thread_local ThreadContext foreign(0);
        t_context = &foreign;
    }
    return *t_context;
}

std::uint8_t& ThreadRequest() { return this_thread().request; }
std::uint8_t& ThreadResponse() { return this_thread().response; }
std::int32_t& ThreadVcrRequest() { return this_thread().vcr_request; }

void set_thread_hooks(ThreadHooks h) {
    std::lock_guard lock(g_hooks_mutex);
    g_hooks = std::move(h);
}

int start_thread(std::function<void()> body, std::size_t requested_stack) {
    const int number = g_next_number++;
    auto* start = new Start{std::move(body), number};
    pthread_attr_t attr;
    pthread_attr_init(&attr);
    pthread_attr_setstacksize(&attr, std::max(requested_stack, kMinimumThreadStack));
    pthread_attr_setdetachstate(&attr, PTHREAD_CREATE_DETACHED);
    Activity::begin();
    {
        std::lock_guard lock(g_threads_mutex);
        ++g_pending_starts;
    }
    pthread_t id;
    const int rc = pthread_create(&id, &attr, thread_main, start);
    pthread_attr_destroy(&attr);
    if (rc != 0) {
        delete start;
        {
            std::lock_guard lock(g_threads_mutex);
            --g_pending_starts;
            g_threads_cv.notify_all();
        }
        Activity::end();
        return 0;
    }
    return number;
}

void run_as_main_thread(const std::function<void()>& body) {
    ThreadContext context(1);
    ThreadContext* previous = t_context;
    {
        std::lock_guard lock(g_threads_mutex);
        g_thread_1 = &context;
    }
    run_thread(context, body);
    {
        std::lock_guard lock(g_threads_mutex);
        g_thread_1 = nullptr;
    }
    t_context = previous;
}

int running_threads() {
    std::lock_guard lock(g_threads_mutex);
    return static_cast<int>(g_threads.size()) + g_pending_starts;
}

AwaitingAnswer::AwaitingAnswer() : previous_(this_thread().awaiting_answer_.exchange(true)) {}

AwaitingAnswer::~AwaitingAnswer() {
    this_thread().awaiting_answer_ = previous_;
    g_closing.wake();
}

bool close_other_threads(int limit_ms) {
    std::lock_guard closer(g_closer_mutex);
    int refusals = 0;
    {
        std::lock_guard lock(g_threads_mutex);
        refusals = g_refusals;
        for (ThreadContext* t : g_threads)
            if (t != t_context) t->request_close();
    }
    std::unique_lock point(g_closing.mutex());
    std::int64_t deadline = clock().monotonic_ms() + limit_ms;
    for (;;) {
        bool asking = false;
        {
            std::lock_guard lock(g_threads_mutex);
            int others = g_pending_starts;
            for (ThreadContext* t : g_threads) {
                if (t == t_context) continue;
                ++others;
                asking = asking || t->awaiting_answer();
            }
            if (others == 0) return true;
            if (g_refusals != refusals) return false;
        }
        if (asking) {
            g_closing.wait(point, -1);
            deadline = clock().monotonic_ms() + limit_ms;  // the limit counts from the answer
            continue;
        }
        if (clock().monotonic_ms() >= deadline) return false;
        g_closing.wait(point, deadline);
    }
}

void request_close_everywhere() {
    std::lock_guard lock(g_threads_mutex);
    for (ThreadContext* t : g_threads) t->request_close();
    if (g_thread_1) g_thread_1->request_close();
}

bool wait_for_threads(int limit_ms) {
    std::unique_lock lock(g_threads_mutex);
    return g_threads_cv.wait_for(lock, std::chrono::milliseconds(limit_ms), [] { return g_threads.empty() && g_pending_starts == 0; });
}

void report_close_refused() {
    this_thread().clear_close_request();
    {
        std::lock_guard lock(g_threads_mutex);
        ++g_refusals;
        g_threads_cv.notify_all();
    }
    g_closing.wake();
}

}  // namespace zrv
