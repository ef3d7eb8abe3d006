#include <gtest/gtest.h>

#include <cstring>

#include "keys/shortcut_choice.h"
#include "layouts.h"
#include "profile/profile_defaults.h"

using C = ShortcutChoice;

TEST(ShortcutChoice, KeyAloneStoredDisablesTheOtherFourToggles) {
    const C choice(0x04, 0x01);
    EXPECT_TRUE(choice.IsOn(C::kAlone));
    EXPECT_TRUE(choice.IsEnabled(C::kAlone));
    for (int t = C::kShift; t <= C::kWin; ++t) {
        EXPECT_FALSE(choice.IsOn(t));
        EXPECT_FALSE(choice.IsEnabled(t));
    }
    EXPECT_EQ(choice.KeyFieldText(layouts::Us), "A");
}

TEST(ShortcutChoice, TogglesFollowTheModifierBitsAndKeyAloneWins) {
    C choice(0x04, 0);
    choice.Set(C::kShift, true);
    choice.Set(C::kCtrl, true);
    EXPECT_EQ(choice.ModifierByte(), 0x06);
    choice.Set(C::kAlone, true);
    EXPECT_EQ(choice.ModifierByte(), 0x01);
    EXPECT_TRUE(choice.IsOn(C::kShift));  // kept while disabled
    choice.Set(C::kAlone, false);
    EXPECT_EQ(choice.ModifierByte(), 0x06);
    for (int t = 0; t < C::kToggleCount; ++t) EXPECT_TRUE(choice.IsEnabled(t));
}

TEST(ShortcutChoice, StoredByteWithEveryBitSetGivesKeyAloneBack) {
    const C choice(0x04, 0xFF);
    for (int t = 0; t < C::kToggleCount; ++t) EXPECT_TRUE(choice.IsOn(t));
    EXPECT_EQ(choice.ModifierByte(), 0x01);
    EXPECT_EQ(C(0x04, 0xE6).ModifierByte(), 0x06);  // bits 5..7 are never stored
}

TEST(ShortcutChoice, CapturedKeysAreStoredByUsageAndShownByName) {
    C choice(0, 0);
    EXPECT_EQ(choice.KeyFieldText(layouts::Us), "");
    EXPECT_EQ(choice.Capture(0xA5, layouts::Us), "Right Alt");
    EXPECT_EQ(choice.Key(), 0xE6);
    EXPECT_EQ(choice.Capture(0xA2, layouts::Us), "Left Ctrl");  // a modifier key becomes the key itself
    EXPECT_EQ(choice.Key(), 0xE0);
    EXPECT_EQ(choice.Capture(0x29, layouts::Us), "Select");
    EXPECT_EQ(choice.Key(), 0);
    EXPECT_EQ(choice.Capture('Q', layouts::Swapped), "Q");
    EXPECT_EQ(choice.Key(), 0x04);
    EXPECT_EQ(choice.KeyFieldText(layouts::Swapped), "Q");
}

TEST(StoreShortcut, KeyCombinationOrTheEntrysDefaultWhenNoKey) {
    ButtonFunction entry{};
    entry.FireCount = 7;
    std::strcpy(entry.ItemName, "old macro");
    C choice(0x04, 0);
    choice.Set(C::kWin, true);
    EXPECT_EQ(StoreShortcut(entry, 3, choice), ButtonCode::KeyCombination);
    EXPECT_EQ(entry.ItemCount, 1);
    EXPECT_EQ(entry.Payload[0], 0x04);
    EXPECT_EQ(entry.Payload[1], 0x10);
    EXPECT_EQ(entry.ItemName[0], 0);
    EXPECT_EQ(entry.FireCount, 7);

    EXPECT_EQ(StoreShortcut(entry, 3, C(0, 0x01)), DefaultButtonCode(3));
    EXPECT_EQ(entry.Payload[0], 0);
}
