#include <gtest/gtest.h>

#include <memory>
#include <numeric>

#include "device/device_command.h"

namespace {

Command Bytes(uint8_t b0, uint8_t b1, uint8_t b2, uint8_t sum) { return {b0, b1, b2, 0, 0, 0, 0, sum}; }

std::unique_ptr<Profile> ZeroProfile() { return std::make_unique<Profile>(); }

}  // namespace

TEST(DeviceCommand, ChecksumMakesAllBytesSumToFF) {
    EXPECT_EQ(OpeningCommand(), Bytes(0x01, 0x88, 0x02, 0x74));
    EXPECT_EQ(ClosingCommand(), Bytes(0x02, 0x01, 0x00, 0xFC));
    EXPECT_EQ(SettingsBlockCommand(), Bytes(0x0C, 0x01, 0x80, 0x72));
    // Sums that pass 0xFF wrap modulo 256.
    const Command c = MakeCommand(0xFF, 0xFF, 0xFF);
    EXPECT_EQ(c[7], 0x02);
    for (const Command& cmd : {OpeningCommand(), MakeCommand(0), MakeCommand(0x84, 5), c})
        EXPECT_EQ(std::accumulate(cmd.begin(), cmd.end(), 0) % 256, 0xFF);
}

TEST(DeviceCommand, TableAndSlotCommands) {
    EXPECT_EQ(ButtonTableCommand(), Bytes(0x0D, 0x01, 0x80, 0x71));
    EXPECT_EQ(SlotColourCommand(), Bytes(0x0F, 0x64, 0x80, 0x0C));
    EXPECT_EQ(DataSlotCommand(1), Bytes(0x0F, 0x01, 0x80, 0x6F));
    EXPECT_EQ(DataSlotCommand(42), Bytes(0x0F, 0x2A, 0x80, 0x46));
}

TEST(DeviceCommand, Queries) {
    EXPECT_EQ(QueryProfileCommand(), Bytes(0x82, 0x00, 0x00, 0x7D));
    EXPECT_EQ(QueryDpiStageCommand(1), Bytes(0x84, 0x01, 0x00, 0x7A));
    EXPECT_EQ(QueryDpiStageCommand(5), Bytes(0x84, 0x05, 0x00, 0x76));
}

TEST(DeviceCommand, PollingIntervalFromRateChoice) {
    EXPECT_EQ(PollingInterval(0), 8);
    EXPECT_EQ(PollingInterval(1), 4);
    EXPECT_EQ(PollingInterval(2), 2);
    EXPECT_EQ(PollingInterval(3), 1);
    EXPECT_EQ(PollingInterval(9), 2);
    EXPECT_EQ(PollingInterval(-1), 2);

    auto p = ZeroProfile();
    p->PollingRate = 9;
    EXPECT_EQ(PollingRateCommand(*p), Bytes(0x03, 0x01, 0x02, 0xF9));
    p->PollingRate = 0;
    EXPECT_EQ(PollingRateCommand(*p), Bytes(0x03, 0x01, 0x08, 0xF3));
}

TEST(DeviceCommand, DpiStageCountsFromOne) {
    auto p = ZeroProfile();
    p->CpiStep = 1;
    EXPECT_EQ(DpiStageCommand(*p), Bytes(0x04, 0x01, 0x02, 0xF8));
    p->CpiStep = 5;
    EXPECT_EQ(DpiStageCommand(*p)[2], 0x06);
    // A damaged stage wraps instead of overflowing.
    p->CpiStep = INT32_MAX;
    EXPECT_EQ(DpiStageCommand(*p)[2], 0x00);
}

TEST(DeviceCommand, DataBlockHalvesInWriteOrder) {
    DataBlock block{};
    std::iota(block.begin(), block.end(), uint8_t{0});
    const auto first = DataBlockHalf(block, 0);
    const auto second = DataBlockHalf(block, 1);
    EXPECT_EQ(first.front(), 0);
    EXPECT_EQ(first.back(), 63);
    EXPECT_EQ(second.front(), 64);
    EXPECT_EQ(second.back(), 127);
}
