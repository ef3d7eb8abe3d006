#include "device/apply_changes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "device/device_command.h"
#include "device/transport_exchange.h"
#include "profile/profile_defaults.h"
#include "transport_fake.h"

namespace {

// The commands of a log, without the data writes and pauses.
Log Commands(const Log& log) {
    Log commands;
    std::ranges::copy_if(log, std::back_inserter(commands),
                         [](const std::string& line) { return line.starts_with("set "); });
    return commands;
}

class ApplyTest : public ::testing::Test {
protected:
    void SetUp() override { BuildDefaultProfiles(*block, NoTexts()); }
    // Applies the block's active profile and keeps the colour option the
    // settings block leaves, as Monitor's window does with the result.
    void Apply(bool force = false) {
        const auto request = SnapshotForApply(*block, force);
        if (!request) return;
        block->Profiles[request->ProfileIndex].ColorOptions0 =
            ApplyChangedSettings(transport, clock, *request, *image);
    }

    Log log;
    FakeTransport transport{log};
    VirtualClock clock{log};
    std::unique_ptr<SharedBlock> block = std::make_unique<SharedBlock>();
    std::unique_ptr<DeviceImage> image = std::make_unique<DeviceImage>();
};

TEST(TransportExchange, DataBlockIsCommandThenTwoHalvesEachFollowedByAPause) {
    Log log;
    FakeTransport transport(log);
    VirtualClock clock(log);
    DataBlock data{};
    for (int i = 0; i < 128; ++i) data[i] = static_cast<uint8_t>(i);
    SendDataBlock(transport, clock, ButtonTableCommand(), data);

    ASSERT_EQ(log.size(), 5u);
    EXPECT_EQ(log[0], "set 0D 01 80 00 00 00 00 71");
    EXPECT_EQ(log[2], "sleep 100");
    EXPECT_EQ(log[4], "sleep 100");
    ASSERT_EQ(transport.writes.size(), 2u);
    EXPECT_EQ(transport.writes[0].front(), 0);
    EXPECT_EQ(transport.writes[0].back(), 63);
    EXPECT_EQ(transport.writes[1].front(), 64);
    EXPECT_EQ(transport.writes[1].back(), 127);
}

TEST(TransportExchange, QueryAsksWithItsOwnCodeAndArgumentInAZeroedBuffer) {
    Log log;
    FakeTransport transport(log);
    VirtualClock clock(log);
    transport.replies = {Reply(0x84, 3, 2), std::nullopt};

    const auto reply = Query(transport, clock, QueryDpiStageCommand(3));
    ASSERT_TRUE(reply);
    EXPECT_EQ((*reply)[2], 2);
    EXPECT_EQ(log, (Log{CommandLine(QueryDpiStageCommand(3)), "sleep 100",
                        "get 84 03 00 00 00 00 00 00"}));
    EXPECT_FALSE(Query(transport, clock, QueryProfileCommand()));
}

// The default profile's guns sit on entries 19 (slots 1 and 6), 20, 22 and
// 23 (slots 31, 33 and 34).
const Log kDefaultCommands = {
    "set 01 88 02 00 00 00 00 74", "set 0D 01 80 00 00 00 00 71",
    "set 0F 64 80 00 00 00 00 0C", "set 0F 01 80 00 00 00 00 6F",
    "set 0F 06 80 00 00 00 00 6A", "set 0F 1F 80 00 00 00 00 51",
    "set 0F 21 80 00 00 00 00 4F", "set 0F 22 80 00 00 00 00 4E",
    "set 02 01 00 00 00 00 00 FC",
};
constexpr long kDefaultApplyPauseMs = 20 + (200 + 20) + (200 + 20) + 5 * 200;

// Without change flags: opening, button table, slot colours, the used slots
// in ascending order, closing; the pauses add up to the step pauses plus
// 100 ms after every data write.
TEST_F(ApplyTest, DefaultProfileWithoutChangesUploadsButtonsOnly) {
    Apply();

    EXPECT_EQ(Commands(log), kDefaultCommands);
    // Opening, pause, table with its two writes, pause, colours, pause.
    const Log head(log.begin(), log.begin() + 14);
    EXPECT_EQ(head[0], "set 01 88 02 00 00 00 00 74");
    EXPECT_EQ(head[1], "sleep 20");
    EXPECT_EQ(head[2], "set 0D 01 80 00 00 00 00 71");
    EXPECT_TRUE(head[3].starts_with("write "));
    EXPECT_EQ(head[4], "sleep 100");
    EXPECT_TRUE(head[5].starts_with("write "));
    EXPECT_EQ(head[6], "sleep 100");
    EXPECT_EQ(head[7], "sleep 20");
    EXPECT_EQ(head[8], CommandLine(SlotColourCommand()));
    EXPECT_TRUE(head[9].starts_with("write 00 00 FF"));
    EXPECT_EQ(head[12], "sleep 100");
    EXPECT_EQ(head[13], "sleep 20");
    // Slots follow each other without a step pause; the closing command ends it.
    EXPECT_EQ(log[14], CommandLine(DataSlotCommand(1)));
    EXPECT_EQ(log[18], "sleep 100");
    EXPECT_EQ(log[19], CommandLine(DataSlotCommand(6)));
    EXPECT_EQ(log.back(), "set 02 01 00 00 00 00 00 FC");
    EXPECT_EQ(log.size(), 40u);
    EXPECT_EQ(clock.total, kDefaultApplyPauseMs);
}

TEST_F(ApplyTest, ForceSendsAllThreeSettingsReportsInOrder) {
    Apply(true);

    const Log commands = Commands(log);
    ASSERT_GE(commands.size(), 5u);
    EXPECT_EQ(commands[1], CommandLine(PollingRateCommand(block->Profiles[0])));
    EXPECT_EQ(commands[2], CommandLine(DpiStageCommand(block->Profiles[0])));
    EXPECT_EQ(commands[3], CommandLine(SettingsBlockCommand()));
    EXPECT_EQ(commands[4], CommandLine(ButtonTableCommand()));
    EXPECT_EQ(clock.total, kDefaultApplyPauseMs + 20 + 20 + 220);
}

// The flags that count are those of the profile being written.
TEST_F(ApplyTest, ChangeFlagsAreReadAtTheActiveProfileIndex) {
    block->CurrentProfile = 2;
    block->PollingChanged[0] = 1;
    block->SettingsChanged[0] = 1;
    block->DpiStageChanged[2] = 1;
    block->Profiles[2].CpiStep = 3;
    Apply();

    const Log commands = Commands(log);
    ASSERT_GE(commands.size(), 3u);
    EXPECT_EQ(commands[1], "set 04 01 04 00 00 00 00 F6");
    EXPECT_EQ(commands[2], CommandLine(ButtonTableCommand()));
    EXPECT_EQ(std::ranges::count(commands, CommandLine(SettingsBlockCommand())), 0);
}

TEST_F(ApplyTest, OnlyAFlagOfExactlyOneCounts) {
    block->PollingChanged[0] = 2;
    block->SettingsChanged[0] = -1;
    Apply();
    EXPECT_EQ(Commands(log), kDefaultCommands);
}

TEST_F(ApplyTest, ACurrentProfileOutsideTheFiveSendsNothing) {
    for (const int current : {-1, 5, 1000}) {
        block->CurrentProfile = current;
        block->PollingChanged[0] = 1;
        Apply(true);
    }
    EXPECT_TRUE(log.empty());
}

// The settings block may advance the stored colour option; the next apply
// starts from the stored value.
TEST_F(ApplyTest, SettingsBlockKeepsTheAdvancedColourOptionInTheLocalCopy) {
    block->Profiles[0].LightSwitch = 5;
    block->Profiles[0].ColorOptions0 = 7;
    block->SettingsChanged[0] = 1;
    Apply();
    EXPECT_EQ(block->Profiles[0].ColorOptions0, 0u);
    Apply();
    EXPECT_EQ(block->Profiles[0].ColorOptions0, 1u);
}

// A second apply starts from a cleared image: slots of a previous
// assignment are not sent again.
TEST_F(ApplyTest, ImageIsClearedBeforeEachEncoding) {
    Apply();
    log.clear();
    for (const int entry : {19, 20, 22, 23}) block->Profiles[0].MacroKeyInfo[entry].Code = 1;
    Apply();
    EXPECT_EQ(Commands(log), (Log{CommandLine(OpeningCommand()),
                                  CommandLine(ButtonTableCommand()),
                                  CommandLine(SlotColourCommand()),
                                  CommandLine(ClosingCommand())}));
}

}  // namespace
