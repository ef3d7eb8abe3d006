#include <gtest/gtest.h>

#include "option/dpi_level/dpi_level_model.h"

TEST(DpiLevelModel, DefaultLevelsAndTheSliderEndsInDpi) {
    const int values[] = {16, 32, 48, 80, 128, 164, kDpiSliderMinimum};
    const char* const shown[] = {"800", "1600", "2400", "4000", "6400", "8200", "100"};
    DpiLevelModel level;
    for (int i = 0; i < 7; ++i) {
        level.SetValue(values[i]);
        EXPECT_EQ(level.LabelText(), shown[i]);
    }
    level.SetValue(-1);  // a missing key of a profile file
    EXPECT_EQ(level.LabelText(), "-50");
}

TEST(DpiLevelNotice, KindInTheHighHalfDataInTheLowHalf) {
    EXPECT_EQ(PackDpiLevelNotice(DpiLevelChange::kValue, 164), 0x200A4u);
    EXPECT_EQ(PackDpiLevelNotice(DpiLevelChange::kEnabled, 1), 0x10001u);
    EXPECT_EQ(PackDpiLevelNotice(DpiLevelChange::kCurrent, 0), 0x30000u);
    EXPECT_EQ(PackDpiLevelNotice(DpiLevelChange::kValue, -1), 0x2FFFFu);
    EXPECT_EQ(UnpackDpiLevelNotice(0x20002), (DpiLevelNotice{DpiLevelChange::kValue, 2}));
    EXPECT_EQ(UnpackDpiLevelNotice(0x30001), (DpiLevelNotice{DpiLevelChange::kCurrent, 1}));
}

TEST(DpiLevelModel, SliderReportsOnlyNewValues) {
    DpiLevelModel level;
    level.SetValue(80);
    EXPECT_EQ(level.SliderMoved(80), std::nullopt);
    EXPECT_EQ(level.SliderMoved(164), PackDpiLevelNotice(DpiLevelChange::kValue, 164));
    EXPECT_EQ(level.LabelText(), "8200");
    EXPECT_EQ(level.SliderMoved(164), std::nullopt);
}

TEST(DpiLevelModel, CurrentLevelLocksItsEnableSwitch) {
    DpiLevelModel level;
    level.SetEnabled(true);
    level.SetCurrent(true);
    EXPECT_FALSE(level.EnableSwitchEnabled());
    EXPECT_TRUE(level.PaintsDown());
    EXPECT_EQ(level.SwitchClicked(false), std::nullopt);
    EXPECT_TRUE(level.Enabled());
    level.SetCurrent(false);
    EXPECT_EQ(level.SwitchClicked(false), PackDpiLevelNotice(DpiLevelChange::kEnabled, 0));
    EXPECT_FALSE(level.PartsEnabled());
    EXPECT_TRUE(level.EnableSwitchEnabled());  // a disabled level can be enabled again
}

TEST(DpiLevelModel, StripClickReportsTheStripsNewFlag) {
    DpiLevelModel level;
    level.SetCurrent(true);
    // Clicking the current level's strip unselects it; the page answers by
    // making that level current again.
    EXPECT_EQ(level.StripClicked(false), PackDpiLevelNotice(DpiLevelChange::kCurrent, 0));
    EXPECT_FALSE(level.IsCurrent());
    EXPECT_EQ(level.StripClicked(true), PackDpiLevelNotice(DpiLevelChange::kCurrent, 1));
    EXPECT_TRUE(level.IsCurrent());
}
