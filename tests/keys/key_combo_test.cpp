#include <gtest/gtest.h>

#include "keys/key_combo.h"
#include "layouts.h"

TEST(KeyComboCaption, PrefixesInShiftCtrlAltWinOrder) {
    EXPECT_EQ(KeyComboCaption(0x04, kModShift | kModCtrl, layouts::Us), "Shift+Ctrl+A");
    EXPECT_EQ(KeyComboCaption(0x3A, kModWin | kModAlt | kModCtrl | kModShift, layouts::Us), "Shift+Ctrl+Alt+Win+F1");
    EXPECT_EQ(KeyComboCaption(0x2C, 0, layouts::Us), "Space");
}

TEST(KeyComboCaption, KeyAloneShowsNoPrefixWhateverTheOtherBits) {
    EXPECT_EQ(KeyComboCaption(0x04, 0x01, layouts::Us), "A");
    EXPECT_EQ(KeyComboCaption(0x04, 0x1F, layouts::Us), "A");
    EXPECT_EQ(KeyComboCaption(0x04, 0xFF, layouts::Us), "A");
}

TEST(KeyComboCaption, NamesTheKeyOfTheActiveLayout) {
    EXPECT_EQ(KeyComboCaption(0x04, kModCtrl, layouts::Swapped), "Ctrl+Q");
    EXPECT_EQ(KeyComboCaption(0x00, kModAlt, layouts::Us), "Alt+");
}
