#include <gtest/gtest.h>

#include <cstring>
#include <map>

#include "profile/fixed_text.h"
#include "profile/profile_defaults.h"

namespace {

class FakeTexts final : public TextSource {
public:
    std::map<int, std::string> texts;
    std::string Text(int id) const override {
        auto it = texts.find(id);
        return it == texts.end() ? std::string() : it->second;
    }
};

SharedBlock FreshDefaults(const TextSource& texts) {
    static SharedBlock block;  // large: keep it off the stack
    ResetSharedProfiles(block);
    BuildDefaultProfiles(block, texts);
    return block;
}

}  // namespace

TEST(ProfileDefaults, NamesFollowNumberPlusOne) {
    FakeTexts texts;
    SharedBlock block = FreshDefaults(texts);
    EXPECT_EQ(block.CurrentProfile, 0);
    EXPECT_EQ(FixedText(block.Profiles[2].ProFileName), "Default3");
    EXPECT_EQ(FixedText(block.Profiles[0].ProFileName), "Default1");
    EXPECT_EQ(FixedText(block.Profiles[4].GameFile), "");
}

TEST(ProfileDefaults, UnlistedFieldsStayZeroAndDpiColoursAreRedFirst) {
    FakeTexts texts;
    const Profile& p = FreshDefaults(texts).Profiles[1];
    EXPECT_EQ(p.LiftSwitch, 0);
    EXPECT_EQ(p.LiftLevel, 0);
    EXPECT_EQ(p.ColorChangeMode, 0);
    EXPECT_EQ(p.BTOption, 0);
    for (int32_t t : p.ColorType) EXPECT_EQ(t, 0);
    EXPECT_EQ(p.rgbColor1 | p.rgbColor2 | p.rgbColor3, 0u);
    EXPECT_EQ(p.DPIColor[0], 0x0000FFu);
    EXPECT_EQ(p.DPIColor[5], 0x00FFFFu);
    EXPECT_EQ(p.CpiLevel_X[5], 164);
    EXPECT_EQ(p.CpiLevel_Y[3], 80);
    EXPECT_EQ(p.dpiIndicator[1], 2);
    EXPECT_EQ(p.CpiStep, 1);
    EXPECT_EQ(p.PollingRate, 2);
}

TEST(ProfileDefaults, ButtonEntriesCarryCodesAndGunPresets) {
    FakeTexts texts;
    texts.texts[kPresetGunNameString] = "Preset Nineteen";
    const Profile& p = FreshDefaults(texts).Profiles[0];
    for (int e = 0; e < kButtonEntryCount; ++e) EXPECT_EQ(p.MacroKeyInfo[e].Index, e);
    EXPECT_EQ(p.MacroKeyInfo[21].Code, 13);
    EXPECT_EQ(p.MacroKeyInfo[25].Code, 103);
    EXPECT_EQ(p.MacroKeyInfo[0].Code, 1);
    EXPECT_EQ(p.MacroKeyInfo[10].Code, 0);

    const struct { int entry; const char* name; int item; int mode; uint32_t colour; } presets[] = {
        {19, "Preset Nineteen", 9, 12, 0x0000FF},
        {20, "M4", 0, 12, 0xFFFF00},
        {22, "SKS", 10, 6, 0xFF0000},
        {23, "AKM", 1, 11, 0x00FF00},
    };
    for (const auto& want : presets) {
        const ButtonFunction& b = p.MacroKeyInfo[want.entry];
        SCOPED_TRACE(want.entry);
        EXPECT_EQ(b.Code, 100);
        EXPECT_EQ(FixedText(b.ItemName), want.name);
        EXPECT_EQ(FixedText(b.GroupName), "");
        EXPECT_EQ(b.GunItem, want.item);
        EXPECT_EQ(b.ModeValue, want.mode);
        EXPECT_EQ(b.GunColor, want.colour);
        EXPECT_EQ(b.ItemCount, 1);
        EXPECT_EQ(b.GunAux, 5);
        EXPECT_EQ(b.RunMode, 2);
        EXPECT_EQ(b.MacroGroup, -1);
        EXPECT_EQ(b.AdvanceGunItem, -1);
    }
}

TEST(ProfileDefaults, LongPresetNameIsCutToTheField) {
    FakeTexts texts;
    texts.texts[kPresetGunNameString] = std::string(80, 'x');
    const ButtonFunction& b = FreshDefaults(texts).Profiles[3].MacroKeyInfo[19];
    EXPECT_EQ(FixedText(b.ItemName), std::string(49, 'x'));
}
