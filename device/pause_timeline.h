// Pauses timed against absolute deadlines. Each pause of an exchange ends
// at the previous pause's deadline plus its own length, so small delays (a
// late wake-up, the time a report takes) are made up for in the next pause
// instead of adding up over a whole apply.
#pragma once

#include <chrono>

#include "device/clock.h"
#include "device/transport.h"

class PauseTimeline {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    using Duration = std::chrono::steady_clock::duration;

    // A pause asked for this long after the previous deadline starts a new
    // exchange: its deadline counts from now.
    static constexpr Duration kNewExchangeAfter = std::chrono::milliseconds(50);
    // The pauses after a report end no earlier than their sum less this
    // after the report, so the mouse never sees two reports closer than
    // that, however late the first of them went out.
    static constexpr Duration kMaxCatchUp = std::chrono::microseconds(900);

    // A report has just been exchanged with the mouse.
    void ReportDone(TimePoint now);
    // The deadline of a pause of `ms` asked for at `now`.
    TimePoint Deadline(TimePoint now, int ms);

private:
    TimePoint deadline_{};
    TimePoint lastReport_{};
    Duration sinceReport_{};  // the pauses asked for since the last report
};

// The apply worker's clock: sleeps until each pause's deadline.
class DeadlineClock final : public Clock {
public:
    void Sleep(int milliseconds) override;
    void ReportDone();

private:
    PauseTimeline timeline_;
};

// Tells the clock about every report the worker exchanges.
class PacedTransport final : public Transport {
public:
    PacedTransport(Transport& inner, DeadlineClock& clock) : inner_(inner), clock_(clock) {}
    void SetFeature(std::span<const uint8_t, kFeatureReportSize> command) override;
    bool GetFeature(std::span<uint8_t, kFeatureReportSize> buffer) override;
    void WriteUSB(std::span<const uint8_t, kUsbWriteSize> data) override;

private:
    Transport& inner_;
    DeadlineClock& clock_;
};
