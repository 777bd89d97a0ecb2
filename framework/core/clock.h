#pragma once
// The one clock of the process and the way threads wait on it.
//  - Clock: monotonic time and time of day. The system clock is the default; tests install a
//    VirtualClock that they step (framework/engine/headless/virtual_clock.h), so that "the 3rd
//    tick" is exact.
//  - WaitPoint: where a procedure thread blocks (for its next event, or for the answer to a
//    message box). A thread that waits is idle; whoever wakes it marks it busy again at once,
//    so Activity::settle() can tell when every thread has run until it has nothing left to do.
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>

namespace zrv {

class WaitPoint;

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::int64_t monotonic_ms() const = 0;
    // Hundredths of a second since local midnight (0 .. 8,639,999).
    virtual std::int64_t time_of_day_cs() const = 0;
    std::int64_t monotonic_cs() const { return monotonic_ms() / 10; }

    // Blocks on point (whose mutex lock holds) until it is woken or the monotonic time
    // reaches deadline_ms (a negative deadline waits without one).
    virtual void wait(WaitPoint& point, std::unique_lock<std::mutex>& lock, std::int64_t deadline_ms) = 0;
};

class SystemClock final : public Clock {
public:
    std::int64_t monotonic_ms() const override;
    std::int64_t time_of_day_cs() const override;
    void wait(WaitPoint& point, std::unique_lock<std::mutex>& lock, std::int64_t deadline_ms) override;
};

Clock& clock();
// Installs a clock (nullptr restores the system clock). Only while no thread waits.
void set_clock(Clock* clock);

// Counts the procedure threads that are running (not waiting). A new thread counts from the
// moment it is asked for; a waiting thread is counted again the moment something wakes it.
class Activity {
public:
    static void begin();  // a thread becomes busy
    static void end();    // a thread becomes idle (or ends)
    static int busy();
    // Blocks until no thread is busy, or the real-time limit passes; returns whether settled.
    static bool settle(int limit_ms = 10000);
};

class WaitPoint {
public:
    WaitPoint();
    ~WaitPoint();
    WaitPoint(const WaitPoint&) = delete;
    WaitPoint& operator=(const WaitPoint&) = delete;

    std::mutex& mutex() { return mutex_; }
    // With mutex() held: block until woken or the deadline passes; counts as idle meanwhile.
    void wait(std::unique_lock<std::mutex>& lock, std::int64_t deadline_ms = -1);
    // Wakes the waiting thread (if any) and counts it busy at once. Takes mutex() itself.
    void wake();
    // With mutex() held: the same as wake().
    void wake_locked();

    std::int64_t deadline_ms() const { return deadline_ms_.load(); }
    std::condition_variable& condition() { return cv_; }

private:
    friend class SystemClock;
    friend class VirtualClock;  // the tests' clock (framework/engine/headless/virtual_clock.h)
    void enter_idle();          // mutex() held
    void leave_idle();          // mutex() held

    std::mutex mutex_;
    std::condition_variable cv_;
    bool idle_ = false;
    std::uint64_t wakes_ = 0;
    std::atomic<std::int64_t> deadline_ms_{-1};
};

}  // namespace zrv
