#include <gtest/gtest.h>

#include "osd/osd_notice.h"

TEST(OsdNotice, ProfileTextNamesNumberAndName) {
    EXPECT_EQ(ProfileNoticeText(0, ""), "Profile 1");
    EXPECT_EQ(ProfileNoticeText(4, "Sniper"), "Profile 5: Sniper");
}

TEST(OsdNotice, StaysVisibleThenFadesToZero) {
    EXPECT_EQ(NoticeOpacity(0), kNoticeOpacity);
    EXPECT_EQ(NoticeOpacity(kNoticeVisibleMs - 1), kNoticeOpacity);
    const int half = NoticeOpacity(kNoticeVisibleMs + kNoticeFadeMs / 2);
    EXPECT_GT(half, 0);
    EXPECT_LT(half, kNoticeOpacity);
    EXPECT_EQ(NoticeOpacity(kNoticeVisibleMs + kNoticeFadeMs), 0);
}
