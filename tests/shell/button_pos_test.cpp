#include <gtest/gtest.h>

#include <string>

#include "profile/fixed_text.h"
#include "shell/button_pos.h"

namespace {

ButtonPos Parse(std::string_view value) {
    ButtonPos entry;
    SetFixedText(entry.label, "stale");
    entry.rect = {1, 2, 3, 4};
    ParseButtonPos(value, entry);
    return entry;
}

}  // namespace

TEST(ParseButtonPos, WidthAndHeightBecomeRightAndBottom) {
    const ButtonPos entry = Parse("x,10,20,30,40");
    EXPECT_STREQ(entry.label, "x");
    EXPECT_EQ(entry.rect, (SkinRect{10, 20, 40, 60}));
}

TEST(ParseButtonPos, ExtraFieldsAndBlanksAreIgnored) {
    EXPECT_EQ(Parse("x,10,20,30,40,7,more text").rect, (SkinRect{10, 20, 40, 60}));
    EXPECT_EQ(Parse("x, 10, 20, 30, 40").rect, (SkinRect{10, 20, 40, 60}));
    EXPECT_EQ(Parse(",-5,-6,10,10").rect, (SkinRect{-5, -6, 5, 4}));
}

TEST(ParseButtonPos, MissingOrBrokenValuesGiveZeroRectangles) {
    const ButtonPos empty = Parse("");
    EXPECT_STREQ(empty.label, "");
    EXPECT_EQ(empty.rect, SkinRect{});
    EXPECT_EQ(Parse("label only").rect, SkinRect{});
    EXPECT_EQ(Parse("x,abc,20,30,40").rect, SkinRect{});
    // Numbers before the first unreadable one still count.
    EXPECT_EQ(Parse("x,10,20,oops,40").rect, (SkinRect{10, 20, 10, 20}));
}

TEST(ParseButtonPos, LongLabelsAndHugeNumbersStayInBounds) {
    const std::string label(100, 'L');
    const ButtonPos entry = Parse(label + ",1,2,3,4");
    EXPECT_EQ(std::string(entry.label), std::string(39, 'L'));
    EXPECT_EQ(entry.rect, (SkinRect{1, 2, 4, 6}));
    EXPECT_EQ(Parse("x,2147483647,0,10,1").rect.right, 2147483647);
    EXPECT_EQ(Parse("x,99999999999,0,10,1").rect, SkinRect{});
}
