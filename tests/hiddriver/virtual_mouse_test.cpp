#include "hiddriver/virtual_mouse.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vmouse;

namespace {

Report8 Cmd(uint8_t b0, uint8_t b1 = 0, uint8_t b2 = 0) {
    Report8 c{b0, b1, b2};
    SetChecksum(c);
    return c;
}

class VirtualMouseTest : public ::testing::Test {
protected:
    VirtualMouse mouse{[this](const LogEntry& e) { log.push_back(e); }};
    std::vector<LogEntry> log;

    void Send(const Report8& c) { mouse.Command(c); }
    void Upload(const Report8& command, const Block128& data) {
        Send(command);
        mouse.Write(std::span(data).first(64));
        mouse.Write(std::span(data).last(64));
    }
    const LogEntry& Last() const { return log.back(); }
    int Errors() const {
        int n = 0;
        for (const auto& e : log) n += e.Text.starts_with("ERROR: ");
        return n;
    }
};

Block128 SettingsWithMask(uint8_t mask) {
    Block128 b{};
    b[0x64] = mask;
    return b;
}

}  // namespace

TEST(ChecksumTest, KnownCommandsAddUpTo0xFF) {
    EXPECT_EQ(Cmd(0x01, 0x88, 0x02)[7], 0x74);
    EXPECT_EQ(Cmd(0x02, 0x01, 0x00)[7], 0xFC);
    EXPECT_EQ(Cmd(0x0C, 0x01, 0x80)[7], 0x72);
    EXPECT_TRUE(ChecksumValid(Cmd(0x84, 5)));
    Report8 bad = Cmd(0x01, 0x88, 0x02);
    bad[7] ^= 1;
    EXPECT_FALSE(ChecksumValid(bad));
}

TEST_F(VirtualMouseTest, RejectsBadChecksumLengthAndUnknownCommands) {
    Report8 bad = Cmd(0x03, 0x01, 0x04);
    bad[7] += 1;
    Send(bad);
    EXPECT_EQ(Last().Text, "ERROR: bad checksum F8 (expected F7); ignored");
    EXPECT_EQ(mouse.ReportInterval(), 1) << "a command with a bad checksum must not act";

    const uint8_t shortCommand[4] = {0x01, 0x88, 0x02, 0x74};
    mouse.Command(shortCommand);
    EXPECT_EQ(Last().Text, "ERROR: command of 4 bytes, 8 expected; ignored");

    Send(Cmd(0x55, 0x01, 0x02));
    EXPECT_EQ(Last().Text, "ERROR: unknown command; ignored");
    Report8 trailing{0x01, 0x88, 0x02, 0x00, 0x07};
    SetChecksum(trailing);
    Send(trailing);
    EXPECT_EQ(Last().Text, "ERROR: unknown command; ignored") << "unlisted bytes must be zero";
    Send(Cmd(0x0F, 100 + 1, 0x80));
    EXPECT_EQ(Last().Text, "ERROR: data slot 101 does not exist; ignored");
    EXPECT_EQ(Errors(), 5);
}

TEST_F(VirtualMouseTest, FramingErrorsAreLoggedAndIncompleteBlocksDiscarded) {
    const uint8_t half[64] = {};
    mouse.Write(half);
    EXPECT_EQ(Last().Text, "ERROR: data without a command; ignored");

    Send(Cmd(0x0D, 0x01, 0x80));
    mouse.Write(half);
    Send(Cmd(0x02, 0x01, 0x00));
    EXPECT_EQ(log[log.size() - 2].Text,
              "ERROR: command before the button table was complete (1 of 2 writes); block discarded");
    EXPECT_EQ(Last().Text, "close") << "the interrupting command is still carried out";
    EXPECT_FALSE(mouse.Profile(1).ButtonTable);

    mouse.Write(half);
    EXPECT_EQ(Last().Text, "ERROR: data without a command; ignored") << "a third write has no block";

    Send(Cmd(0x0F, 30, 0x80));
    const uint8_t odd[32] = {};
    mouse.Write(odd);
    EXPECT_EQ(Last().Text, "ERROR: write of 32 bytes, 64 expected; slot 30 discarded");
    EXPECT_TRUE(mouse.Profile(1).Slots.empty());
}

TEST_F(VirtualMouseTest, QueriesAnswerFromState) {
    Send(Cmd(0x04, 0x01, 3));
    Send(Cmd(0x82));
    const uint8_t queryProfile[8] = {0x82};
    auto reply = mouse.Query(queryProfile);
    ASSERT_TRUE(reply);
    EXPECT_EQ((*reply)[0], 0x82);
    EXPECT_EQ((*reply)[1], 1);
    EXPECT_TRUE(ChecksumValid(*reply));

    mouse.Press({ActionKind::Profile, 4});
    const uint8_t queryStage1[8] = {0x84, 1};
    reply = mouse.Query(queryStage1);
    ASSERT_TRUE(reply);
    EXPECT_EQ((*reply)[2], 3) << "profile 1 keeps the stage set while it was current";
    EXPECT_NE(Last().Text.find("no matching query command"), std::string::npos);
    const uint8_t queryStage4[8] = {0x84, 4};
    EXPECT_EQ((*mouse.Query(queryStage4))[2], 1);
    EXPECT_EQ((*mouse.Query(queryProfile))[1], 4);

    const uint8_t queryStage6[8] = {0x84, 6};
    EXPECT_FALSE(mouse.Query(queryStage6));
    const uint8_t unknown[8] = {0x85};
    EXPECT_FALSE(mouse.Query(unknown));
}

TEST_F(VirtualMouseTest, PollingAndDpiCommandsValidateTheirValues) {
    Send(Cmd(0x03, 0x01, 4));
    EXPECT_EQ(mouse.ReportInterval(), 4);
    Send(Cmd(0x03, 0x01, 3));
    EXPECT_EQ(mouse.ReportInterval(), 4);
    EXPECT_TRUE(Last().Text.starts_with("ERROR: report interval 3"));
    Send(Cmd(0x04, 0x01, 9));
    EXPECT_EQ(mouse.Profile(1).DpiStage, 1);
    Send(Cmd(0x04, 0x01, 8));
    EXPECT_EQ(mouse.Profile(1).DpiStage, 8);
}

TEST_F(VirtualMouseTest, UploadsAreStoredInTheCurrentProfileAndDecoded) {
    mouse.Press({ActionKind::Profile, 2});
    Send(Cmd(0x01, 0x88, 0x02));
    Block128 settings{};
    settings[0x54] = 16, settings[0x55] = 32, settings[0x64] = 0x3F;
    settings[0x47] = 0x05, settings[0x48] = 0x02;
    Upload(Cmd(0x0C, 0x01, 0x80), settings);
    EXPECT_EQ(log[log.size() - 2].Text, "settings block, first half");
    EXPECT_TRUE(Last().Text.starts_with(
        "settings block of profile 2 stored: settings: DPI 800/1600/0/0/0/0, stages 1-6 on, "
        "lighting mode 1, breathing speed 2"));

    Block128 table{};
    const uint8_t ctrlC[4] = {0x00, 0x01, 0x06, 0x00}, macro[4] = {0x09, 0x02, 30, 0x00};
    std::copy(ctrlC, ctrlC + 4, table.begin() + 4 * 4);
    std::copy(macro, macro + 4, table.begin() + 4 * 19);
    Upload(Cmd(0x0D, 0x01, 0x80), table);
    ASSERT_EQ(Last().Details.size(), 2u);
    EXPECT_EQ(Last().Details[0], "button 5 -> key combination Ctrl+C");
    EXPECT_EQ(Last().Details[1], "button 4, bank 2 -> macro in slot 30, run mode 2");

    // Repeat 1; events: 33 04 (short), 01 04 1E 01 (long), B3 04 (short release).
    Block128 slot{0x00, 0x01, 0x33, 0x04, 0x01, 0x04, 0x1E, 0x01, 0xB3, 0x04};
    Upload(Cmd(0x0F, 30, 0x80), slot);
    EXPECT_EQ(Last().Text, "slot 30 of profile 2 stored: slot 30: macro, 3 events, repeat 1");

    Send(Cmd(0x02, 0x01, 0x00));
    EXPECT_EQ(Errors(), 0);
    EXPECT_FALSE(mouse.Profile(1).ButtonTable);
    EXPECT_EQ(mouse.Profile(2).Slots.at(30), slot);
    const std::string state = mouse.DescribeState();
    EXPECT_NE(state.find("profile 2: DPI stage 1\n  settings: DPI 800/1600"), std::string::npos);
    EXPECT_NE(state.find("  slot 30: macro, 3 events, repeat 1\n"), std::string::npos);
    EXPECT_NE(state.find("profile 1: DPI stage 1\n  settings: none uploaded\n  buttons: none uploaded\n"),
              std::string::npos);
}

TEST_F(VirtualMouseTest, ActionsChangeStateAndProduceEventWords) {
    EXPECT_EQ(mouse.Press({ActionKind::Profile, 3}), (EventWord{0x0800, 3}));
    EXPECT_EQ(mouse.CurrentProfile(), 3);
    EXPECT_EQ(mouse.Press({ActionKind::Polling, 8}), (EventWord{0x0500, 8}));
    EXPECT_EQ(mouse.ReportInterval(), 8);
    EXPECT_EQ(mouse.Press({ActionKind::RunProgram, 16}), (EventWord{0x000A, 16}));
    EXPECT_EQ(mouse.Press({ActionKind::OpenOption}), (EventWord{0x00A0, 0}));
    EXPECT_EQ(mouse.Press({ActionKind::Media, 0x21}), (EventWord{0xF000, 0x0021}));
    EXPECT_EQ(mouse.Press({ActionKind::Media, 0x27, true}), (EventWord{0xF000, 0x0127}));
    EXPECT_EQ(mouse.Press({ActionKind::Notice, 1}), (EventWord{0x0901, 0}));
    EXPECT_EQ(mouse.Press({ActionKind::Notice, 2}), (EventWord{0x0902, 0}));
    EXPECT_EQ(mouse.Press({ActionKind::Save}), (EventWord{0xC000, 0}));
    EXPECT_EQ(Last().Text, "save -> event C000:0000, save the profiles");
    EXPECT_EQ(Last().Channel, "PRESS");
    EXPECT_FALSE(mouse.Press({static_cast<ActionKind>(42)})) << "a garbled request reports nothing";
    EXPECT_EQ(Last().Text, "ERROR: unknown action 42; nothing sent");
}

TEST_F(VirtualMouseTest, DpiStagesStayWithinTheEnabledMask) {
    // Without a settings block all eight stages are available.
    Send(Cmd(0x04, 0x01, 7));
    EXPECT_EQ(mouse.Press({ActionKind::DpiUp}), (EventWord{0x0700, 8}));
    EXPECT_FALSE(mouse.Press({ActionKind::DpiUp})) << "no stage above 8";
    EXPECT_TRUE(Last().Text.find("nothing sent") != std::string::npos);

    // Stages 1, 3 and 4 enabled: moves skip the disabled stage 2 and stop at the ends.
    Upload(Cmd(0x0C, 0x01, 0x80), SettingsWithMask(0b1101));
    Send(Cmd(0x04, 0x01, 1));
    EXPECT_EQ(mouse.Press({ActionKind::DpiUp}), (EventWord{0x0700, 3}));
    EXPECT_EQ(mouse.Press({ActionKind::DpiUp}), (EventWord{0x0700, 4}));
    EXPECT_FALSE(mouse.Press({ActionKind::DpiUp}));
    EXPECT_EQ(mouse.Profile(1).DpiStage, 4);
    EXPECT_EQ(mouse.Press({ActionKind::DpiDown}), (EventWord{0x0700, 3}));
    EXPECT_EQ(mouse.Press({ActionKind::DpiDown}), (EventWord{0x0700, 1}));
    EXPECT_FALSE(mouse.Press({ActionKind::DpiDown}));

    // A stage set outside the mask moves to the nearest enabled one.
    Send(Cmd(0x04, 0x01, 8));
    EXPECT_EQ(mouse.Press({ActionKind::DpiDown}), (EventWord{0x0700, 4}));

    // The mask is per profile: profile 2 has none, so all stages are open.
    mouse.Press({ActionKind::Profile, 2});
    EXPECT_EQ(mouse.Press({ActionKind::DpiUp}), (EventWord{0x0700, 2}));
}

TEST_F(VirtualMouseTest, NoStageEnabledMeansNoDpiEvent) {
    Upload(Cmd(0x0C, 0x01, 0x80), SettingsWithMask(0));
    EXPECT_FALSE(mouse.Press({ActionKind::DpiUp}));
    EXPECT_FALSE(mouse.Press({ActionKind::DpiDown}));
}
