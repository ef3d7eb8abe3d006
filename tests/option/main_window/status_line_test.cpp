#include <gtest/gtest.h>

#include "option/main_window/status_line.h"

TEST(StatusLine, ShowsTheFirmwareAsWrittenInConfigAndTheProgramsVersion) {
    EXPECT_EQ(StatusLine(105, "1.0.0"), "Firmware 1.05    Version 1.0.0");
    EXPECT_EQ(StatusLine(99, "2.1.3"), "Firmware N/A    Version 2.1.3");
}
