#include "device/read_state.h"

#include "connection_fixture.h"
#include "device/device_command.h"

namespace {

// Replies of a mouse in profile `profile` whose profiles 1..5 are in the
// given DPI stages.
void QueueReplies(FakeTransport& transport, int profile, std::initializer_list<int> stages) {
    transport.replies.push_back(Reply(0x82, static_cast<uint8_t>(profile)));
    int p = 1;
    for (const int stage : stages) {
        transport.replies.push_back(Reply(0x84, static_cast<uint8_t>(p++), static_cast<uint8_t>(stage)));
    }
}

class ReadStateTest : public ConnectionTest {
protected:
    // Reads the state into the local copy; true when the reading is complete.
    bool ReadIntoLocal() {
        const DeviceStateReading reading = ReadDeviceState(transport, clock);
        StoreDeviceState(reading, *local);
        return reading.Complete;
    }
};

TEST_F(ReadStateTest, ReadsProfileAndStagesThenSavesAnnouncesAndReopens) {
    Connect();
    for (int p = 0; p < kProfileCount; ++p) {
        for (int e = 0; e < kButtonEntryCount; ++e) local->ButtonChanged[p][e] = 1;
    }
    QueueReplies(transport, 3, {1, 2, 3, 4, 8});

    worker.Handle(WorkerRequest{kRequestReadState});

    Log expected = {CommandLine(QueryProfileCommand()), "sleep 100",
                    "get 82 00 00 00 00 00 00 00", "sleep 100"};
    for (int p = 1; p <= kProfileCount; ++p) {
        expected.push_back(CommandLine(QueryDpiStageCommand(p)));
        expected.push_back("sleep 100");
        expected.push_back("get 84 0" + std::to_string(p) + " 00 00 00 00 00 00");
        expected.push_back("sleep 100");
    }
    for (const char* line : {"save", "copy out", "option 1254", "sleep 3000"}) expected.push_back(line);
    expected.push_back(CommandLine(OpeningCommand()));
    EXPECT_EQ(log, expected);

    EXPECT_EQ(local->CurrentProfile, 2);
    EXPECT_EQ(local->Profiles[0].CpiStep, 0);
    EXPECT_EQ(local->Profiles[3].CpiStep, 3);
    EXPECT_EQ(local->Profiles[4].CpiStep, 7);
    for (int p = 0; p < kProfileCount; ++p) {
        for (int e = 0; e < kButtonEntryCount; ++e) EXPECT_EQ(local->ButtonChanged[p][e], 0);
    }
    EXPECT_EQ(clock.total, 100 * 12 + 3000);
}

// Only the fifth stage query decides whether the state is saved and
// announced; the mouse is reopened either way.
TEST_F(ReadStateTest, FailedFifthQueryStoresWhatItGotButSavesNothing) {
    Connect();
    local->Profiles[4].CpiStep = 2;
    QueueReplies(transport, 2, {5, 5, 5, 5});  // the fifth query gets no reply

    worker.Handle(WorkerRequest{kRequestReadState});

    EXPECT_EQ(local->CurrentProfile, 1);
    EXPECT_EQ(local->Profiles[3].CpiStep, 4);
    EXPECT_EQ(local->Profiles[4].CpiStep, 2);
    EXPECT_FALSE(Logged("save"));
    EXPECT_FALSE(Logged("option 1254"));
    EXPECT_EQ(log.back(), CommandLine(OpeningCommand()));
}

TEST_F(ReadStateTest, FailedQueriesLeaveTheStoredValues) {
    local->CurrentProfile = 4;
    local->Profiles[0].CpiStep = 3;
    transport.replies = {std::nullopt, std::nullopt, Reply(0x84, 2, 6)};
    EXPECT_FALSE(ReadIntoLocal());
    EXPECT_EQ(local->CurrentProfile, 4);
    EXPECT_EQ(local->Profiles[0].CpiStep, 3);
    EXPECT_EQ(local->Profiles[1].CpiStep, 5);
}

// Replies the mouse cannot mean (profile 0 or 6, stage 0 or 9) are treated
// as failed: an index outside the five profiles would break every later
// access to the active profile.
TEST_F(ReadStateTest, OutOfRangeRepliesAreTreatedAsFailures) {
    local->CurrentProfile = 1;
    local->Profiles[4].CpiStep = 2;
    QueueReplies(transport, 6, {0, 9, 1, 1, 9});
    EXPECT_FALSE(ReadIntoLocal());
    EXPECT_EQ(local->CurrentProfile, 1);
    EXPECT_EQ(local->Profiles[4].CpiStep, 2);

    transport.replies.clear();
    QueueReplies(transport, 0, {1, 1, 1, 1, 1});
    EXPECT_TRUE(ReadIntoLocal());
    EXPECT_EQ(local->CurrentProfile, 1);
    EXPECT_EQ(local->Profiles[4].CpiStep, 0);
}

}  // namespace
