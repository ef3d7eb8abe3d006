#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "main_window_fakes.h"
#include "option/main_window/main_window_model.h"
#include "profile/messages.h"
#include "tests/profile/temp_folder.h"

namespace {

// A profile set whose profiles are told apart by name, "<tag><n>".
void Fill(SharedBlock& block, const char* tag, int current) {
    std::memset(&block, 0, sizeof block);
    block.CurrentProfile = current;
    block.MouseType = 7;
    for (int n = 0; n < kProfileCount; ++n) {
        std::snprintf(block.Profiles[n].ProFileName, sizeof block.Profiles[n].ProFileName, "%s%d", tag, n);
        block.Profiles[n].CpiStep = 1;
        block.Profiles[n].PollingRate = 2;
    }
}

class MainWindowModelTest : public testing::Test {
protected:
    MainWindowModelTest() {
        Fill(monitor.block, "block", 1);
        Fill(storage.files, "file", 2);
    }

    // Starts the window and forgets what start-up did.
    void Start() {
        model.Initialise();
        log.clear();
    }
    bool Logged(const std::string& line) const { return std::find(log.begin(), log.end(), line) != log.end(); }

    Log log;
    FakeMonitor monitor{log};
    FakeStorage storage{log};
    FakeStores stores{log};
    FakeView view{log};
    NoTexts texts;
    MainWindowModel model{{monitor, storage, stores, view, texts}};
};

// --- start-up ---------------------------------------------------------------

TEST_F(MainWindowModelTest, StartsFromMonitorsBlockAndAppliesItsPointerSettings) {
    model.Initialise();
    EXPECT_EQ(model.Source(), ProfileSource::SharedBlock);
    EXPECT_STREQ(model.Edited().Profiles[0].ProFileName, "block0");
    EXPECT_EQ(0, std::memcmp(&model.Edited(), &model.HandedOver(), sizeof(SharedBlock)));
    EXPECT_EQ(log, (Log{"open block", "copy in", "load stores", "mouse settings block1", "page 0", "mark 1",
                        "refresh pages"}));
}

TEST_F(MainWindowModelTest, WithoutMonitorStartsFromTheFilesAndLeavesPointerSettingsAlone) {
    monitor.opening = BlockOpenResult::Missing;
    model.Initialise();
    EXPECT_EQ(model.Source(), ProfileSource::ProfileFiles);
    EXPECT_STREQ(model.Edited().Profiles[4].ProFileName, "file4");
    EXPECT_EQ(model.Edited().CurrentProfile, 2);
    EXPECT_FALSE(Logged("mouse settings file2"));
    EXPECT_FALSE(Logged("map view failed"));
}

TEST_F(MainWindowModelTest, UnmappableBlockIsReportedOnceAndTheFilesServe) {
    monitor.opening = BlockOpenResult::ViewFailed;
    model.Initialise();
    EXPECT_EQ(model.Source(), ProfileSource::ProfileFiles);
    EXPECT_EQ(std::count(log.begin(), log.end(), "map view failed"), 1);
}

TEST_F(MainWindowModelTest, BlockWhoseMutexCannotBeTakenFallsBackToTheFiles) {
    monitor.copyWorks = false;
    model.Initialise();
    EXPECT_EQ(model.Source(), ProfileSource::ProfileFiles);
    EXPECT_STREQ(model.Edited().Profiles[0].ProFileName, "file0");
}

TEST_F(MainWindowModelTest, UnreadableFilesGiveTheDefaultsWithProfileZeroCurrent) {
    monitor.opening = BlockOpenResult::Missing;
    storage.filesReadable = false;
    model.Initialise();
    EXPECT_EQ(model.Source(), ProfileSource::Defaults);
    EXPECT_EQ(model.Edited().CurrentProfile, 0);
    EXPECT_STREQ(model.Edited().Profiles[4].ProFileName, "Default5");
}

// --- profile buttons, pages, Cancel --------------------------------------------

TEST_F(MainWindowModelTest, ProfileButtonsChangeOnlyTheEditedCopy) {
    Start();
    model.SelectProfile(4);
    EXPECT_EQ(model.Edited().CurrentProfile, 4);
    EXPECT_EQ(model.HandedOver().CurrentProfile, 1);
    EXPECT_EQ(monitor.block.CurrentProfile, 1);
    EXPECT_EQ(log, (Log{"mark 4", "refresh pages"}));
    log.clear();
    model.SelectProfile(5);
    model.SelectProfile(-1);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(model.Edited().CurrentProfile, 4);
}

TEST_F(MainWindowModelTest, CancelClosesWithoutTouchingMonitorOrTheFiles) {
    Start();
    model.SelectProfile(3);
    model.Edited().Profiles[3].CpiStep = 5;
    log.clear();
    model.Close();
    EXPECT_EQ(log, Log{"close"});
    EXPECT_EQ(monitor.block.CurrentProfile, 1);
    EXPECT_EQ(monitor.block.Profiles[3].CpiStep, 1);
    EXPECT_EQ(storage.saves, 0);
}

TEST_F(MainWindowModelTest, PagesSwitchBetweenTheTwoOnly) {
    Start();
    model.ShowPage(kAdvancedPage);
    model.ShowPage(2);
    EXPECT_EQ(model.Page(), kAdvancedPage);
    EXPECT_EQ(log, Log{"page 1"});
}

// --- apply --------------------------------------------------------------------

TEST_F(MainWindowModelTest, ApplyHandsOverFlagsSavesPostsAndWaitsForMonitor) {
    Start();
    model.SelectProfile(0);
    model.Edited().Profiles[0].PollingRate = 3;
    model.Edited().ButtonChanged[0][2] = 1;
    model.Edited().ButtonChanged[0][20] = 1;
    log.clear();
    model.Apply();
    EXPECT_EQ(log, (Log{"busy", "copy out", "save files", "post 1224", "save macros"}));
    // Monitor received the flags of the change.
    EXPECT_EQ(monitor.block.PollingChanged[0], 1);
    EXPECT_EQ(monitor.block.ProfileChanged, 1);
    EXPECT_EQ(monitor.block.SettingsChanged[0], 0);
    EXPECT_EQ(storage.files.CurrentProfile, 0);
    // The edited copy starts over: flags cleared, first bank's button flags too.
    EXPECT_EQ(model.Edited().PollingChanged[0], 0);
    EXPECT_EQ(model.Edited().ButtonChanged[0][2], 0);
    EXPECT_EQ(model.Edited().ButtonChanged[0][20], 1);
    EXPECT_EQ(0, std::memcmp(&model.Edited(), &model.HandedOver(), sizeof(SharedBlock)));
    // OK and Apply stay disabled until Monitor answers.
    EXPECT_TRUE(view.busy);
    EXPECT_TRUE(model.ApplyPending());
    log.clear();
    model.Apply();
    EXPECT_TRUE(log.empty());
    EXPECT_TRUE(model.HandleMonitorMessage(msg::kApplyFinished));
    EXPECT_FALSE(view.busy);
    EXPECT_FALSE(model.ApplyPending());
}

TEST_F(MainWindowModelTest, ApplyWithoutMonitorSavesTheFilesAndReEnablesAtOnce) {
    monitor.opening = BlockOpenResult::Missing;
    monitor.windowExists = false;
    Start();
    model.SelectProfile(4);
    log.clear();
    model.Apply();
    EXPECT_EQ(log, (Log{"busy", "open block", "save files", "post 1224 (no window)", "save macros", "idle"}));
    EXPECT_EQ(storage.files.CurrentProfile, 4);
    EXPECT_FALSE(model.ApplyPending());
    // The next apply finds nothing changed.
    model.Apply();
    EXPECT_EQ(storage.files.ProfileChanged, 0);
}

TEST_F(MainWindowModelTest, MonitorStartedAfterOptionGetsTheAppliedBlock) {
    monitor.opening = BlockOpenResult::Missing;
    Start();
    model.SelectProfile(3);
    monitor.opening = BlockOpenResult::Opened;  // Monitor starts
    log.clear();
    model.Apply();
    EXPECT_EQ(log, (Log{"busy", "open block", "copy out", "save files", "post 1224", "save macros"}));
    EXPECT_EQ(monitor.block.CurrentProfile, 3);
    // From now on the block is used without opening it again.
    log.clear();
    model.HandleMonitorMessage(msg::kApplyFinished);
    model.HandleMonitorMessage(msg::kDeviceStateRead);
    EXPECT_EQ(log, (Log{"idle", "copy in", "mark 3", "refresh pages"}));
}

TEST_F(MainWindowModelTest, LateApplyFinishedDoesNotReleaseAnything) {
    Start();
    EXPECT_TRUE(model.HandleMonitorMessage(msg::kApplyFinished));
    EXPECT_TRUE(log.empty());
}

TEST_F(MainWindowModelTest, OkAppliesThenCloses) {
    Start();
    model.Ok();
    EXPECT_EQ(log.front(), "busy");
    EXPECT_EQ(log.back(), "close");
    EXPECT_EQ(monitor.applies, 1);
}

TEST_F(MainWindowModelTest, TwoAppliesEachPostAfterMonitorAnswers) {
    Start();
    model.Apply();
    model.HandleMonitorMessage(msg::kApplyFinished);
    model.Apply();
    EXPECT_EQ(monitor.applies, 2);
}

// --- messages from Monitor ------------------------------------------------------

TEST_F(MainWindowModelTest, StateReadAndProfileChangeReplaceBothCopies) {
    for (unsigned message : {msg::kDeviceStateRead, msg::kCurrentProfileChanged}) {
        Start();
        model.SelectProfile(4);
        Fill(monitor.block, "mouse", 3);
        log.clear();
        EXPECT_TRUE(model.HandleMonitorMessage(message));
        EXPECT_EQ(model.Edited().CurrentProfile, 3);
        EXPECT_STREQ(model.HandedOver().Profiles[0].ProFileName, "mouse0");
        EXPECT_EQ(0, std::memcmp(&model.Edited(), &model.HandedOver(), sizeof(SharedBlock)));
        EXPECT_EQ(log, (Log{"copy in", "mark 3", "refresh pages"}));
    }
}

TEST_F(MainWindowModelTest, DpiStageFromTheMouseKeepsOtherEdits) {
    Start();
    model.Edited().Profiles[1].PollingRate = 0;  // an edit not yet applied
    monitor.block.Profiles[1].CpiStep = 4;
    EXPECT_TRUE(model.HandleMonitorMessage(msg::kDpiStageChanged));
    EXPECT_EQ(model.Edited().Profiles[1].CpiStep, 4);
    EXPECT_EQ(model.Edited().Profiles[1].PollingRate, 0);
    EXPECT_EQ(log.back(), "refresh dpi");
    // Applying now sends no DPI stage: the mouse has it already.
    model.Apply();
    EXPECT_EQ(monitor.block.DpiStageChanged[1], 0);
    EXPECT_EQ(monitor.block.PollingChanged[1], 1);
}

TEST_F(MainWindowModelTest, PollingRateFromTheMouseGoesIntoTheEditedCopy) {
    Start();
    monitor.block.Profiles[1].PollingRate = 0;
    monitor.block.Profiles[1].CpiStep = 5;
    EXPECT_TRUE(model.HandleMonitorMessage(msg::kPollingRateChanged));
    EXPECT_EQ(model.Edited().Profiles[1].PollingRate, 0);
    EXPECT_EQ(model.Edited().Profiles[1].CpiStep, 1);
    EXPECT_EQ(log.back(), "refresh polling");
}

TEST_F(MainWindowModelTest, MessagesWithoutABlockOrWithABadProfileNumberChangeNothing) {
    monitor.opening = BlockOpenResult::Missing;
    Start();
    for (unsigned message : {msg::kDeviceStateRead, msg::kDpiStageChanged, msg::kPollingRateChanged})
        EXPECT_TRUE(model.HandleMonitorMessage(message));
    EXPECT_EQ(log, (Log{"open block", "open block", "open block"}));
    EXPECT_STREQ(model.Edited().Profiles[0].ProFileName, "file0");

    monitor.opening = BlockOpenResult::Opened;
    monitor.block.CurrentProfile = 9;  // garbled: no profile to take the stage from
    log.clear();
    EXPECT_TRUE(model.HandleMonitorMessage(msg::kDpiStageChanged));
    EXPECT_EQ(log, (Log{"open block", "copy in"}));
    EXPECT_FALSE(model.HandleMonitorMessage(msg::kApplySettings));
}

// --- connection check and teardown --------------------------------------------

TEST_F(MainWindowModelTest, NotConnectedWarningShowsOnceOnTheFirstTick) {
    storage.device = 0;
    Start();
    model.CheckConnection();
    model.CheckConnection();
    EXPECT_EQ(view.warnings, 1);
    EXPECT_EQ(log, (Log{"kill timer", "not connected"}));
}

TEST_F(MainWindowModelTest, ConnectedMouseShowsNoWarning) {
    Start();
    model.CheckConnection();
    EXPECT_EQ(view.warnings, 0);
}

TEST_F(MainWindowModelTest, ImportChangesOnlyTheEditedCopyAndRedisplaysWhenAProfileWasRead) {
    Start();
    TempFolder folder;
    folder.Write("config/keep", "");
    folder.Write("in.gmp", "[Setting]\r\nProFileName=Imported\r\n");
    InProcessFileLock lock;
    struct : FileAttributes {
        void MarkHiddenAndArchive(const std::string&) override {}
    } attributes;
    const ProfileExchange with{folder.Folder(), lock, texts, attributes};
    EXPECT_EQ(model.ImportProfileFile(folder.File("missing.gmp"), with), ExchangeResult::FileUnreadable);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(model.ImportProfileFile(folder.File("in.gmp"), with), ExchangeResult::Done);
    EXPECT_EQ(log, Log{"refresh pages"});
    EXPECT_STREQ(model.Edited().Profiles[1].ProFileName, "Imported");
    EXPECT_STREQ(model.HandedOver().Profiles[1].ProFileName, "block1");
    EXPECT_STREQ(monitor.block.Profiles[1].ProFileName, "block1");
}

TEST_F(MainWindowModelTest, DestroyRunsItsStepsInOrder) {
    Start();
    model.Destroy();
    EXPECT_EQ(log, (Log{"save macros", "destroy pages", "release block", "delete pictures", "free stores"}));
}

}  // namespace
