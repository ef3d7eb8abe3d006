// Pauses timed against absolute deadlines. Each pause of an exchange ends
// at the previous pause's deadline plus its own length, so small delays (a
// late wake-up, the time a report takes) are made up for in the next pause
// instead of adding up over a whole apply.
#pragma once

#include <chrono>

#include "device/clock.h"

class PauseTimeline {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    using Duration = std::chrono::steady_clock::duration;

    // A pause asked for this long after the previous deadline starts a new
    // exchange: its deadline counts from now.
    static constexpr Duration kNewExchangeAfter = std::chrono::milliseconds(50);
    // A pause is asked for once the report before it has been received, so
    // ending it no earlier than its length less this after the request
    // keeps any two reports at least that far apart, however late the
    // previous one went out.
    static constexpr Duration kMaxCatchUp = std::chrono::microseconds(900);

    // The deadline of a pause of `ms` asked for at `now`.
    TimePoint Deadline(TimePoint now, int ms);

private:
    TimePoint deadline_{};
};

// The apply worker's clock: sleeps until each pause's deadline.
class DeadlineClock final : public Clock {
public:
    void Sleep(int milliseconds) override;

private:
    PauseTimeline timeline_;
};
