#include "device/pause_timeline.h"

#include <algorithm>
#include <thread>

PauseTimeline::TimePoint PauseTimeline::Deadline(TimePoint now, int ms) {
    const Duration pause = std::chrono::milliseconds(ms);
    if (now - deadline_ > kNewExchangeAfter) {
        deadline_ = now + pause;
    } else {
        deadline_ = std::max(deadline_ + pause, now + pause - kMaxCatchUp);
    }
    return deadline_;
}

void DeadlineClock::Sleep(int milliseconds) {
    std::this_thread::sleep_until(timeline_.Deadline(std::chrono::steady_clock::now(), milliseconds));
}
