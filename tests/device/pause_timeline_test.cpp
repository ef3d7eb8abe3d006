#include "device/pause_timeline.h"

#include <gtest/gtest.h>

namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;
using TimePoint = PauseTimeline::TimePoint;

const TimePoint kStart = TimePoint{} + std::chrono::hours(1);

// Every wake-up is 300 us late and each report takes 400 us: the deadlines
// stay on the 100 ms grid, so these delays do not add up.
TEST(PauseTimeline, SmallDelaysDoNotAddUp) {
    PauseTimeline timeline;
    TimePoint now = kStart;
    for (int step = 1; step <= 50; ++step) {
        const TimePoint deadline = timeline.Deadline(now, 100);
        EXPECT_EQ(deadline, kStart + milliseconds(100 * step)) << step;
        now = deadline + microseconds(700);
        timeline.ReportDone(now);
    }
}

// A report that went out 20 ms late is followed by nearly the whole pause:
// two reports never come closer than the pause less the allowed catch-up.
TEST(PauseTimeline, ALateReportShortensTheNextPauseOnlyALittle) {
    PauseTimeline timeline;
    const TimePoint first = timeline.Deadline(kStart, 100);
    const TimePoint report = first + milliseconds(20);
    timeline.ReportDone(report);
    EXPECT_EQ(timeline.Deadline(report, 100), report + milliseconds(100) - PauseTimeline::kMaxCatchUp);
    EXPECT_LT(PauseTimeline::kMaxCatchUp, milliseconds(1));
}

// Two pauses in a row with no report between them share one catch-up.
TEST(PauseTimeline, BackToBackPausesCatchUpOnlyOnce) {
    PauseTimeline timeline;
    const TimePoint first = timeline.Deadline(kStart, 100);
    const TimePoint report = first + milliseconds(5);
    timeline.ReportDone(report);
    const TimePoint pause100 = timeline.Deadline(report, 100);
    const TimePoint pause20 = timeline.Deadline(pause100 + milliseconds(3), 20);
    EXPECT_EQ(pause20, report + milliseconds(120) - PauseTimeline::kMaxCatchUp);
}

// The first pause of a new exchange is never shortened by an old timeline.
TEST(PauseTimeline, APauseLongAfterTheLastStartsAFreshTimeline) {
    PauseTimeline timeline;
    const TimePoint first = timeline.Deadline(kStart, 20);
    const TimePoint later = first + milliseconds(500);
    EXPECT_EQ(timeline.Deadline(later, 20), later + milliseconds(20));
    EXPECT_EQ(PauseTimeline().Deadline(kStart, 3000), kStart + milliseconds(3000));
}

}  // namespace
