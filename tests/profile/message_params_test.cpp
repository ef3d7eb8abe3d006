#include "profile/message_params.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "profile/osd_record.h"

namespace {

TEST(MessageParams, ProfileNoticeCarriesTheIndexInTheHighHalf) {
    EXPECT_EQ(PackProfileNotice(3), 0x30000u);
    for (const int index : {0, 4}) EXPECT_EQ(UnpackProfileNotice(PackProfileNotice(index)), index);
}

// Only the low 16 bits of each value travel; the receiver sees 0..65535.
TEST(MessageParams, OsdValuesKeepTheLow16BitsOfEach) {
    EXPECT_EQ(PackOsdValues({0x12345, -1}), 0x2345FFFFu);
    EXPECT_EQ(UnpackOsdValues(0x2345FFFFu), (OsdValues{0x2345, 0xFFFF}));
    EXPECT_EQ(UnpackOsdValues(PackOsdValues({7, 9})), (OsdValues{7, 9}));
}

TEST(MessageParams, DeviceEventWordSplitsIntoWParamAndLParam) {
    const EventParams params = PackDeviceEvent(0x0700'0005);
    EXPECT_EQ(params.WParam, 0x0700u);
    EXPECT_EQ(params.LParam, 5);
    EXPECT_EQ(UnpackDeviceEvent(params.WParam, params.LParam), 0x0700'0005u);
    // Bits above the low half of either parameter are not part of the word.
    EXPECT_EQ(UnpackDeviceEvent(0x1'F000, 0x7'0121), 0xF000'0121u);
}

TEST(MessageParams, PresenceBecomesAnEventWord) {
    EXPECT_EQ(UnpackPresence(PackPresence(true)), 0x7F00'0001u);
    EXPECT_EQ(UnpackPresence(PackPresence(false)), 0x7F00'0002u);
    EXPECT_EQ(UnpackPresence(2), 0x7F00'0000u);
}

TEST(MessageParams, CopyDataNoticeNeedsExactly151Bytes) {
    const CopyDataNotice data = PackCopyDataNotice("DPI: 800");
    EXPECT_EQ(data[0], 0);
    EXPECT_EQ(UnpackCopyDataNotice(data.data(), 151), "DPI: 800");
    EXPECT_EQ(UnpackCopyDataNotice(data.data(), 150), "");
    std::vector<uint8_t> longer(data.begin(), data.end());
    longer.push_back(0);
    EXPECT_EQ(UnpackCopyDataNotice(longer.data(), 152), "");
    EXPECT_EQ(UnpackCopyDataNotice(nullptr, 151), "");
}

TEST(MessageParams, CopyDataNoticeIsReadOnlyInsideItsBuffer) {
    std::vector<uint8_t> unterminated(151, 'x');
    EXPECT_EQ(UnpackCopyDataNotice(unterminated.data(), unterminated.size()), std::string(150, 'x'));
    // The packer always leaves room for the terminator.
    const CopyDataNotice cut = PackCopyDataNotice(std::string(200, 'y'));
    EXPECT_EQ(UnpackCopyDataNotice(cut.data(), cut.size()), std::string(149, 'y'));
}

TEST(OsdRecord, DefaultsAnnounceProfilesAndPackingKeepsTheOtherBytes) {
    OsdRecordBytes record = DefaultOsdRecord();
    EXPECT_EQ(UnpackOsdRecord(record).ProfileNoticeSwitch, 1);
    record.fill(0xAB);
    PackOsdRecord({0, 0x12345, -1}, record);
    const OsdSettingsFields fields = UnpackOsdRecord(record);
    EXPECT_EQ(fields.ProfileNoticeSwitch, 0);
    EXPECT_EQ(fields.FirstValue, 0x12345);
    EXPECT_EQ(fields.SecondValue, -1);
    EXPECT_EQ(record[8], 0);
    EXPECT_EQ(record[32], 0x45);
    EXPECT_EQ(record[7], 0xAB);
    EXPECT_EQ(record[12], 0xAB);
    EXPECT_EQ(record[40], 0xAB);
}

}  // namespace
