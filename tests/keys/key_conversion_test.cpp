#include <gtest/gtest.h>

#include <set>

#include "keys/key_code_table.h"
#include "keys/key_conversion.h"
#include "keys/key_name.h"
#include "layouts.h"

TEST(KeyCodeTable, RowsRunByUsageWithKeypadSevenBeforeSix) {
    std::set<uint32_t> vks, usages;
    for (size_t i = 0; i < KeyCodeTable.size(); ++i) {
        const KeyCodeRow& row = KeyCodeTable[i];
        vks.insert(row.vk);
        usages.insert(row.usage);
        if (row.usage >= 0x46) {
            EXPECT_EQ(row.scan, 0u) << std::hex << row.usage;
        }
        if (i == 0) continue;
        const uint32_t before = KeyCodeTable[i - 1].usage;
        if (row.usage == 0x5E)
            EXPECT_EQ(before, 0x5Fu);
        else if (row.usage == 0x5F)
            EXPECT_EQ(before, 0x5Du);
        else if (row.usage == 0x60)
            EXPECT_EQ(before, 0x5Eu);
        else
            EXPECT_LT(before, row.usage) << std::hex << row.usage;
    }
    EXPECT_EQ(vks.size(), 111u);
    EXPECT_EQ(usages.size(), 111u);
}

TEST(KeyConversion, UsLayoutRoundTripsEveryRow) {
    for (const KeyCodeRow& row : KeyCodeTable) {
        EXPECT_EQ(VkToUsage(row.vk, layouts::Us), row.usage) << std::hex << row.vk;
        EXPECT_EQ(UsageToVk(row.usage, layouts::Us), row.vk) << std::hex << row.usage;
    }
}

TEST(KeyConversion, UsScanCodesMatchThePositionRows) {
    for (const KeyCodeRow& row : KeyCodeTable)
        if (row.scan != 0) {
            EXPECT_EQ(layouts::Us(row.vk, 0), row.scan) << std::hex << row.vk;
        }
}

TEST(KeyConversion, KeyInThePositionOfAOnALayoutWhereItTypesQ) {
    EXPECT_EQ(VkToUsage('Q', layouts::Swapped), 0x04u);
    EXPECT_EQ(VkToUsage('A', layouts::Swapped), 0x14u);
    EXPECT_EQ(VkToUsage('Z', layouts::Swapped), 0x1Au);
    EXPECT_EQ(KeyName(*UsageToVk(0x04, layouts::Swapped)), "Q");
    EXPECT_EQ(KeyName(*UsageToVk(0x14, layouts::Swapped)), "A");
    // Keys the layouts agree on, and keys never refined, are unchanged.
    EXPECT_EQ(VkToUsage('B', layouts::Swapped), 0x05u);
    EXPECT_EQ(VkToUsage(0x24, layouts::Swapped), 0x4Au);
    EXPECT_EQ(UsageToVk(0xE6, layouts::Swapped), 0xA5u);
}

TEST(KeyConversion, KeypadEnterIsEnterAndTheBlankKeypadRowIsReachedOnlyFromItsUsage) {
    EXPECT_EQ(VkToUsage(0x0D, layouts::Us), 0x28u);
    EXPECT_EQ(KeyName(*UsageToVk(0x28, layouts::Us)), "Enter");
    EXPECT_EQ(UsageToVk(0x58, layouts::Us), 0x6Cu);
    EXPECT_EQ(KeyName(0x6C), "Num_ ");
}

TEST(KeyConversion, KeysAndUsagesWithoutARow) {
    for (uint32_t vk : {0x29u, 0x2Bu, 0x2Fu, 0x10u, 0x11u, 0x12u, 0xF5u, 0xF9u, 0x100u}) {
        EXPECT_EQ(VkToUsage(vk, layouts::Us), std::nullopt) << std::hex << vk;
    }
    EXPECT_EQ(KeyName(0x2F), "Help");
    for (uint32_t usage : {0x00u, 0x03u, 0x32u, 0x64u, 0xF5u, 0xF9u, 0xFCu})
        EXPECT_EQ(UsageToVk(usage, layouts::Us), std::nullopt) << std::hex << usage;
}

TEST(KeyConversion, LeftWindowsAndRightAltKeepTheirSide) {
    EXPECT_EQ(VkToUsage(0x5B, layouts::Us), 0xE3u);
    EXPECT_EQ(VkToUsage(0xA5, layouts::Us), 0xE6u);
    EXPECT_EQ(KeyName(*UsageToVk(0xE6, layouts::Us)), "Right Alt");
}

// A layout that has no scan code for a key must not turn it into the first
// row without one (Print Screen), nor show a stored key as nameless.
TEST(KeyConversion, LayoutWithoutTheKeyKeepsTheRowsOwnCodes) {
    EXPECT_EQ(VkToUsage('A', layouts::Empty), 0x04u);
    EXPECT_EQ(VkToUsage(0xC0, layouts::Empty), 0x35u);
    EXPECT_EQ(UsageToVk(0x04, layouts::Empty), 0x41u);
    EXPECT_EQ(UsageToVk(0x45, layouts::Empty), 0x7Bu);
}
