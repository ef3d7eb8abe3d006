#include <gtest/gtest.h>

#include "shell/edit_filter.h"

TEST(NumericEditKeys, DigitsEditingKeysAndSignsPass) {
    for (unsigned vk : {0x30u, 0x39u, 0x60u, 0x69u, 0x0Du, 0x25u, 0x27u, 0x24u, 0x23u, 0x08u, 0x2Eu, 0xBDu, 0xBBu})
        EXPECT_TRUE(IsNumericEditKey(vk)) << std::hex << vk;
}

TEST(NumericEditKeys, LettersArrowsUpDownAndNumpadSignsAreSwallowed) {
    // 'A', space, up, down, tab, numpad minus/plus, decimal point, '/' of the
    // numpad, and the neighbours of the accepted ranges.
    for (unsigned vk : {0x41u, 0x20u, 0x26u, 0x28u, 0x09u, 0x6Du, 0x6Bu, 0x6Eu, 0x6Fu, 0x2Fu, 0x3Au, 0x5Fu, 0x6Au})
        EXPECT_FALSE(IsNumericEditKey(vk)) << std::hex << vk;
}

TEST(NumericEditText, KeepsOnlyTheLeadingRun) {
    EXPECT_EQ(LeadingNumericRun("12a3", false), "12");
    EXPECT_EQ(LeadingNumericRun("123", false), "123");
    EXPECT_EQ(LeadingNumericRun("a123", false), "");
    EXPECT_EQ(LeadingNumericRun("", false), "");
    EXPECT_EQ(LeadingNumericRun(" 5", false), "");
}

TEST(NumericEditText, SignsOnlyWhenAllowed) {
    EXPECT_EQ(LeadingNumericRun("-5", true), "-5");
    EXPECT_EQ(LeadingNumericRun("-5", false), "");
    EXPECT_EQ(LeadingNumericRun("+7x", true), "+7");
    EXPECT_EQ(LeadingNumericRun("12-3", false), "12");
    // Signs anywhere in the run stay: the field filters characters, not syntax.
    EXPECT_EQ(LeadingNumericRun("1-2+", true), "1-2+");
}

TEST(NumericEditChars, DigitsControlCharactersAndSignsWhenAllowed) {
    for (unsigned c = '0'; c <= '9'; ++c) EXPECT_TRUE(IsNumericEditChar(c, false)) << c;
    EXPECT_TRUE(IsNumericEditChar(0x08, false));  // Backspace
    EXPECT_TRUE(IsNumericEditChar(0x16, false));  // Ctrl+V, pasted through the text filter
    for (unsigned c : {0x61u, 0x5Au, 0x20u, 0x21u, 0x40u, 0x29u, 0x2Eu, 0xE9u})  // a Z space ! @ ) . é
        EXPECT_FALSE(IsNumericEditChar(c, true)) << c;
    EXPECT_FALSE(IsNumericEditChar('-', false));
    EXPECT_FALSE(IsNumericEditChar('+', false));
    EXPECT_TRUE(IsNumericEditChar('-', true));
    EXPECT_TRUE(IsNumericEditChar('+', true));
}
