#include "device/pause_timeline.h"

#include <gtest/gtest.h>

namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;
using TimePoint = PauseTimeline::TimePoint;

const TimePoint kStart = TimePoint{} + std::chrono::hours(1);

// Sending takes 1 ms and every wake-up is 300 us late: the deadlines stay on
// the 100 ms grid, so the lateness does not add up.
TEST(PauseTimeline, SendingTimeAndSmallLatenessDoNotAddUp) {
    PauseTimeline timeline;
    TimePoint now = kStart;
    for (int step = 1; step <= 50; ++step) {
        const TimePoint deadline = timeline.Deadline(now, 100);
        EXPECT_EQ(deadline, kStart + milliseconds(100 * step)) << step;
        const TimePoint woke = deadline + microseconds(300);
        timeline.Woke(woke);
        now = woke + milliseconds(1);
    }
}

// A wake-up 20 ms late shortens the next pause by no more than the allowed
// catch-up: reports never come closer than the pause less that.
TEST(PauseTimeline, ALateWakeUpIsMadeUpForOnlyALittle) {
    PauseTimeline timeline;
    const TimePoint first = timeline.Deadline(kStart, 100);
    const TimePoint woke = first + milliseconds(20);
    timeline.Woke(woke);
    const TimePoint second = timeline.Deadline(woke + microseconds(200), 100);
    EXPECT_EQ(second, woke + milliseconds(100) - PauseTimeline::kMaxCatchUp);
}

// The first pause of a new exchange is never shortened by an old timeline.
TEST(PauseTimeline, APauseLongAfterTheLastStartsAFreshTimeline) {
    PauseTimeline timeline;
    const TimePoint first = timeline.Deadline(kStart, 20);
    timeline.Woke(first);
    const TimePoint later = first + milliseconds(500);
    EXPECT_EQ(timeline.Deadline(later, 20), later + milliseconds(20));
    EXPECT_EQ(PauseTimeline().Deadline(kStart, 3000), kStart + milliseconds(3000));
}

}  // namespace
