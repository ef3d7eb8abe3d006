#include "monitor/start_options.h"

#include <gtest/gtest.h>

TEST(StartOptions, OnlyALeadingOneAsksToOpenOption) {
    EXPECT_TRUE(OpenOptionRequested("1"));
    EXPECT_TRUE(OpenOptionRequested("10 other words"));
    EXPECT_FALSE(OpenOptionRequested(""));
    EXPECT_FALSE(OpenOptionRequested(" 1"));
    EXPECT_FALSE(OpenOptionRequested("0"));
}
