#include "framework/core/clock.h"

#include <chrono>
#include <ctime>
#include <vector>

namespace zrv {
namespace {

SystemClock g_system_clock;
std::atomic<Clock*> g_clock{&g_system_clock};

// Never destroyed: a detached procedure thread may still count itself idle while the
// process exits.
// The count is kept apart from the mutex, which only a thread that settles, or the last thread
// to become idle, takes: every wait of every thread passes here.
struct ActivityState {
    std::mutex mutex;
    std::condition_variable cv;
    std::atomic<int> busy{0};
};
ActivityState& activity() {
    static ActivityState* state = new ActivityState;
    return *state;
}

}  // namespace

// --- SystemClock ---

std::int64_t SystemClock::monotonic_ms() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::int64_t SystemClock::time_of_day_cs() const {
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    auto cs = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000 / 10;
    return (local.tm_hour * 3600LL + local.tm_min * 60LL + local.tm_sec) * 100 + cs;
}

void SystemClock::wait(WaitPoint& point, std::unique_lock<std::mutex>& lock, std::int64_t deadline_ms) {
    point.enter_idle();
    if (deadline_ms < 0) {
        point.cv_.wait(lock);
    } else if (deadline_ms > monotonic_ms()) {
        // Until the very millisecond: threads whose deadlines fall on the same millisecond wake
        // together, which costs each of them less than waking alone.
        point.cv_.wait_until(lock, std::chrono::steady_clock::time_point(std::chrono::milliseconds(deadline_ms)));
    }
    point.leave_idle();
}

Clock& clock() { return *g_clock.load(); }

void set_clock(Clock* c) { g_clock = c ? c : &g_system_clock; }

// --- Activity ---

void Activity::begin() { ++activity().busy; }

void Activity::end() {
    ActivityState& a = activity();
    if (--a.busy == 0) {
        // Under the mutex: a thread settling either sees the count at zero or is already waiting.
        std::lock_guard lock(a.mutex);
        a.cv.notify_all();
    }
}

int Activity::busy() { return activity().busy.load(); }

bool Activity::settle(int limit_ms) {
    ActivityState& a = activity();
    std::unique_lock lock(a.mutex);
    return a.cv.wait_for(lock, std::chrono::milliseconds(limit_ms), [&] { return a.busy.load() == 0; });
}

// --- WaitPoint ---

WaitPoint::WaitPoint() = default;
WaitPoint::~WaitPoint() = default;

void WaitPoint::wait(std::unique_lock<std::mutex>& lock, std::int64_t deadline_ms) {
    deadline_ms_ = deadline_ms;
    clock().wait(*this, lock, deadline_ms);
    deadline_ms_ = -1;
}

void WaitPoint::enter_idle() {
    idle_ = true;
    Activity::end();
}

void WaitPoint::leave_idle() {
    if (idle_) {  // woken by its own deadline (or spuriously): counts itself busy again
        idle_ = false;
        Activity::begin();
    }
}

void WaitPoint::wake_locked() {
    ++wakes_;
    if (idle_) {
        idle_ = false;
        Activity::begin();
    }
    cv_.notify_all();
}

void WaitPoint::wake() {
    std::lock_guard lock(mutex_);
    wake_locked();
}

}  // namespace zrv
