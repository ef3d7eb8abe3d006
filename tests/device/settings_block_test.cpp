#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "device/device_command.h"
#include "profile/profile_defaults.h"

namespace {

std::unique_ptr<Profile> DefaultProfile() {
    auto p = std::make_unique<Profile>();
    BuildDefaultProfile(*p, 0, NoTexts());
    return p;
}

struct Lighting {
    uint8_t Effect, Speed, Colour;
    bool operator==(const Lighting&) const = default;
};

Lighting LightingOf(const DataBlock& b) { return {b[0x47], b[0x48], b[0x49]}; }

Lighting Build(Profile& p, int32_t lightSwitch, int32_t breathSpeed, uint32_t colourOption) {
    p.LightSwitch = lightSwitch;
    p.BreathSpeed = breathSpeed;
    p.ColorOptions0 = colourOption;
    return LightingOf(BuildSettingsBlock(p));
}

}  // namespace

TEST(SettingsBlock, DefaultProfileBlockByteForByte) {
    auto p = DefaultProfile();
    // Defaults: light on with breathing speed 2, sensitivity 10, levels
    // 16..164 all enabled.
    const DataBlock expected = {
        0xFF, 0xFF, 0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,
        0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,
        0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,    0,
        0x35, 0xD4, 0x0B, 0x04, 0,    0,    0,    0,    0,    0,    0,    0,    0x04, 0x80, 0x03, 0,
        0x0F, 0x04, 0x0A, 0x0A, 0x19, 0x19, 0x07, 0x05, 0x02, 0x00, 0x64, 0x64, 0x01, 0xC0, 0xF0, 0x03,
        0x01, 0x01, 0x64, 0,    0x10, 0x20, 0x30, 0x50, 0x80, 0xA4, 0x07, 0x07, 0x10, 0x20, 0x30, 0x50,
        0x80, 0xA4, 0x07, 0x07, 0x3F, 0xFF, 0xFF, 0xFF, 0xFF, 0,    0,    0,    0xFF, 0,    0,    0,
        0xFF, 0xFF, 0xFF, 0,    0xFF, 0,    0xFF, 0,    0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
    };
    EXPECT_EQ(BuildSettingsBlock(*p), expected);
}

TEST(SettingsBlock, EffectAndSpeedPerLightSwitch) {
    auto p = DefaultProfile();
    EXPECT_EQ(Build(*p, 0, 1, 3), (Lighting{0x00, 0x00, 0x00}));
    EXPECT_EQ(Build(*p, 1, 1, 3), (Lighting{0x05, 0x01, 0x00}));
    EXPECT_EQ(Build(*p, 1, 0, 3), (Lighting{0x05, 0x05, 0x00}));
    EXPECT_EQ(Build(*p, 2, 2, 3), (Lighting{0x03, 0x08, 0x00}));
    EXPECT_EQ(Build(*p, 2, 7, 3), (Lighting{0x03, 0x0F, 0x00}));
    EXPECT_EQ(Build(*p, 3, 1, 3), (Lighting{0x04, 0x0A, 0x00}));
    EXPECT_EQ(Build(*p, 3, 2, 3), (Lighting{0x04, 0x0F, 0x00}));
    EXPECT_EQ(Build(*p, 3, -4, 3), (Lighting{0x04, 0x1E, 0x00}));
    EXPECT_EQ(p->ColorOptions0, 3u) << "effects 0 to 3 leave the colour option alone";
    EXPECT_EQ(Build(*p, 4, 1, 3), (Lighting{0x01, 0x04, 0x04}));
    EXPECT_EQ(Build(*p, 4, 2, 3), (Lighting{0x01, 0x06, 0x04}));
    EXPECT_EQ(Build(*p, 4, 3, 3), (Lighting{0x01, 0x08, 0x04}));
    EXPECT_EQ(Build(*p, 5, 1, 3), (Lighting{0x02, 0x0F, 0x04}));
    EXPECT_EQ(Build(*p, 6, 2, 3), (Lighting{0x02, 0x19, 0x04}));
    EXPECT_EQ(Build(*p, -1, 9, 3), (Lighting{0x02, 0x23, 0x04}));
}

TEST(SettingsBlock, ColourOptionIsWrittenBackIntoTheProfile) {
    auto p = DefaultProfile();
    EXPECT_EQ(Build(*p, 4, 1, 7).Colour, 0x0A);
    EXPECT_EQ(p->ColorOptions0, 9u);
    EXPECT_EQ(LightingOf(BuildSettingsBlock(*p)).Colour, 0x0A) << "9 stays 9 under effect 4";

    EXPECT_EQ(Build(*p, 5, 1, 7).Colour, 0x00);
    EXPECT_EQ(p->ColorOptions0, 0u);
    // Each further block steps the option on from the stored value.
    EXPECT_EQ(LightingOf(BuildSettingsBlock(*p)).Colour, 0x01);
    EXPECT_EQ(LightingOf(BuildSettingsBlock(*p)).Colour, 0x02);
    EXPECT_EQ(p->ColorOptions0, 2u);
}

TEST(SettingsBlock, SensitivityIsLowByteOfTenfold) {
    auto p = DefaultProfile();
    p->Sensitivity_X = 30;
    p->Sensitivity_Y = 10;
    DataBlock b = BuildSettingsBlock(*p);
    EXPECT_EQ(b[0x4A], 0x2C);
    EXPECT_EQ(b[0x4B], 0x64);
    // Values whose tenfold overflows a 32-bit integer still give the low byte.
    p->Sensitivity_X = INT32_MAX;
    p->Sensitivity_Y = -1;
    b = BuildSettingsBlock(*p);
    EXPECT_EQ(b[0x4A], static_cast<uint8_t>(0x7FFFFFFFu * 10u));
    EXPECT_EQ(b[0x4B], 0xF6);
}

TEST(SettingsBlock, LevelsCarryXOnlyAndMaskFollowsFlags) {
    auto p = DefaultProfile();
    for (int n = 0; n < 6; ++n) {
        p->CpiLevel_X[n] = 0x100 + n;  // only the low byte is sent
        p->CpiLevel_Y[n] = 99;
    }
    p->dpiStepFlag[1] = 0;
    p->dpiStepFlag[4] = 0;
    const DataBlock b = BuildSettingsBlock(*p);
    for (int n = 0; n < 6; ++n) {
        EXPECT_EQ(b[0x54 + n], n);
        EXPECT_EQ(b[0x5C + n], n);
    }
    EXPECT_EQ(b[0x64], 0x2D);
}

TEST(SettingsBlock, StrayFlagValueDoesNotEnableANeighbour) {
    auto p = DefaultProfile();
    for (int32_t& f : p->dpiStepFlag) f = 0;
    p->dpiStepFlag[0] = 2;
    p->dpiStepFlag[5] = -1;
    EXPECT_EQ(BuildSettingsBlock(*p)[0x64], 0x20);
}
