#include "connection_fixture.h"

#include "device/device_command.h"
#include "device/event_dispatch.h"
#include "profile/messages.h"

namespace {

TEST_F(ConnectionTest, StartUpWithTheMousePresentConnects) {
    connection.ConnectAtStartup(true);
    EXPECT_EQ(log, (Log{"start monitor", "open feature", "open report", "timer 500 2000",
                        "timer 502 200", "tray add", "open option", "Device=1"}));
    EXPECT_EQ(connection.State(), ConnectionState::Connected);

    log.clear();
    connection.OnTimer(msg::kTimerReadDeviceState);
    EXPECT_EQ(log, (Log{"kill 502", "request 2"}));
}

// Without a mouse there is no tray icon, no timer, and Option is not opened
// even when asked for.
TEST_F(ConnectionTest, StartUpWithoutTheMouseStaysUnconnected) {
    channels.present = false;
    connection.ConnectAtStartup(true);
    EXPECT_EQ(log, (Log{"start monitor", "open feature", "open report", "Device=0"}));
    EXPECT_EQ(connection.State(), ConnectionState::NotFound);
}

TEST_F(ConnectionTest, PluggingInTwiceReopensOnce) {
    channels.present = false;
    connection.ConnectAtStartup(false);
    log.clear();

    connection.OnArrival();
    connection.OnArrival();
    EXPECT_EQ(log, (Log{"sleep 1000", "open feature", "open report", "request 2", "tray add",
                        "Device=1", "timer 500 2000"}));
    EXPECT_EQ(connection.State(), ConnectionState::Connected);
}

TEST_F(ConnectionTest, UnplugClosesOptionAndRemovesTheIconOnce) {
    Connect();
    connection.OnRemoval();
    connection.OnRemoval();
    EXPECT_EQ(log, (Log{"close feature", "close report", "tray remove", "kill 500", "Device=0",
                        "option close"}));
    EXPECT_EQ(connection.State(), ConnectionState::Removed);

    log.clear();
    connection.OnArrival();
    EXPECT_TRUE(Logged("tray add"));
    EXPECT_TRUE(Logged("request 2"));
}

TEST_F(ConnectionTest, ApplyRequestWhileConnectedGoesToTheWorker) {
    Connect();
    auto shared = std::make_unique<SharedBlock>(*local);
    shared->Profiles[0].PollingRate = 3;
    effects.sharedSource = shared.get();
    effects.osdSettings = OsdSettingsFields{1, 0x12345, -1};

    connection.OnApplyRequest();
    EXPECT_EQ(log, (Log{"copy in", "apply windows", "osd 1326 0 " + std::to_string(0x2345FFFF),
                        "request 1"}));
    EXPECT_EQ(local->Profiles[0].PollingRate, 3);
}

TEST_F(ConnectionTest, ApplyRequestWithoutTheMouseIsAnsweredAtOnce) {
    channels.present = false;
    connection.ConnectAtStartup(false);
    log.clear();

    connection.OnApplyRequest();
    EXPECT_FALSE(Logged("request 1"));
    EXPECT_EQ(log.back(), "trace OnApplyAllSetting  Send Enable OK/Apply Button\n");
    EXPECT_TRUE(Logged("option 1256"));

    log.clear();
    effects.optionExists = false;
    connection.OnApplyRequest();
    EXPECT_EQ(log.back(), "trace OnApplyAllSetting Don't find Pelta Option Dialog\n");
}

TEST_F(ConnectionTest, ApplyRequestTheWorkerRefusesIsAnsweredAtOnce) {
    Connect();
    effects.workerAccepts = false;
    connection.OnApplyRequest();
    EXPECT_TRUE(Logged("request 1"));
    EXPECT_TRUE(Logged("option 1256"));
}

// An unreadable settings record keeps the values read before.
TEST_F(ConnectionTest, UnreadableOsdSettingsKeepThePreviousValues) {
    Connect();
    effects.osdSettings = OsdSettingsFields{1, 2, 3};
    connection.OnApplyRequest();
    effects.osdSettings.reset();
    log.clear();
    connection.OnApplyRequest();
    EXPECT_TRUE(Logged("osd 1326 0 " + std::to_string(2 << 16 | 3)));
    EXPECT_EQ(connection.OsdSettings().ProfileNoticeSwitch, 1);
}

TEST_F(ConnectionTest, WorkerDropsRequestsWhileNotConnected) {
    channels.present = false;
    connection.ConnectAtStartup(false);
    log.clear();
    for (const int request : {1, 2, 3}) worker.Handle(WorkerRequest{request});
    EXPECT_TRUE(log.empty());

    connection.OnArrival();
    connection.OnRemoval();
    log.clear();
    worker.Handle(WorkerRequest{kRequestApply, SnapshotForApply(*local, false)});
    EXPECT_TRUE(log.empty());
}

TEST_F(ConnectionTest, WorkerApplyAnswersOptionWhenDone) {
    Connect();
    connection.OnApplyRequest();
    log.clear();
    RunWorker();
    EXPECT_EQ(log.front(), CommandLine(OpeningCommand()));
    EXPECT_EQ(log[log.size() - 3], CommandLine(ClosingCommand()));
    EXPECT_EQ(log[log.size() - 2], "trace Thread Send Enable OK/Apply Button\n");
    EXPECT_EQ(log.back(), "option 1256");
    EXPECT_FALSE(worker.Busy());
}

// A profile index the block cannot hold sends nothing but still releases Option.
TEST_F(ConnectionTest, WorkerApplyWithoutAnActiveProfileOnlyAnswersOption) {
    Connect();
    local->CurrentProfile = 7;
    connection.OnApplyRequest();
    log.clear();
    RunWorker();
    EXPECT_EQ(log, (Log{"trace Thread Send Enable OK/Apply Button\n", "option 1256"}));
}

TEST_F(ConnectionTest, AnnouncingASwitchClosesThenShowsTheProfileWhenSwitchedOn) {
    Connect();
    local->CurrentProfile = 3;
    effects.osdSettings = OsdSettingsFields{1, 0, 0};
    connection.LoadOsdSettings();
    worker.Handle(WorkerRequest{kRequestAnnounceSwitch});
    EXPECT_EQ(log, (Log{CommandLine(ClosingCommand()), "sleep 200",
                        "osd 1324 40 " + std::to_string(3 << 16)}));

    log.clear();
    effects.osdSettings = OsdSettingsFields{0, 0, 0};
    connection.LoadOsdSettings();
    worker.Handle(WorkerRequest{kRequestAnnounceSwitch});
    EXPECT_EQ(log, (Log{CommandLine(ClosingCommand()), "sleep 200"}));
}

TEST_F(ConnectionTest, UnknownWorkerRequestsDoNothing) {
    Connect();
    worker.Handle(WorkerRequest{0});
    worker.Handle(WorkerRequest{4});
    EXPECT_TRUE(log.empty());
}

// The worker sends the profile as it was when Option asked: a DPI event
// handled on the window thread meanwhile does not reach this apply.
TEST_F(ConnectionTest, AnApplySendsTheProfileAsItWasRequested) {
    Connect();
    local->DpiStageChanged[0] = 1;
    local->Profiles[0].CpiStep = 1;
    const Command requested = DpiStageCommand(local->Profiles[0]);
    connection.OnApplyRequest();
    DispatchDeviceEvent(connection, NoTexts(), 0x0700'0005);
    ASSERT_EQ(local->Profiles[0].CpiStep, 4);

    RunWorker();
    EXPECT_TRUE(Logged(CommandLine(requested)));
    EXPECT_FALSE(Logged(CommandLine(DpiStageCommand(local->Profiles[0]))));
}

// The colour option the settings block steps on comes back with the result;
// a value reloaded while the apply ran is not overwritten.
TEST_F(ConnectionTest, TheSteppedColourOptionIsKeptUnlessReplacedMeanwhile) {
    Connect();
    local->SettingsChanged[0] = 1;
    local->Profiles[0].LightSwitch = 5;
    local->Profiles[0].ColorOptions0 = 3;
    connection.OnApplyRequest();
    RunWorker();
    EXPECT_EQ(local->Profiles[0].ColorOptions0, 4u);

    connection.OnApplyRequest();
    local->Profiles[0].ColorOptions0 = 6;
    RunWorker();
    EXPECT_EQ(local->Profiles[0].ColorOptions0, 6u);
    EXPECT_EQ(Count("option 1256"), 2);
}

}  // namespace
