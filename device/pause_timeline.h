// Pauses timed against absolute deadlines. Each pause of an exchange ends
// at the previous pause's deadline plus its own length, so the time spent
// sending and the lateness of one wake-up are not added to the next pause;
// over a whole apply the pauses add up to what the protocol asks, not to
// that plus a little per step.
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
    // A late wake-up is made up for by at most this much in the next pause,
    // so that the mouse never sees two reports closer than the pause less
    // this.
    static constexpr Duration kMaxCatchUp = std::chrono::microseconds(500);

    // The deadline of a pause of `ms` asked for at `now`.
    TimePoint Deadline(TimePoint now, int ms);
    // The thread woke from the pause at `woke`.
    void Woke(TimePoint woke) { woke_ = woke; }

private:
    TimePoint deadline_{};
    TimePoint woke_{};
};

// The apply worker's clock: sleeps until each pause's deadline.
class DeadlineClock final : public Clock {
public:
    void Sleep(int milliseconds) override;

private:
    PauseTimeline timeline_;
};
