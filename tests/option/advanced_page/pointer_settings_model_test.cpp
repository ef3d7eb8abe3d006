#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "option/advanced_page/pointer_settings_model.h"
#include "profile/profile_defaults.h"

namespace {

class RecordingHost final : public PointerSettingsHost {
public:
    void SetDoubleClickTime(int32_t ms) override { doubleClick = ms; }
    bool ConfirmRestoreDefaults() override { return confirm; }
    void ProfilesRestored() override { ++restored; }
    int32_t doubleClick = -1;
    bool confirm = true;
    int restored = 0;
};

class PointerSettingsTest : public testing::Test {
protected:
    PointerSettingsTest() {
        BuildDefaultProfiles(*block, NoTexts{});
        block->CurrentProfile = 2;
        pointer.Refresh();
    }
    Profile& Current() { return block->Profiles[2]; }

    std::unique_ptr<SharedBlock> block = std::make_unique<SharedBlock>();
    RecordingHost host;
    NoTexts texts;
    PointerSettingsModel pointer{{*block, host, texts}};
};

TEST(PointerSpeedTest, PositionsAndSpeedsMapBothWays) {
    const int32_t speeds[] = {1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20};
    for (int position = 1; position <= 11; ++position) {
        EXPECT_EQ(SpeedOfPosition(position), speeds[position - 1]);
        EXPECT_EQ(PositionOfSpeed(speeds[position - 1]), position);
    }
    EXPECT_EQ(SpeedOfPosition(0), 10);
    EXPECT_EQ(SpeedOfPosition(12), 10);
    EXPECT_EQ(PositionOfSpeed(0), 1);
    EXPECT_EQ(PositionOfSpeed(3), 3);
    EXPECT_EQ(PositionOfSpeed(9), 6);
    EXPECT_EQ(PositionOfSpeed(11), 7);
    EXPECT_EQ(PositionOfSpeed(19), 11);
    EXPECT_EQ(PositionOfSpeed(21), 6);
    EXPECT_EQ(PositionOfSpeed(-4), 6);
}

TEST_F(PointerSettingsTest, RefreshShowsTheCurrentProfile) {
    EXPECT_EQ(pointer.Controls().pointerSlider, 6);  // speed 10
    EXPECT_EQ(pointer.Controls().pointerField, 0);
    EXPECT_EQ(pointer.Controls().wheelSlider, 3);
    EXPECT_EQ(pointer.Controls().doubleClickSlider, 350);  // 550 ms
    Current().ScrollWheelFlag = 1;
    Current().ScrollWheelSpeed = 0;  // as read from "-1"
    Current().AccelerationFlag = 1;
    pointer.Refresh();
    EXPECT_FALSE(pointer.Controls().wheelSliderEnabled);
    EXPECT_EQ(pointer.Controls().wheelSlider, 1);
    EXPECT_TRUE(pointer.Controls().acceleration);
}

TEST_F(PointerSettingsTest, DoubleClickSliderSetsTheTimeAtOnce) {
    pointer.SliderMoved(kDoubleClickSliderId, 700);
    EXPECT_EQ(Current().DbleClickSpeed, 200);
    EXPECT_EQ(host.doubleClick, 200);
    pointer.SliderMoved(kDoubleClickSliderId, -40);
    EXPECT_EQ(Current().DbleClickSpeed, 900);
}

TEST_F(PointerSettingsTest, PointerFieldAndSliderFollowEachOther) {
    pointer.FieldChanged(kPointerSpeedFieldId, -5);
    EXPECT_EQ(pointer.Controls().pointerSlider, 1);
    EXPECT_EQ(Current().MouseSpeed, 1);
    pointer.FieldChanged(kPointerSpeedFieldId, 5);
    EXPECT_EQ(pointer.Controls().pointerSlider, 11);
    EXPECT_EQ(Current().MouseSpeed, 20);
    pointer.SliderMoved(kPointerSpeedSliderId, 3);
    EXPECT_EQ(pointer.Controls().pointerField, -3);
    EXPECT_EQ(Current().MouseSpeed, 4);
    pointer.FieldChanged(kPointerSpeedFieldId, 40);  // held at the field's end
    EXPECT_EQ(Current().MouseSpeed, 20);
}

TEST_F(PointerSettingsTest, WheelLinesFieldSliderAndOnePageOption) {
    pointer.FieldChanged(kWheelLinesFieldId, 7);
    EXPECT_EQ(Current().ScrollWheelSpeed, 7);
    EXPECT_EQ(pointer.Controls().wheelSlider, 7);
    pointer.SliderMoved(kWheelLinesSliderId, 11);
    EXPECT_EQ(pointer.Controls().wheelField, 11);
    pointer.OnePageClicked(true);
    EXPECT_EQ(Current().ScrollWheelFlag, 1);
    EXPECT_FALSE(pointer.Controls().wheelSliderEnabled);
    pointer.OnePageClicked(false);
    EXPECT_TRUE(pointer.Controls().wheelSliderEnabled);
}

TEST_F(PointerSettingsTest, AccelerationOptionSetsLevelEightOrNone) {
    pointer.AccelerationClicked(true);
    EXPECT_EQ(Current().AccelerationFlag, 1);
    EXPECT_EQ(Current().Acceleration, 8);
    pointer.AccelerationClicked(false);
    EXPECT_EQ(Current().Acceleration, 0);
}

TEST_F(PointerSettingsTest, SynchronisedSensitivityMovesBothAxes) {
    pointer.SliderMoved(kSensitivityYSliderId, 9);
    EXPECT_EQ(Current().Sensitivity_X, 10);
    EXPECT_EQ(Current().Sensitivity_Y, 16);
    pointer.SynchroniseClicked(true);
    EXPECT_EQ(Current().Sensitivity_Y, 10);
    EXPECT_EQ(pointer.Controls().ySlider, 6);
    pointer.SliderMoved(kSensitivityXSliderId, 3);
    EXPECT_EQ(Current().Sensitivity_X, 4);
    EXPECT_EQ(Current().Sensitivity_Y, 4);
    EXPECT_EQ(pointer.Controls().ySlider, 3);
    pointer.SliderMoved(kSensitivityXSliderId, 11);  // beyond the sensitivity sliders' end
    EXPECT_EQ(Current().Sensitivity_X, 18);
}

TEST_F(PointerSettingsTest, RestoreDefaultsResetsAllProfilesAfterConfirmation) {
    pointer.SliderMoved(kPointerSpeedSliderId, 1);
    block->Profiles[4].MouseSpeed = 2;
    host.confirm = false;
    EXPECT_FALSE(pointer.RestoreDefaults());
    EXPECT_EQ(Current().MouseSpeed, 1);

    host.confirm = true;
    EXPECT_TRUE(pointer.RestoreDefaults());
    EXPECT_EQ(block->CurrentProfile, 0);
    EXPECT_EQ(block->Profiles[2].MouseSpeed, 10);
    EXPECT_EQ(block->Profiles[4].MouseSpeed, 10);
    EXPECT_EQ(host.restored, 1);
    auto fresh = std::make_unique<SharedBlock>();
    BuildDefaultProfiles(*fresh, NoTexts{});
    EXPECT_EQ(std::memcmp(fresh->Profiles, block->Profiles, sizeof fresh->Profiles), 0);
}

TEST_F(PointerSettingsTest, WithoutACurrentProfileNothingIsWritten) {
    block->CurrentProfile = -1;
    pointer.SliderMoved(kDoubleClickSliderId, 700);
    pointer.AccelerationClicked(true);
    EXPECT_EQ(host.doubleClick, -1);
    for (const Profile& p : block->Profiles) EXPECT_EQ(p.AccelerationFlag, 0);
}

}  // namespace
