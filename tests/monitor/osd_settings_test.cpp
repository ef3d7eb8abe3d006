#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "monitor/osd_settings.h"

TEST(OsdSettings, FieldsAndMessageParams) {
    OsdSettings s = OsdSettings::Defaults();
    EXPECT_EQ(s.ProfileNoticeSwitch(), 1);
    s.SetField(32, 0x12345);
    s.SetField(36, -1);
    EXPECT_EQ(OsdValuesParam(s), 0x2345FFFFu);
    EXPECT_EQ(ProfileNoticeParam(3), 0x30000u);
}

TEST(OsdSettings, CopyDataNoticeNeedsExactly151Bytes) {
    std::vector<uint8_t> data(151, 0);
    std::memcpy(data.data() + 1, "DPI: 800", 8);
    EXPECT_EQ(CopyDataNoticeText(data.data(), 151), "DPI: 800");
    EXPECT_EQ(CopyDataNoticeText(data.data(), 150), "");
    data.resize(152);
    EXPECT_EQ(CopyDataNoticeText(data.data(), 152), "");
}

TEST(OsdSettings, CopyDataNoticeWithoutTerminatorStopsAtTheBuffer) {
    std::vector<uint8_t> data(151, 'x');
    EXPECT_EQ(CopyDataNoticeText(data.data(), data.size()), std::string(150, 'x'));
}
