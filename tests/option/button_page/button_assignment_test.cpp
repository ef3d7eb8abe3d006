#include <gtest/gtest.h>

#include <cstring>

#include "keys/key_combo.h"
#include "option/button_page/button_assignment.h"
#include "profile/fixed_text.h"
#include "tests/option/button_page/fake_button_dialogs.h"
#include "tests/option/button_page/page_fixture.h"

namespace {

class Assignment : public ::testing::Test {
protected:
    std::unique_ptr<SharedBlock> block = DefaultBlock();
    FakeButtonDialogs dialogs;
    Profile& p = block->Profiles[2];

    ButtonFunction& Entry(int e) { return p.MacroKeyInfo[e]; }
    AssignOutcome Assign(int e, int command) { return AssignFunction(*block, e, command, dialogs); }
    bool Changed(int e) const { return block->ButtonChanged[2][e] != 0; }
    bool Unchanged(const SharedBlock& before) const { return std::memcmp(&before, block.get(), sizeof before) == 0; }
};

Gun Pattern(const char* name, int32_t steps) {
    Gun pattern = NewGun(name);
    pattern.RepeatCount = 3;
    pattern.StepCount = steps;
    for (int s = 0; s < kGunStepCount; ++s) pattern.Steps[s] = {s + 1, -s, static_cast<uint16_t>(10 * s), {}};
    pattern.Color = 0x00FF00;
    pattern.ModeIndex = 1;
    pattern.ModeValues[0] = 7;
    pattern.ModeValues[1] = 42;
    pattern.ModeValues[2] = 99;
    pattern.Aux = 5;
    return pattern;
}

Macro NamedMacro(const std::string& name, int32_t repeat, int32_t events) {
    Macro macro{};
    LibraryEntry<Macro>::SetName(macro, name);
    macro.RepeatCount = repeat;
    macro.EventCount = events;
    return macro;
}

}  // namespace

TEST_F(Assignment, FirstBankKeepsAPrimaryClick) {
    const SharedBlock before = *block;
    EXPECT_EQ(Assign(0, 1005), AssignOutcome::Refused);
    EXPECT_EQ(Assign(0, 1060), AssignOutcome::Refused);  // refused before its dialog opens
    EXPECT_EQ(dialogs.runs, 0);
    EXPECT_TRUE(Unchanged(before));
    EXPECT_EQ(kPrimaryClickWarning, WarningVariant::A);

    EXPECT_EQ(Assign(16, 1005), AssignOutcome::Assigned);  // the second bank may lose its primary click
    EXPECT_EQ(Entry(16).Code, 2);
    EXPECT_EQ(Assign(5, 1003), AssignOutcome::Assigned);  // a second one in the first bank...
    EXPECT_EQ(Assign(0, 1005), AssignOutcome::Assigned);  // ...lets the first go
    EXPECT_EQ(Assign(5, 1005), AssignOutcome::Refused);
}

TEST_F(Assignment, PlainFunctionClearsItemDataAndMarksOnlyItsEntry) {
    ButtonFunction& b = Entry(20);  // the preset M4
    b.Payload[7] = 9;
    EXPECT_EQ(Assign(20, 1078), AssignOutcome::Assigned);
    EXPECT_EQ(b.Code, 33);
    EXPECT_EQ(b.ItemCount, 0);
    EXPECT_EQ(FixedText(b.ItemName), "");
    EXPECT_EQ(b.Payload[7], 0);
    EXPECT_EQ(b.GunItem, 0);  // fields of other functions stay
    for (int e = 0; e < kButtonEntryCount; ++e) EXPECT_EQ(Changed(e), e == 20) << e;
    for (int q : {0, 1, 3, 4}) EXPECT_EQ(block->ButtonChanged[q][20], 0);
}

TEST_F(Assignment, NothingWithoutACurrentProfileACommandOrAnEntry) {
    const SharedBlock before = *block;
    EXPECT_EQ(Assign(3, 1002), AssignOutcome::Ignored);
    EXPECT_EQ(Assign(32, 1003), AssignOutcome::Ignored);
    dialogs.offered.clear();
    EXPECT_EQ(Assign(3, 1049), AssignOutcome::Ignored);  // its item is disabled
    EXPECT_TRUE(Unchanged(before));
    block->CurrentProfile = 5;
    EXPECT_EQ(Assign(3, 1003), AssignOutcome::Ignored);
}

TEST_F(Assignment, KeyCombination) {
    Entry(3).Payload[0] = 0x04;
    Entry(3).Payload[1] = kKeyAlone | kModShift;
    dialogs.shortcut = ShortcutChoice(0x06, kModCtrl);
    EXPECT_EQ(Assign(3, 1060), AssignOutcome::Assigned);
    EXPECT_EQ(dialogs.shortcutSeed->Key(), 0x04);
    EXPECT_TRUE(dialogs.shortcutSeed->IsOn(ShortcutChoice::kShift));
    EXPECT_EQ(Entry(3).Code, 5);
    EXPECT_EQ(Entry(3).Payload[1], kModCtrl);

    dialogs.shortcut = ShortcutChoice(0, kModCtrl);  // OK without a key
    EXPECT_EQ(Assign(0, 1060), AssignOutcome::Refused);  // still the only primary click
    Entry(5).Code = 1;
    EXPECT_EQ(Assign(0, 1060), AssignOutcome::Assigned);
    EXPECT_EQ(Entry(0).Code, 1);  // its default
    EXPECT_EQ(Entry(0).ItemCount, 0);

    dialogs.shortcut.reset();
    const SharedBlock before = *block;
    EXPECT_EQ(Assign(3, 1060), AssignOutcome::Cancelled);
    EXPECT_TRUE(Unchanged(before));
}

TEST_F(Assignment, RepeatedClick) {
    Entry(4).Payload[0] = 0x2C;
    Entry(4).FireCount = 9;
    dialogs.repeatedClick = RepeatedClickValues{300, 1, 0x04};
    EXPECT_EQ(Assign(4, 1054), AssignOutcome::Assigned);
    EXPECT_EQ(*dialogs.repeatedClickSeed, (RepeatedClickValues{0, 5, 0x2C}));  // a new repeated click
    EXPECT_EQ(Entry(4).Code, 21);
    EXPECT_EQ(Entry(4).FireCount, 255);
    EXPECT_EQ(Entry(4).FireInterval, 5);
    EXPECT_EQ(Entry(4).Payload[0], 0x04);

    dialogs.repeatedClick = RepeatedClickValues{10, 50, 0};
    EXPECT_EQ(Assign(4, 1054), AssignOutcome::Assigned);
    EXPECT_EQ(*dialogs.repeatedClickSeed, (RepeatedClickValues{255, 5, 0x04}));  // seeded from the entry
    EXPECT_EQ(Entry(4).Code, 8);  // no key: entry 4's default
}

TEST_F(Assignment, MacroCopiedWhenItStillExists) {
    MacroChoice choice;
    choice.mode = 2;
    choice.group = 1;
    choice.item = 4;
    choice.groupName = "Shooters";
    choice.entry = NamedMacro(std::string(50, 'x'), 3, 80);
    choice.entry->Events[49].Value = 0xAB00;  // the last byte a button holds
    dialogs.macro = choice;
    EXPECT_EQ(Assign(7, 1049), AssignOutcome::Assigned);
    EXPECT_EQ(dialogs.librarySeed->group, -1);  // not a macro before: nothing selected
    const ButtonFunction& b = Entry(7);
    EXPECT_EQ(b.Code, 16);
    EXPECT_EQ(b.RunMode, 2);
    EXPECT_EQ(b.MacroItem, 4);
    EXPECT_EQ(b.AdvanceGunItem, -1);
    EXPECT_EQ(FixedText(b.GroupName), "Shooters");
    EXPECT_EQ(FixedText(b.ItemName), std::string(49, 'x'));
    EXPECT_EQ(b.ItemValue, 3);
    EXPECT_EQ(b.ItemCount, 50);  // no more events than the copy holds
    EXPECT_EQ(b.Payload[199], 0xAB);

    choice.entry.reset();  // the macro was deleted meanwhile
    dialogs.macro = choice;
    EXPECT_EQ(Assign(7, 1049), AssignOutcome::Assigned);
    EXPECT_EQ(dialogs.librarySeed->item, 4);
    EXPECT_EQ(b.Code, 47);  // entry 7's default
    EXPECT_EQ(b.ItemCount, 0);
    EXPECT_EQ(b.Payload[199], 0);
}

TEST_F(Assignment, GunFromTheLibrary) {
    PatternChoice choice;
    choice.mode = 1;
    choice.group = 0;
    choice.item = 3;
    choice.groupName = "Rifles";
    choice.entry = Pattern("G3", 9);
    dialogs.gun = choice;
    p.GunMode = 1;
    EXPECT_EQ(Assign(20, 1064), AssignOutcome::Assigned);
    EXPECT_EQ(dialogs.librarySeed->mode, 1);  // the preset is a gun: seeded with its place
    EXPECT_EQ(dialogs.librarySeed->item, 0);
    const ButtonFunction& b = Entry(20);
    EXPECT_EQ(b.Code, 100);
    EXPECT_EQ(p.GunMode, 1);
    EXPECT_EQ(b.GunItem, 3);
    EXPECT_EQ(b.MacroGroup, -1);
    EXPECT_EQ(FixedText(b.GroupName), "Rifles");
    EXPECT_EQ(b.ItemCount, 8);
    EXPECT_EQ(b.ModeValue, 42);
    EXPECT_EQ(b.GunColor, 0x00FF00u);
    EXPECT_EQ(b.Steps[7].X, 8);

    choice.entry->ModeIndex = 3;  // a damaged record: no such mode
    dialogs.gun = choice;
    EXPECT_EQ(Assign(20, 1064), AssignOutcome::Assigned);
    EXPECT_EQ(b.ModeValue, 0);

    choice.groupName.reset();
    dialogs.gun = choice;
    EXPECT_EQ(Assign(18, 1064), AssignOutcome::Assigned);
    EXPECT_EQ(dialogs.librarySeed->mode, 0);  // entry 18 had no gun: mode 0, nothing selected
    EXPECT_EQ(dialogs.librarySeed->group, -1);
    EXPECT_EQ(Entry(18).Code, 3);  // the folder is gone: entry 18's default
}

TEST_F(Assignment, AdvancedPattern) {
    PatternChoice choice;
    choice.mode = 1;
    choice.group = 2;
    choice.item = 0;
    choice.groupName = "Bursts";
    choice.entry = Pattern("Triple", 3);
    dialogs.advancedPattern = choice;
    EXPECT_EQ(Assign(21, 1068), AssignOutcome::Assigned);
    const ButtonFunction& b = Entry(21);
    EXPECT_EQ(b.Code, 105);
    EXPECT_EQ(b.AdvanceGunGroup, 2);
    EXPECT_EQ(b.GunGroup, -1);
    EXPECT_EQ(FixedText(b.ItemName), "Triple");
    EXPECT_EQ(b.GunColor, 0x00FF00u);  // the mouse lights the pattern in its colour

    choice.entry.reset();
    dialogs.advancedPattern = choice;
    EXPECT_EQ(Assign(21, 1068), AssignOutcome::Assigned);
    EXPECT_EQ(dialogs.librarySeed->group, 2);
    EXPECT_EQ(b.Code, 13);  // entry 21's default

    dialogs.advancedPattern.reset();
    const SharedBlock before = *block;
    EXPECT_EQ(Assign(21, 1068), AssignOutcome::Cancelled);
    EXPECT_TRUE(Unchanged(before));
}

TEST_F(Assignment, RestoreDefaultsGivesBackPlainFunctions) {
    Entry(0).Code = 33;
    SetFixedText(Entry(3).ItemName, "x");
    RestoreDefaultFunctions(*block);
    for (int e = 0; e < kButtonEntryCount; ++e) {
        EXPECT_EQ(Entry(e).Index, e);
        EXPECT_TRUE(Changed(e));
    }
    EXPECT_EQ(Entry(0).Code, 1);
    EXPECT_EQ(FixedText(Entry(3).ItemName), "");
    for (int e : {19, 20, 22, 23}) {
        EXPECT_EQ(Entry(e).Code, 100);
        EXPECT_EQ(FixedText(Entry(e).ItemName), "");
        EXPECT_EQ(Entry(e).ItemCount, 0);
        EXPECT_EQ(Entry(e).GunColor, 0u);
    }
    EXPECT_STREQ(block->Profiles[1].MacroKeyInfo[20].ItemName, "M4");  // other profiles untouched
    EXPECT_EQ(block->ButtonChanged[1][0], 0);
}
