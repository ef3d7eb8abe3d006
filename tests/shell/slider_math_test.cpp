#include <gtest/gtest.h>

#include <cmath>

#include "shell/slider_math.h"

namespace {

const SliderRange kTruncating{0, 10, false};
const SliderRange kSnapping{0, 10, true};

}  // namespace

TEST(SliderClick, EdgesGiveTheEndsOfTheRange) {
    // A track from x = 50 to x = 150 in its owner.
    for (const SliderRange& r : {kTruncating, kSnapping}) {
        EXPECT_EQ(WholeSliderValue(r, SliderClickRaw(r, 50, 50, 150)), 0);
        EXPECT_EQ(WholeSliderValue(r, SliderClickRaw(r, 150, 50, 150)), 10);
    }
}

TEST(SliderClick, NinetyNinePercentTruncatesOrRounds) {
    EXPECT_DOUBLE_EQ(SliderClickRaw(kTruncating, 149, 50, 150), 9.9);
    EXPECT_EQ(WholeSliderValue(kTruncating, SliderClickRaw(kTruncating, 149, 50, 150)), 9);
    EXPECT_EQ(WholeSliderValue(kSnapping, SliderClickRaw(kSnapping, 149, 50, 150)), 10);
}

TEST(SliderClick, OutsideTheTrackIsClamped) {
    EXPECT_EQ(WholeSliderValue(kTruncating, SliderClickRaw(kTruncating, 10, 50, 150)), 0);
    EXPECT_EQ(WholeSliderValue(kTruncating, SliderClickRaw(kTruncating, 400, 50, 150)), 10);
    const SliderRange offset{-5, 5, true};
    EXPECT_EQ(WholeSliderValue(offset, SliderClickRaw(offset, 0, 0, 100)), -5);
    EXPECT_EQ(WholeSliderValue(offset, SliderClickRaw(offset, 50, 0, 100)), 0);
}

TEST(SliderClick, DegenerateTracksAndRangesGiveTheMinimum) {
    EXPECT_EQ(WholeSliderValue(kTruncating, SliderClickRaw(kTruncating, 60, 50, 50)), 0);
    const SliderRange empty{4, 4, false};
    EXPECT_EQ(WholeSliderValue(empty, SliderClickRaw(empty, 60, 50, 150)), 4);
    EXPECT_EQ(SliderThumbLeft(empty, 4, 0, 100, 10), 0);
    EXPECT_EQ(SliderSnappedLeft(empty, 4, 0, 100, 10), 0);
}

TEST(SliderThumb, PositionFollowsTheValue) {
    // Travel 0..100 with a 10-pixel thumb: 90 pixels for 10 steps.
    EXPECT_EQ(SliderThumbLeft(kTruncating, 0, 0, 100, 10), 0);
    EXPECT_EQ(SliderThumbLeft(kTruncating, 10, 0, 100, 10), 90);
    EXPECT_EQ(SliderThumbLeft(kTruncating, 5, 0, 100, 10), 45);
    EXPECT_EQ(SliderThumbLeft(kTruncating, 25, 0, 100, 10), 90);  // clamped first
    EXPECT_EQ(SliderThumbLeft(kTruncating, -3, 0, 100, 10), 0);
    // An odd width: half the width is an integer division before and after.
    // 3 of 0..10 over 100 - 11 = 89 pixels: trunc(26.7 + 5) - 5 = 26.
    EXPECT_EQ(SliderThumbLeft(kTruncating, 3, 0, 100, 11), 26);
    // Track starting at 20: trunc(20 + 80 * 0.7 + 5) - 5 = 76.
    EXPECT_EQ(SliderThumbLeft(kTruncating, 7, 20, 110, 10), 76);
}

TEST(SliderThumb, DragPastTheEndsStaysAtTheEnds) {
    EXPECT_EQ(ClampThumbLeft(-500, 0, 100, 10), 0);
    EXPECT_EQ(ClampThumbLeft(500, 0, 100, 10), 90);
    EXPECT_EQ(ClampThumbLeft(33, 0, 100, 10), 33);
    EXPECT_EQ(WholeSliderValue(kTruncating, SliderThumbRaw(kTruncating, 0, 0, 100, 10)), 0);
    EXPECT_EQ(WholeSliderValue(kTruncating, SliderThumbRaw(kTruncating, 90, 0, 100, 10)), 10);
}

TEST(SliderThumb, ReleaseValueAndSnappedPlace) {
    // Left edge 40 of 90: 4.44 -> 4 truncated, 4 rounded; 44 of 90: 4.89 -> 4 or 5.
    EXPECT_EQ(WholeSliderValue(kTruncating, SliderThumbRaw(kTruncating, 44, 0, 100, 10)), 4);
    EXPECT_EQ(WholeSliderValue(kSnapping, SliderThumbRaw(kSnapping, 44, 0, 100, 10)), 5);
    EXPECT_EQ(SliderSnappedLeft(kSnapping, 5, 0, 100, 10), 45);
    EXPECT_EQ(SliderSnappedLeft(kSnapping, 3, 10, 111, 10), 37);  // 10 + 91 * 0.3 = 37.3
}

TEST(SliderValue, NotANumberReadsAsMinimum) {
    EXPECT_EQ(WholeSliderValue(kSnapping, std::nan("")), 0);
    EXPECT_EQ(WholeSliderValue(kSnapping, 1e300), 10);
    EXPECT_EQ(WholeSliderValue(kSnapping, -1e300), 0);
}
