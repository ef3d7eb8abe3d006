#include <gtest/gtest.h>

#include "shell/menu_frame.h"
#include "shell/skin_menu_layout.h"

TEST(SkinMenuWidth, RaisedToEightPixelsPerCharacterOnly) {
    EXPECT_EQ(RaiseSkinMenuWidth(0, "Delete"), 48);
    EXPECT_EQ(RaiseSkinMenuWidth(137, "Delete"), 137);
    EXPECT_EQ(RaiseSkinMenuWidth(40, "Delete"), 48);
    EXPECT_EQ(RaiseSkinMenuWidth(40, ""), 40);
}

TEST(SkinMenuMeasure, SeparatorsAreThinItemsAreNineteenHigh) {
    const SkinMenuItemSize separator = MeasureSkinMenuItem(true, 137);
    const SkinMenuItemSize item = MeasureSkinMenuItem(false, 137);
    EXPECT_EQ(separator.height, 5);
    EXPECT_EQ(item.height, 19);
    EXPECT_EQ(item.width, 137);
}

TEST(SkinMenuColours, SelectionOnlyChangesTheBackground) {
    EXPECT_EQ(SkinMenuColoursFor(true).back, 0x9E4812u);
    EXPECT_EQ(SkinMenuColoursFor(false).back, 0x000000u);
    EXPECT_EQ(SkinMenuColoursFor(true).text, SkinMenuColoursFor(false).text);
}

TEST(MenuFrame, BlueOutlineThenTwoBlackOnesInset) {
    const auto lines = MenuFrameOutlines(100, 40);
    EXPECT_EQ(lines[0].colour, 0x9E4812u);  // (18, 72, 158)
    EXPECT_EQ(lines[0].left, 0);
    EXPECT_EQ(lines[0].right, 100);
    EXPECT_EQ(lines[0].bottom, 40);
    EXPECT_EQ(lines[1].colour, 0u);
    EXPECT_EQ(lines[1].left, 1);
    EXPECT_EQ(lines[1].bottom, 39);
    EXPECT_EQ(lines[2].colour, 0u);
    EXPECT_EQ(lines[2].top, 2);
    EXPECT_EQ(lines[2].right, 98);
}
