#include "framework/engine/headless/virtual_clock.h"

namespace zrv {
namespace {

constexpr std::int64_t kDayCs = 24LL * 360000;

}  // namespace

VirtualClock::VirtualClock(std::int64_t start_ms, std::int64_t time_of_day_cs) : now_ms_(start_ms), day_offset_cs_(0) {
    set_time_of_day_cs(time_of_day_cs);
}

std::int64_t VirtualClock::time_of_day_cs() const {
    std::int64_t t = (now_ms_.load() / 10 + day_offset_cs_.load()) % kDayCs;
    return t < 0 ? t + kDayCs : t;
}

void VirtualClock::set_time_of_day_cs(std::int64_t cs) { day_offset_cs_ = cs - now_ms_.load() / 10; }

void VirtualClock::wait(WaitPoint& point, std::unique_lock<std::mutex>& lock, std::int64_t deadline_ms) {
    // Lock order everywhere: the clock's mutex, then a point's mutex. The point is registered
    // before its thread counts as idle, so a step of the clock never misses its deadline.
    const std::uint64_t wakes = point.wakes_;
    lock.unlock();
    std::unique_lock registry(mutex_);
    lock.lock();
    if (point.wakes_ != wakes || (deadline_ms >= 0 && deadline_ms <= now_ms_.load())) return;
    waiting_.insert(&point);
    point.enter_idle();
    registry.unlock();
    point.cv_.wait(lock, [&] { return !point.idle_; });
    lock.unlock();
    registry.lock();
    waiting_.erase(&point);
    registry.unlock();
    lock.lock();
}

std::int64_t VirtualClock::next_deadline_after_now() {
    std::lock_guard guard(mutex_);
    std::int64_t best = -1;
    for (WaitPoint* p : waiting_) {
        std::int64_t d = p->deadline_ms_.load();
        if (d > now_ms_.load() && (best < 0 || d < best)) best = d;
    }
    return best;
}

void VirtualClock::wake_due() {
    std::lock_guard registry(mutex_);
    for (WaitPoint* p : waiting_) {
        if (p->deadline_ms_ < 0 || p->deadline_ms_ > now_ms_.load()) continue;
        std::lock_guard point_lock(p->mutex_);
        p->wake_locked();
    }
}

void VirtualClock::advance_ms(std::int64_t ms) {
    const std::int64_t target = now_ms_.load() + ms;
    Activity::settle();
    for (;;) {
        std::int64_t next = next_deadline_after_now();
        if (next < 0 || next > target) break;
        now_ms_ = next;
        wake_due();
        Activity::settle();
    }
    now_ms_ = target;
    wake_due();
    Activity::settle();
}

}  // namespace zrv
