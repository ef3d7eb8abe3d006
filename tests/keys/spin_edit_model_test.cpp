#include <gtest/gtest.h>

#include <climits>

#include "keys/spin_edit_layout.h"
#include "keys/spin_edit_model.h"

using Text = SpinEditModel::NewText;

TEST(SpinEditModel, TypedNumberBeyondTheRangeIsBroughtIntoIt) {
    SpinEditModel spin(1, 11);
    EXPECT_EQ(spin.TextChanged("15"), Text("11"));
    EXPECT_EQ(spin.Value(), 11);
    EXPECT_EQ(spin.TextChanged("11"), std::nullopt);
    EXPECT_EQ(spin.TextChanged("abc"), Text("1"));  // not a number reads as 0
    EXPECT_EQ(spin.TextChanged("  7"), std::nullopt);
    EXPECT_EQ(spin.Value(), 7);
}

TEST(SpinEditModel, SignAndCharacterLimitFollowTheRange) {
    SpinEditModel spin(-5, 5);
    EXPECT_TRUE(spin.SignAllowed());
    EXPECT_EQ(spin.TextLimit(), 2);
    EXPECT_EQ(spin.TextChanged("-"), std::nullopt);  // a sign alone waits for its digits
    spin.SetRange(1, 11);
    EXPECT_FALSE(spin.SignAllowed());
    EXPECT_EQ(spin.TextLimit(), 2);
    spin.SetRange(0, 164);
    EXPECT_EQ(spin.TextLimit(), 3);
    spin.SetRange(-1, 100);
    EXPECT_EQ(spin.TextLimit(), 4);
    // The minimum must fit as well, or part of the range could not be typed.
    spin.SetRange(-100, 5);
    EXPECT_EQ(spin.TextLimit(), 4);
}

TEST(SpinEditModel, AlignmentRoundsToTheStepAndStepOneChangesNothing) {
    SpinEditModel spin(-1000, 1000);
    for (int v = -300; v <= 300; ++v) EXPECT_EQ(spin.Align(v), v);
    spin.SetStep(0);
    EXPECT_EQ(spin.Step(), 1);
    spin.SetStep(5);
    EXPECT_EQ(spin.Align(7), 5);
    EXPECT_EQ(spin.Align(8), 10);
    EXPECT_EQ(spin.Align(-7), -5);
    EXPECT_EQ(spin.Align(-8), -10);  // negative values mirror positive ones
    EXPECT_EQ(spin.Align(-9), -10);
    EXPECT_EQ(spin.TextChanged("8"), Text("10"));
    // A negative multiple of the step stays put, so the value does not walk
    // toward zero as each shown text is aligned again.
    for (int v = -100; v <= 100; v += 5) EXPECT_EQ(spin.Align(v), v);
    EXPECT_EQ(spin.TextChanged("-37"), Text("-35"));
    EXPECT_EQ(spin.TextChanged("-35"), std::nullopt);
    EXPECT_EQ(spin.Value(), -35);
}

TEST(SpinEditModel, ArrowsStepClampAndAlign) {
    SpinEditModel spin(0, 100);
    spin.SetStep(10);
    EXPECT_EQ(spin.Increase("45"), Text("60"));
    EXPECT_EQ(spin.Value(), 60);
    EXPECT_EQ(spin.Increase("95"), Text("100"));
    EXPECT_EQ(spin.Decrease("3"), Text("0"));
    EXPECT_EQ(spin.Value(), 0);
    EXPECT_EQ(spin.Increase("150"), std::nullopt);  // beyond the end it moves toward
    EXPECT_EQ(spin.Decrease("-4"), std::nullopt);
    EXPECT_EQ(spin.Value(), 0);
    // An end that is no multiple of the step is not passed by aligning.
    spin.SetRange(1, 11);
    spin.SetStep(2);
    EXPECT_EQ(spin.Increase("10"), Text("11"));
}

TEST(SpinEditModel, IncreaseAtTheMaximumAndDecreaseAtTheMinimumDoNothing) {
    SpinEditModel spin(1, 11);
    EXPECT_EQ(spin.SetValue(11, "3"), Text("11"));
    EXPECT_EQ(spin.Increase("11"), std::nullopt);
    EXPECT_EQ(spin.Value(), 11);
    EXPECT_EQ(spin.SetValue(1, "11"), Text("1"));
    EXPECT_EQ(spin.Decrease("1"), std::nullopt);
    EXPECT_EQ(spin.Value(), 1);
    EXPECT_EQ(spin.SetValue(1, "1"), std::nullopt);
}

TEST(SpinEditModel, EnterReadsFromTheFirstSignOrNonZeroDigit) {
    SpinEditModel spin(-5, 50);
    EXPECT_EQ(spin.Enter("007"), (SpinEditModel::EnterResult{Text("7"), true}));
    EXPECT_EQ(spin.Enter("7"), (SpinEditModel::EnterResult{std::nullopt, true}));
    EXPECT_EQ(spin.Enter("x-3").text, Text("-3"));
    EXPECT_EQ(spin.Value(), -3);
    EXPECT_EQ(spin.Enter("99").text, Text("50"));
    EXPECT_EQ(spin.Enter("000").text, Text("0"));
    spin.SetRange(5, 1);  // an empty range is never reported
    EXPECT_EQ(spin.Enter("3"), (SpinEditModel::EnterResult{Text("5"), false}));
}

TEST(SpinEditModel, HugeNumbersAreHeldAtTheEndsOfTheRange) {
    SpinEditModel spin(INT_MIN, INT_MAX);
    EXPECT_EQ(ReadNumber("99999999999999999999"), INT_MAX);
    EXPECT_EQ(ReadNumber("-99999999999999999999"), INT_MIN);
    EXPECT_EQ(spin.Increase(std::to_string(INT_MAX)), std::nullopt);
    EXPECT_EQ(spin.Value(), INT_MAX);
    EXPECT_EQ(spin.Decrease(std::to_string(INT_MIN + 1)), Text(std::to_string(INT_MIN)));
    EXPECT_EQ(spin.Decrease(std::to_string(INT_MIN)), std::nullopt);
    spin.SetRange(0, 100);
    EXPECT_EQ(spin.TextChanged("99999999999"), Text("100"));
}

TEST(SpinEditLayout, PartsOfBothLayouts) {
    const SpinEditParts h = PlaceSpinEditParts(SpinLayout::kHorizontal, 60, 20);
    EXPECT_EQ(h.decrease, (SkinRect{0, 0, 10, 19}));
    EXPECT_EQ(h.edit, (SkinRect{12, 1, 48, 18}));
    EXPECT_EQ(h.increase, (SkinRect{49, 0, 60, 19}));
    // The skins' 48-pixel fields keep their 24-pixel edit.
    const SpinEditParts narrow = PlaceSpinEditParts(SpinLayout::kHorizontal, 48, 20);
    EXPECT_EQ(narrow.edit, (SkinRect{12, 1, 36, 18}));
    EXPECT_EQ(narrow.increase, (SkinRect{37, 0, 48, 19}));
    // A step-row field holds "-100" in a 40-pixel edit.
    EXPECT_EQ(PlaceSpinEditParts(SpinLayout::kHorizontal, 64, 20).edit, (SkinRect{12, 1, 52, 18}));
    const SpinEditParts v = PlaceSpinEditParts(SpinLayout::kVertical, 50, 20);
    EXPECT_EQ(v.edit, (SkinRect{1, 1, 39, 19}));
    EXPECT_EQ(v.increase, (SkinRect{39, 1, 49, 9}));
    EXPECT_EQ(v.decrease, (SkinRect{39, 10, 49, 19}));
    EXPECT_EQ(SpinDefaultMaximum(SpinLayout::kHorizontal), 12);
    EXPECT_EQ(SpinDefaultMaximum(SpinLayout::kVertical), 10);
}
