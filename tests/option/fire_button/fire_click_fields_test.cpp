#include <gtest/gtest.h>

#include "../../keys/layouts.h"
#include "option/fire_button/fire_click_fields.h"

TEST(FireClickFields, NewAssignmentOpensWithCountZeroIntervalFiveAndThePreviousKey) {
    const FireClickFields fields(RepeatedClickValues{0, 5, 0x04});
    EXPECT_EQ(fields.CountText(), "0");
    EXPECT_EQ(fields.IntervalText(), "5");
    EXPECT_EQ(fields.KeyText(layouts::Us), "A");
    EXPECT_EQ(fields.Values(), (RepeatedClickValues{0, 5, 0x04}));
}

TEST(FireClickFields, OutOfRangeSeedsShowEmptyFieldsButHandBackBoundedValues) {
    const FireClickFields fields(RepeatedClickValues{-1, 0, 0});
    EXPECT_EQ(fields.CountText(), "");
    EXPECT_EQ(fields.IntervalText(), "");
    EXPECT_EQ(fields.KeyText(layouts::Us), "");
    EXPECT_EQ(fields.Values(), (RepeatedClickValues{0, 5, 0}));
}

TEST(FireClickFields, CountIsBoundedAsItIsTyped) {
    FireClickFields fields(RepeatedClickValues{});
    EXPECT_EQ(fields.CountChanged("300"), "255");
    EXPECT_EQ(fields.Values().count, 255);
    EXPECT_EQ(fields.CountChanged("12"), std::nullopt);
    EXPECT_EQ(fields.CountChanged("012"), std::nullopt);  // the same number: left as typed
    EXPECT_EQ(fields.CountChanged(""), std::nullopt);     // cleared to type anew: value kept
    EXPECT_EQ(fields.Values().count, 12);
    EXPECT_EQ(fields.CountChanged("99999999999"), "255");  // no overflow on a pasted number
}

TEST(FireClickFields, IntervalBelowFiveIsRaisedOnlyWhenTheFieldLosesTheFocus) {
    FireClickFields fields(RepeatedClickValues{});
    EXPECT_EQ(fields.IntervalChanged("3", true), std::nullopt);  // on the way to "30"
    EXPECT_EQ(fields.IntervalChanged("0", true), "1");
    EXPECT_EQ(fields.IntervalChanged("3", false), "5");
    EXPECT_EQ(fields.Values().interval, 5);
    EXPECT_EQ(fields.IntervalChanged("256", true), "255");
    EXPECT_EQ(fields.IntervalChanged("", true), std::nullopt);
    EXPECT_EQ(fields.IntervalChanged("", false), "5");  // left empty
    EXPECT_EQ(fields.IntervalChanged("40", false), std::nullopt);
    EXPECT_EQ(fields.Values().interval, 40);
}

TEST(FireClickFields, IntervalTypedBelowFiveAndConfirmedIsHandedBackAsFive) {
    FireClickFields fields(RepeatedClickValues{});
    fields.IntervalChanged("2", true);  // OK pressed while the field still had the focus
    EXPECT_EQ(fields.Values().interval, 5);
}

TEST(FireClickFields, CapturedKeyIsStoredByUsageAndNamed) {
    FireClickFields fields(RepeatedClickValues{3, 20, 0});
    EXPECT_EQ(fields.KeyCaptured('Q', layouts::Us), "Q");
    EXPECT_EQ(fields.Values(), (RepeatedClickValues{3, 20, 0x14}));
    EXPECT_EQ(fields.KeyCaptured('Q', layouts::Swapped), "Q");  // stored by position
    EXPECT_EQ(fields.Values().key, 0x04);
    EXPECT_EQ(fields.KeyCaptured(0xFF, layouts::Us), "");  // no row: no key
    EXPECT_EQ(fields.Values().key, 0);
}
