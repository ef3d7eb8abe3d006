#include "device/pause_timeline.h"

#include <algorithm>
#include <thread>

void PauseTimeline::ReportDone(TimePoint now) {
    lastReport_ = now;
    sinceReport_ = Duration::zero();
}

PauseTimeline::TimePoint PauseTimeline::Deadline(TimePoint now, int ms) {
    const Duration pause = std::chrono::milliseconds(ms);
    if (now - deadline_ > kNewExchangeAfter) {
        deadline_ = now + pause;
        ReportDone(now);
        sinceReport_ = pause;
        return deadline_;
    }
    sinceReport_ += pause;
    deadline_ = std::max(deadline_ + pause, lastReport_ + sinceReport_ - kMaxCatchUp);
    return deadline_;
}

void DeadlineClock::Sleep(int milliseconds) {
    std::this_thread::sleep_until(timeline_.Deadline(std::chrono::steady_clock::now(), milliseconds));
}

void DeadlineClock::ReportDone() { timeline_.ReportDone(std::chrono::steady_clock::now()); }

void PacedTransport::SetFeature(std::span<const uint8_t, kFeatureReportSize> command) {
    inner_.SetFeature(command);
    clock_.ReportDone();
}

bool PacedTransport::GetFeature(std::span<uint8_t, kFeatureReportSize> buffer) {
    const bool replied = inner_.GetFeature(buffer);
    clock_.ReportDone();
    return replied;
}

void PacedTransport::WriteUSB(std::span<const uint8_t, kUsbWriteSize> data) {
    inner_.WriteUSB(data);
    clock_.ReportDone();
}
