#include <gtest/gtest.h>

#include "layout.h"

namespace {

const char kHeader[] =
    "window 200 100\n"
    "ini skin_test.ini\n"
    "pictures test\n"
    "outline bevel:6\n"
    "text 10 10 90 30   # title\n";

WindowLayout Parse(const std::string& body) { return ParseWindowLayout(kHeader + body, "test.layout"); }

const std::vector<MaskSpec> kMasks = {{"ok_mask.bmp", {ShapeKind::Bevel, 4}, 60, 20}};

TEST(Layout, ReadsWindowControlsOptionsAndNotes) {
  const auto layout = Parse("1 shaped 20 60 60 20 mask=ok_mask.bmp   # OK\n"
                            "12 field 100 10 80 24 # name field\n");
  EXPECT_EQ(layout.width, 200);
  EXPECT_EQ(layout.section, "SCREEN");
  EXPECT_EQ(layout.outline.kind, ShapeKind::Bevel);
  EXPECT_EQ(layout.outline.size, 6);
  ASSERT_EQ(layout.texts.size(), 1u);
  EXPECT_EQ(layout.texts[0].rect, (Rect{10, 10, 80, 20}));  // written as edges
  ASSERT_EQ(layout.controls.size(), 2u);
  EXPECT_EQ(layout.controls[0].option("mask"), "ok_mask.bmp");
  EXPECT_EQ(layout.controls[1].key, 12);
  EXPECT_EQ(layout.controls[1].note, "name field");
  EXPECT_TRUE(CheckLayout(layout, kMasks).empty());
}

TEST(Layout, SyntaxErrorsNameTheLine) {
  try {
    Parse("1 button 0 0 10 10 # a\n1 button 20 0 10 10 # b\n");
    FAIL();
  } catch (const LayoutError& e) {
    EXPECT_NE(std::string(e.what()).find("test.layout:7"), std::string::npos) << e.what();
  }
  EXPECT_THROW(Parse("2 button 0 0 10 10\n"), LayoutError);            // no comment
  EXPECT_THROW(Parse("2 button 0 0 0 10 # empty\n"), LayoutError);     // no size
  EXPECT_THROW(Parse("outline wobbly:3\n"), LayoutError);
  EXPECT_THROW(Parse("2 button 0 0 10 10 glyph # no value\n"), LayoutError);
  EXPECT_THROW(ParseWindowLayout("ini a.ini\npictures a\n", "x"), LayoutError);  // no size
}

TEST(Layout, CheckFindsEveryKindOfMisplacement) {
  const auto layout = Parse("1 button 190 90 20 20 # leaves the window\n"
                            "2 button 80 20 20 20 # covers the title\n"
                            "3 button 100 50 30 20 # overlaps 4\n"
                            "4 button 120 50 30 20 # overlapped\n"
                            "5 shaped 10 70 50 20 mask=ok_mask.bmp # wrong size\n"
                            "6 shaped 70 70 10 10 mask=nope.bmp # unknown mask\n");
  const auto problems = CheckLayout(layout, kMasks);
  ASSERT_EQ(problems.size(), 5u);
  EXPECT_NE(problems[0].find("outside"), std::string::npos);
  EXPECT_NE(problems[1].find("title"), std::string::npos);
  EXPECT_NE(problems[2].find("overlaps entry 4"), std::string::npos);
  EXPECT_NE(problems[3].find("60 x 20"), std::string::npos);
  EXPECT_NE(problems[4].find("undeclared"), std::string::npos);
}

TEST(Layout, TwoBanksMayShareARectangleExactly) {
  const auto layout = Parse("1 function 20 40 60 20 # bank one\n41 function 20 40 60 20 # bank two\n");
  EXPECT_TRUE(CheckLayout(layout, kMasks).empty());
}

TEST(Masks, ParsesAndRefusesDuplicates) {
  const auto masks = ParseMasks("mask a.bmp trap-up:8 84 30  # a\nmask b.bmp rect 5 5\n", "m");
  ASSERT_EQ(masks.size(), 2u);
  EXPECT_EQ(masks[0].shape.kind, ShapeKind::TrapezoidUp);
  EXPECT_EQ(FindMask(masks, "b.bmp")->width, 5);
  EXPECT_THROW(ParseMasks("mask a.bmp rect 5 5\nmask a.bmp rect 5 5\n", "m"), LayoutError);
  EXPECT_THROW(ParseMasks("mask a.bmp rect 0 5\n", "m"), LayoutError);
}

}  // namespace
