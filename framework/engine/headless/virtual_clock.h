#pragma once
// The tests' clock: it moves only when a test steps it, so that "the 3rd tick" is exact.
#include <atomic>
#include <cstdint>
#include <mutex>
#include <set>

#include "framework/core/clock.h"

namespace zrv {

// A clock that moves only when a test steps it. Waiting threads with a deadline are woken,
// in deadline order, as the clock passes their deadlines.
class VirtualClock final : public Clock {
public:
    explicit VirtualClock(std::int64_t start_ms = 1'000'000, std::int64_t time_of_day_cs = 12 * 360000);
    std::int64_t monotonic_ms() const override { return now_ms_.load(); }
    std::int64_t time_of_day_cs() const override;
    void wait(WaitPoint& point, std::unique_lock<std::mutex>& lock, std::int64_t deadline_ms) override;

    // Moves time forward by ms, stopping at every deadline on the way and letting every thread
    // settle there, so timers fire exactly as often as they would in real time.
    void advance_ms(std::int64_t ms);
    void set_time_of_day_cs(std::int64_t cs);

private:
    std::int64_t next_deadline_after_now();
    void wake_due();

    std::atomic<std::int64_t> now_ms_;
    std::atomic<std::int64_t> day_offset_cs_;  // time of day = (now/10 + offset) mod one day
    std::mutex mutex_;
    std::set<WaitPoint*> waiting_;
};

}  // namespace zrv
