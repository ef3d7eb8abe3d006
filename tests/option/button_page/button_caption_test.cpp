#include <gtest/gtest.h>

#include "keys/key_combo.h"
#include "option/button_page/button_caption.h"
#include "profile/button_code.h"
#include "profile/fixed_text.h"
#include "tests/keys/layouts.h"
#include "tests/option/button_page/page_fixture.h"

namespace {

std::string Caption(const ButtonFunction& entry, MapVirtualKeyFunction map = layouts::Us) {
    return ButtonCaption(entry, NumberTexts(), map);
}

ButtonFunction Entry(ButtonCode code) {
    ButtonFunction entry{};
    SetCode(entry, code);
    return entry;
}

}  // namespace

TEST(ButtonCaption, KeyCombinationAndRepeatedClickNameTheirKey) {
    ButtonFunction combo = Entry(ButtonCode::KeyCombination);
    combo.Payload[0] = 0x06;  // C
    combo.Payload[1] = kModCtrl;
    EXPECT_EQ(Caption(combo), "");  // nothing assigned yet
    combo.ItemCount = 1;
    EXPECT_EQ(Caption(combo), "Ctrl+C");

    ButtonFunction fire = Entry(ButtonCode::RepeatedClick);
    fire.Payload[0] = 0x04;
    EXPECT_EQ(Caption(fire), "");
    fire.ItemCount = 1;
    EXPECT_EQ(Caption(fire), "#1054 + A");
    EXPECT_EQ(Caption(fire, layouts::Swapped), "#1054 + Q");  // the key in that position
}

TEST(ButtonCaption, NamedFunctions) {
    ButtonFunction macro = Entry(ButtonCode::Macro);
    SetFixedText(macro.ItemName, "Reload");
    EXPECT_EQ(Caption(macro), "Reload");

    ButtonFunction gun = Entry(ButtonCode::FirePattern);
    SetFixedText(gun.ItemName, "M4");
    const char* suffixes[] = {"M4#1154", "M4#1155", "M4#1156", "M4#1154"};
    for (int mode = 0; mode < 4; ++mode) {
        gun.ModeIndex = mode;
        EXPECT_EQ(Caption(gun), suffixes[mode]);
    }
    ButtonFunction advanced = Entry(ButtonCode::AdvancedFirePattern);
    SetFixedText(advanced.ItemName, "Burst");
    EXPECT_EQ(Caption(advanced), "Burst#1157");
}

TEST(ButtonCaption, ProgramLaunchShowsTheFileName) {
    ButtonFunction run = Entry(ButtonCode::RunProgram);
    SetFixedText(run.ProgramPath, "C:\\Games\\Arena\\arena.exe");
    EXPECT_EQ(Caption(run), "arena.exe");
    SetFixedText(run.ProgramPath, "C:\\Games\\");
    EXPECT_EQ(Caption(run), "");
}

TEST(ButtonCaption, OtherCodesShowTheirCommandsText) {
    EXPECT_EQ(Caption(Entry(ButtonCode::PrimaryClick)), "#1003");
    EXPECT_EQ(Caption(Entry(static_cast<ButtonCode>(33))), "#1078");
    EXPECT_EQ(Caption(Entry(static_cast<ButtonCode>(104))), "#333");
    EXPECT_EQ(Caption(Entry(static_cast<ButtonCode>(9))), "#1016");  // no menu item, but a caption
    EXPECT_EQ(Caption(Entry(ButtonCode::OtgSpeed)), "");
}
