#include "profile/change_flags.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "profile/profile_defaults.h"

namespace {

struct Blocks {
    std::unique_ptr<SharedBlock> edited = std::make_unique<SharedBlock>();
    std::unique_ptr<SharedBlock> handedOver = std::make_unique<SharedBlock>();
    Blocks() {
        BuildDefaultProfiles(*handedOver, NoTexts());
        *edited = *handedOver;
    }
};

using Change = std::function<void(Profile&)>;

// Every field the mouse's settings command carries.
const std::vector<std::pair<const char*, Change>> kSettingsChanges = {
    {"XYSynchronous", [](Profile& p) { p.XYSynchronous ^= 1; }},
    {"Sensitivity_X", [](Profile& p) { ++p.Sensitivity_X; }},
    {"Sensitivity_Y", [](Profile& p) { ++p.Sensitivity_Y; }},
    {"XYCpiFlag", [](Profile& p) { p.XYCpiFlag ^= 1; }},
    {"LightIntensity", [](Profile& p) { ++p.LightIntensity; }},
    {"BreathSpeed", [](Profile& p) { ++p.BreathSpeed; }},
    {"ColorOptions0", [](Profile& p) { ++p.ColorOptions0; }},
    {"rgbColor2", [](Profile& p) { ++p.rgbColor2; }},
    {"rgbColor3", [](Profile& p) { ++p.rgbColor3; }},
    {"CpiLevel_X[5]", [](Profile& p) { ++p.CpiLevel_X[5]; }},
    {"CpiLevel_Y[0]", [](Profile& p) { ++p.CpiLevel_Y[0]; }},
    {"CpiStep", [](Profile& p) { ++p.CpiStep; }},
    {"dpiStepFlag[3]", [](Profile& p) { p.dpiStepFlag[3] ^= 1; }},
    {"dpiIndicator[5]", [](Profile& p) { ++p.dpiIndicator[5]; }},
    {"LiftSwitch", [](Profile& p) { p.LiftSwitch ^= 1; }},
    {"LiftLevel", [](Profile& p) { ++p.LiftLevel; }},
    {"LightEffectSwitch1", [](Profile& p) { ++p.LightEffectSwitch1; }},
    {"LightEffectSwitch2", [](Profile& p) { ++p.LightEffectSwitch2; }},
    {"LightEffectType1", [](Profile& p) { ++p.LightEffectType1; }},
    {"LightEffectType2", [](Profile& p) { ++p.LightEffectType2; }},
    {"ColorFlag", [](Profile& p) { ++p.ColorFlag; }},
    {"ColorOptions1", [](Profile& p) { ++p.ColorOptions1; }},
    {"ColorOptions2", [](Profile& p) { ++p.ColorOptions2; }},
    {"LightSwitch", [](Profile& p) { ++p.LightSwitch; }},
    {"ColorChangeMode", [](Profile& p) { ++p.ColorChangeMode; }},
    {"BTOption", [](Profile& p) { ++p.BTOption; }},
    {"OTGSpeed", [](Profile& p) { ++p.OTGSpeed; }},
};

// Fields that travel by other commands or not to the mouse at all.
const std::vector<std::pair<const char*, Change>> kOtherChanges = {
    {"PollingRate", [](Profile& p) { ++p.PollingRate; }},
    {"DbleClickSpeed", [](Profile& p) { ++p.DbleClickSpeed; }},
    {"rgbColor1", [](Profile& p) { ++p.rgbColor1; }},
    {"ColorType", [](Profile& p) { ++p.ColorType[0]; }},
    {"DPIColor", [](Profile& p) { ++p.DPIColor[0]; }},
    {"ProFileName", [](Profile& p) { p.ProFileName[0] = 'X'; }},
    {"button code", [](Profile& p) { ++p.MacroKeyInfo[4].Code; }},
};

TEST(ComputeChangeFlags, EachSettingsFieldSetsOnlyItsProfilesSettingsFlag) {
    for (const auto& [name, change] : kSettingsChanges) {
        Blocks b;
        change(b.edited->Profiles[2]);
        ComputeChangeFlags(*b.edited, *b.handedOver);
        for (int p = 0; p < kProfileCount; ++p)
            EXPECT_EQ(b.edited->SettingsChanged[p], p == 2 ? 1 : 0) << name << " profile " << p;
        EXPECT_EQ(b.edited->PollingChanged[2], 0) << name;
        EXPECT_EQ(b.edited->ProfileChanged, 0) << name;
    }
}

TEST(ComputeChangeFlags, OtherFieldsLeaveTheSettingsFlagClear) {
    for (const auto& [name, change] : kOtherChanges) {
        Blocks b;
        change(b.edited->Profiles[0]);
        ComputeChangeFlags(*b.edited, *b.handedOver);
        EXPECT_EQ(b.edited->SettingsChanged[0], 0) << name;
        EXPECT_EQ(b.edited->DpiStageChanged[0], 0) << name;
    }
}

TEST(ComputeChangeFlags, PollingDpiStageAndCurrentProfile) {
    Blocks b;
    ++b.edited->Profiles[4].PollingRate;
    ++b.edited->Profiles[1].CpiStep;
    b.edited->CurrentProfile = 3;
    ComputeChangeFlags(*b.edited, *b.handedOver);
    EXPECT_EQ(b.edited->PollingChanged[4], 1);
    EXPECT_EQ(b.edited->PollingChanged[1], 0);
    EXPECT_EQ(b.edited->DpiStageChanged[1], 1);
    EXPECT_EQ(b.edited->SettingsChanged[1], 1);  // the stage is part of the settings too
    EXPECT_EQ(b.edited->DpiStageChanged[4], 0);
    EXPECT_EQ(b.edited->ProfileChanged, 1);
}

TEST(ComputeChangeFlags, FlagsOfAnEarlierApplyAreRecomputed) {
    Blocks b;
    b.edited->SettingsChanged[0] = 1;
    b.edited->PollingChanged[0] = 1;
    b.edited->DpiStageChanged[0] = 1;
    b.edited->ProfileChanged = 1;
    ComputeChangeFlags(*b.edited, *b.handedOver);
    EXPECT_EQ(b.edited->SettingsChanged[0], 0);
    EXPECT_EQ(b.edited->PollingChanged[0], 0);
    EXPECT_EQ(b.edited->DpiStageChanged[0], 0);
    EXPECT_EQ(b.edited->ProfileChanged, 0);
}

TEST(ClearAppliedFlags, ClearsChangeFlagsAndTheFirstBankOnly) {
    Blocks b;
    SharedBlock& e = *b.edited;
    e.ProfileChanged = 1;
    for (int p = 0; p < kProfileCount; ++p) {
        e.PollingChanged[p] = e.DpiStageChanged[p] = e.SettingsChanged[p] = 1;
        for (int i = 0; i < kButtonEntryCount; ++i) e.ButtonChanged[p][i] = 1;
    }
    const Profile profile3 = e.Profiles[3];
    ClearAppliedFlags(e);
    EXPECT_EQ(e.ProfileChanged, 0);
    for (int p = 0; p < kProfileCount; ++p) {
        EXPECT_EQ(e.PollingChanged[p] + e.DpiStageChanged[p] + e.SettingsChanged[p], 0);
        for (int i = 0; i < kButtonEntryCount; ++i)
            EXPECT_EQ(e.ButtonChanged[p][i], i < 16 ? 0 : 1) << p << "/" << i;
    }
    EXPECT_EQ(std::memcmp(&e.Profiles[3], &profile3, sizeof(Profile)), 0);
}

}  // namespace
