// Monitor.exe end to end: started in a program folder of its own with the
// virtual mouse and stand-ins for Option, the on-screen display, media
// players and launched programs, and driven only from outside.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "device/apply_changes.h"
#include "device/device_image.h"
#include "profile/message_params.h"
#include "tests/device/transport_fake.h"
#include "tests/e2e/e2e_harness_win.h"

using namespace e2e;

namespace {

std::string Message(const char* window, unsigned message, unsigned long long wParam = 0, long long lParam = 0) {
    return std::string(window) + " " + std::to_string(message) + " " + std::to_string(wParam) + " " +
           std::to_string(lParam);
}

// What Option's stand-in and the on-screen display's stand-in record.
std::string ToOption(unsigned message) { return Message("Option", message); }
std::string ToOsd(unsigned message, unsigned long long wParam, long long lParam) {
    return Message("Osd", message, wParam, lParam);
}

// The exchanges an apply of `block` sends, as the virtual mouse logs them.
std::vector<std::string> ExpectedApply(SharedBlock block) {
    Log log;
    FakeTransport transport(log);
    VirtualClock clock(log);
    DeviceImage image{};
    ApplyChangedSettings(transport, clock, *SnapshotForApply(block, false), image);
    std::vector<std::string> exchanges;
    for (std::string& entry : log) {
        if (entry.rfind("set ", 0) == 0) exchanges.push_back("SET " + entry.substr(4));
        if (entry.rfind("write ", 0) == 0) exchanges.push_back("WRITE " + entry.substr(6));
    }
    return exchanges;
}

// The same exchanges, each with the pause the protocol mandates before it.
struct PacedExchange {
    std::string text;
    int pauseBeforeMs;
};
std::vector<PacedExchange> ExpectedPacedApply(SharedBlock block) {
    Log log;
    FakeTransport transport(log);
    VirtualClock clock(log);
    DeviceImage image{};
    ApplyChangedSettings(transport, clock, *SnapshotForApply(block, false), image);
    std::vector<PacedExchange> exchanges;
    int pause = 0;
    for (const std::string& entry : log) {
        if (entry.rfind("sleep ", 0) == 0) pause += std::stoi(entry.substr(6));
        const bool set = entry.rfind("set ", 0) == 0;
        if (!set && entry.rfind("write ", 0) != 0) continue;
        exchanges.push_back({set ? "SET " + entry.substr(4) : "WRITE " + entry.substr(6), pause});
        pause = 0;
    }
    return exchanges;
}

class MonitorEndToEnd : public ::testing::Test {
protected:
    // Plugs the mouse, starts Monitor and waits until it has read the
    // mouse's state and reopened it (the last step of connecting).
    void StartConnected() {
        folder.MouseCtl("plug");
        ASSERT_TRUE(folder.StartMonitor());
        ASSERT_TRUE(WaitFor([&] { return HasExchange("SET 01 88 02"); }, 20s));
    }

    bool HasExchange(const std::string& prefix) const {
        const auto exchanges = folder.MouseExchanges();
        return std::any_of(exchanges.begin(), exchanges.end(),
                           [&](const std::string& e) { return e.rfind(prefix, 0) == 0; });
    }

    void StartOption() {
        folder.StartProgram("Option.exe");
        ASSERT_TRUE(WaitFor([&] { return folder.Logged("option", "start"); }));
    }

    // The sentinel of a negative check. Monitor takes its messages in the
    // order they were posted and posts on in that order, so once the
    // notice of a mouse button pressed now has reached `standIn`, whatever
    // Monitor posted to it for the messages before has reached it too.
    // `noticeLine` is what the stand-in logs for the notice.
    void WaitUntilEarlierMessagesReached(const std::string& standIn, const std::string& noticeLine) {
        ASSERT_TRUE(WaitFor([&] { return folder.Logged(standIn, "start"); }));
        const auto log = folder.LogOf(standIn);
        const auto seen = std::count(log.begin(), log.end(), noticeLine);
        folder.MouseCtl("press notice 1");
        ASSERT_TRUE(WaitFor([&] {
            const auto now = folder.LogOf(standIn);
            return std::count(now.begin(), now.end(), noticeLine) > seen;
        }));
    }

    ProgramFolder folder;
};

TEST_F(MonitorEndToEnd, StartsWithTheMouseAndShutsDownEverythingItStarted) {
    StartConnected();
    EXPECT_EQ(folder.ConfigValue("Setting", "Device"), "1");
    ASSERT_TRUE(WaitFor([&] { return folder.Logged("osdpanel", "start"); }));
    StartOption();

    ASSERT_TRUE(folder.StopMonitor());
    EXPECT_EQ(folder.MonitorExitCode(), 0u);
    EXPECT_TRUE(WaitFor([&] { return folder.Logged("option", ToOption(WM_CLOSE)); }));
    EXPECT_TRUE(WaitFor([&] { return folder.Logged("osdpanel", ToOsd(WM_CLOSE, 0, 0)); }));
    EXPECT_TRUE(WaitFor([] { return !FindWindowA(nullptr, names::kOptionWindowTitle) &&
                                    !FindWindowA(nullptr, names::kOsdWindowTitle); }));
    // The block and its mutex went with Monitor: a new Monitor may start.
    SharedBlock block;
    EXPECT_FALSE(ReadSharedBlock(block));
}

TEST_F(MonitorEndToEnd, ClosedAsSoonAsItHasStartedItStillEndsTheOnScreenDisplay) {
    folder.MouseCtl("plug");
    ASSERT_TRUE(folder.StartMonitor());
    // Before the on-screen display has had time to make its window.
    ASSERT_TRUE(folder.StopMonitor());
    EXPECT_TRUE(WaitFor([&] { return folder.Logged("osdpanel", ToOsd(WM_CLOSE, 0, 0)); }));
    EXPECT_TRUE(WaitFor([] { return !FindWindowA(nullptr, names::kOsdWindowTitle); }));
}

TEST_F(MonitorEndToEnd, FollowsPlugAndUnplugAndReopensOnlyOnce) {
    ASSERT_TRUE(folder.StartMonitor());
    ASSERT_TRUE(WaitFor([&] { return folder.ConfigValue("Setting", "Device") == "0"; }));

    folder.MouseCtl("plug");
    ASSERT_TRUE(WaitFor([&] { return folder.ConfigValue("Setting", "Device") == "1"; }));
    ASSERT_TRUE(WaitFor([&] { return HasExchange("SET 01 88 02"); }, 20s));

    // A second arrival without a removal in between changes nothing: the
    // worker takes its requests in order, so the apply asked for after it
    // is all that the mouse sees.
    StartOption();
    SharedBlock block;
    ASSERT_TRUE(ReadSharedBlock(block));
    const auto before = folder.MouseExchanges().size();
    PostMessageA(folder.MonitorWindow(), msg::kDevicePresence, 1, 0);
    PostMessageA(folder.MonitorWindow(), msg::kApplySettings, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return folder.Logged("option", ToOption(msg::kApplyFinished)); }, 20s));
    const auto exchanges = folder.MouseExchanges();
    EXPECT_EQ(std::vector<std::string>(exchanges.begin() + static_cast<long>(before), exchanges.end()),
              ExpectedApply(block));

    folder.MouseCtl("unplug");
    EXPECT_TRUE(WaitFor([&] { return folder.ConfigValue("Setting", "Device") == "0"; }));
    EXPECT_TRUE(WaitFor([&] { return folder.Logged("option", ToOption(WM_CLOSE)); }));
}

TEST_F(MonitorEndToEnd, ApplyRequestReachesTheMouseByteForByteAndIsAnswered) {
    StartConnected();
    StartOption();
    SharedBlock block;
    ASSERT_TRUE(ReadSharedBlock(block));
    block.Profiles[0].CpiStep = 2;
    block.PollingChanged[0] = 1;
    block.DpiStageChanged[0] = 1;
    block.SettingsChanged[0] = 1;
    ASSERT_TRUE(WriteSharedBlock(block));

    const auto before = folder.MouseExchanges().size();
    PostMessageA(folder.MonitorWindow(), msg::kApplySettings, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return folder.Logged("option", ToOption(msg::kApplyFinished)); }, 20s));

    const auto exchanges = folder.MouseExchanges();
    const std::vector<std::string> sent(exchanges.begin() + static_cast<long>(before), exchanges.end());
    EXPECT_EQ(sent, ExpectedApply(block));
    EXPECT_TRUE(WaitFor([&] { return folder.Logged("osdpanel", ToOsd(msg::kOsdSettings, 0, 0)); }));
}

TEST_F(MonitorEndToEnd, DefaultProfileApplyKeepsEveryPauseAndLeavesTheMouseHoldingTheProfile) {
    StartConnected();
    StartOption();
    SharedBlock block;
    ASSERT_TRUE(ReadSharedBlock(block));
    block.PollingChanged[0] = block.DpiStageChanged[0] = block.SettingsChanged[0] = 1;
    ASSERT_TRUE(WriteSharedBlock(block));

    const auto before = folder.TimedMouseExchanges().size();
    PostMessageA(folder.MonitorWindow(), msg::kApplySettings, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return folder.Logged("option", ToOption(msg::kApplyFinished)); }, 20s));

    const auto timed = folder.TimedMouseExchanges();
    const auto expected = ExpectedPacedApply(block);
    ASSERT_EQ(timed.size() - before, expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].text);
        EXPECT_EQ(timed[before + i].text, expected[i].text);
        // A pause is never cut short. The mouse stamps each report in whole
        // milliseconds when it handles it, so two stamps may sit up to 2 ms
        // closer than the reports were sent.
        if (i > 0) {
            EXPECT_GE(timed[before + i].timeMs - timed[before + i - 1].timeMs, expected[i].pauseBeforeMs - 2);
        }
    }

    const std::string state = folder.MouseCtl("state");
    // The mouse's decoded state is the default profile's.
    for (const char* held : {"settings: DPI 800/1600/2400/4000/6400/8200, stages 1-6 on", "breathing speed 2",
                             "sensitivity X 100 Y 100", "button 1 -> mouse button left", "slot 33: gun"}) {
        EXPECT_NE(state.find(held), std::string::npos) << held << "\n" << state;
    }
}

TEST_F(MonitorEndToEnd, ApplyRequestWithoutTheMouseIsAnsweredAtOnce) {
    ASSERT_TRUE(folder.StartMonitor());
    StartOption();
    PostMessageA(folder.MonitorWindow(), msg::kApplySettings, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return folder.Logged("option", ToOption(msg::kApplyFinished)); }, 2s));
    EXPECT_TRUE(folder.MouseExchanges().empty());
}

TEST_F(MonitorEndToEnd, OnMouseProfileDpiPollingAndNoticeEventsReachBlockFilesAndWindows) {
    StartConnected();
    StartOption();
    ASSERT_TRUE(WaitFor([&] { return folder.Logged("osdpanel", "start"); }));

    folder.MouseCtl("press profile 3");
    EXPECT_TRUE(WaitFor([&] { return folder.ConfigValue("Setting", "CurrentProfile") == "2"; }));
    EXPECT_TRUE(WaitFor([&] { return folder.Logged("option", ToOption(msg::kCurrentProfileChanged)); }));
    // The on-screen display is a process of its own: what Monitor posted to
    // it after Option's message may still be on its way.
    EXPECT_TRUE(WaitFor(
        [&] { return folder.Logged("osdpanel", ToOsd(msg::kOsdShow, msg::kOsdShowProfile, 2 << 16)); }));
    SharedBlock block;
    ASSERT_TRUE(ReadSharedBlock(block));
    EXPECT_EQ(block.CurrentProfile, 2);

    folder.MouseCtl("press dpi-up");
    EXPECT_TRUE(WaitFor([&] { return folder.Logged("option", ToOption(msg::kDpiStageChanged)); }));
    EXPECT_TRUE(WaitFor([&] { return folder.Logged("osdpanel", ToOsd(msg::kOsdShow, msg::kOsdShowMessage, 0)); }));
    ASSERT_TRUE(ReadSharedBlock(block));
    const Profile& active = block.Profiles[2];
    EXPECT_EQ(folder.ConfigValue("OSDData", "Message"),
              "DPI: " + std::to_string(active.CpiLevel_X[active.CpiStep] * 50));

    folder.MouseCtl("press polling 2");
    EXPECT_TRUE(WaitFor([&] { return folder.Logged("option", ToOption(msg::kPollingRateChanged)); }));
    ASSERT_TRUE(ReadSharedBlock(block));
    EXPECT_EQ(block.Profiles[2].PollingRate, 2);

    // The events were saved to the profile files too.
    EXPECT_TRUE(WaitFor([&] { return folder.ConfigValue("Setting", "CurrentProfile") == "2"; }));
}

TEST_F(MonitorEndToEnd, CopyDataNoticeIsStoredAndShownOnlyWhileConnected) {
    ASSERT_TRUE(folder.StartMonitor());
    ASSERT_TRUE(WaitFor([&] { return folder.Logged("osdpanel", "start"); }));
    auto send = [&](const char* text, DWORD size) {
        CopyDataNotice data = PackCopyDataNotice(text);
        COPYDATASTRUCT copy = {0, size, data.data()};
        return SendMessageA(folder.MonitorWindow(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
    };
    EXPECT_EQ(send("wrong size", 150), 1);
    EXPECT_EQ(folder.ConfigValue("OSDData", "Message"), "");
    EXPECT_EQ(send("unplugged", 151), 1);
    EXPECT_EQ(folder.ConfigValue("OSDData", "Message"), "unplugged");

    folder.MouseCtl("plug");
    ASSERT_TRUE(WaitFor([&] { return folder.ConfigValue("Setting", "Device") == "1"; }));
    EXPECT_EQ(send("plugged", 151), 1);
    EXPECT_EQ(folder.ConfigValue("OSDData", "Message"), "plugged");
    EXPECT_TRUE(WaitFor([&] { return folder.Logged("osdpanel", ToOsd(msg::kOsdShow, msg::kOsdShowMessage, 0)); }));
    const auto shown = folder.LogOf("osdpanel");
    EXPECT_EQ(std::count(shown.begin(), shown.end(), ToOsd(msg::kOsdShow, msg::kOsdShowMessage, 0)), 1);
}

TEST_F(MonitorEndToEnd, SecondMonitorWithOpenFlagMakesTheFirstOpenOptionAndEnds) {
    StartConnected();
    EXPECT_FALSE(folder.Logged("option", "start"));
    ASSERT_TRUE(folder.StartMonitor("1"));
    EXPECT_TRUE(WaitFor([&] { return folder.Logged("option", "start"); }));
    // Only the first Monitor's window remains.
    EXPECT_TRUE(WaitFor([&] { return FindWindowExA(nullptr, folder.MonitorWindow(), nullptr,
                                                   names::kMonitorWindowTitle) == nullptr; }));
}

TEST_F(MonitorEndToEnd, ForegroundProgramBoundInAProfileSwitchesToIt) {
    std::strcpy(folder.Profiles().Profiles[3].GameFile, "  C:\\Games\\GAME.exe ");
    std::strcpy(folder.Profiles().Profiles[0].GameFile, "launched.exe");  // the current profile
    folder.WriteProfiles();
    StartConnected();
    StartOption();

    // A program bound to the current profile changes nothing.
    folder.StartProgram("launched.exe");
    ASSERT_TRUE(WaitFor([] { return GetForegroundWindow() == FindWindowA(nullptr, "launched"); }));
    // Monitor looks at the front program on a timer; this look is asked for now.
    PostMessageA(folder.MonitorWindow(), WM_TIMER, msg::kTimerForegroundCheck, 0);
    WaitUntilEarlierMessagesReached("option", ToOption(msg::kDpiStageChanged));
    EXPECT_FALSE(folder.Logged("option", ToOption(msg::kCurrentProfileChanged)));

    const auto before = folder.MouseExchanges().size();
    folder.StartProgram("game.exe");
    ASSERT_TRUE(WaitFor([&] { return folder.Logged("option", ToOption(msg::kCurrentProfileChanged)); }));
    SharedBlock block;
    ASSERT_TRUE(ReadSharedBlock(block));
    EXPECT_EQ(block.CurrentProfile, 3);
    // The worker announces the switch to the mouse with the closing command.
    EXPECT_TRUE(WaitFor([&] {
        const auto exchanges = folder.MouseExchanges();
        return exchanges.size() > before && exchanges.back().rfind("SET 02 01 00", 0) == 0;
    }));
}

TEST_F(MonitorEndToEnd, MediaButtonsDriveThePlayerOfTheActiveProfile) {
    folder.Profiles().Profiles[0].MediaOption = 3;  // Winamp
    folder.Profiles().Profiles[1].MediaOption = 2;  // RealPlayer
    folder.Profiles().Profiles[2].MediaOption = 1;  // iTunes
    folder.WriteProfiles();
    StartConnected();
    folder.StartProgram("players.exe");
    ASSERT_TRUE(WaitFor([&] { return folder.Logged("players", "start"); }));

    for (int i = 0; i < 3; ++i) {
        folder.MouseCtl("press media 0x23");
        folder.MouseCtl("press media 0x23 release");
    }
    folder.MouseCtl("press media 0x21 release");  // a release alone does nothing
    // Monitor sends the player commands before it takes the next event, so
    // the profile switch that follows ends the check of the presses.
    folder.MouseCtl("press profile 2");
    ASSERT_TRUE(WaitFor([&] { return folder.ConfigValue("Setting", "CurrentProfile") == "1"; }));
    const std::vector<std::string> winamp = {"start", Message("Winamp v1.x", WM_COMMAND, 40045),
                                             Message("Winamp v1.x", WM_COMMAND, 40046),
                                             Message("Winamp v1.x", WM_COMMAND, 40045)};
    EXPECT_EQ(folder.LogOf("players"), winamp);

    folder.MouseCtl("press media 0x21");
    EXPECT_TRUE(WaitFor([&] { return folder.Logged("players", Message("GeminiWindowClass", WM_COMMAND, 65739)); }));

    // iTunes takes Ctrl+Right for the next track and the space bar for play/pause.
    folder.MouseCtl("press profile 3");
    ASSERT_TRUE(WaitFor([&] { return folder.ConfigValue("Setting", "CurrentProfile") == "2"; }));
    const auto seen = folder.LogOf("players").size();
    folder.MouseCtl("press media 0x21");
    folder.MouseCtl("press media 0x23");
    ASSERT_TRUE(WaitFor([&] { return folder.LogOf("players").size() >= seen + 6; }));
    const auto log = folder.LogOf("players");
    const std::vector<std::string> itunes(log.begin() + static_cast<long>(seen), log.end());
    const std::vector<std::string> expected = {
        Message("iTunes", WM_KEYDOWN, VK_CONTROL, 0x001D0001), Message("iTunes", WM_KEYDOWN, VK_RIGHT, 0x014D0001),
        Message("iTunes", WM_KEYUP, VK_RIGHT, 0xC14D0001),     Message("iTunes", WM_KEYUP, VK_CONTROL, 0xC01D0001),
        Message("iTunes", WM_KEYDOWN, VK_SPACE, 0x00390001),   Message("iTunes", WM_KEYUP, VK_SPACE, 0xC0390001)};
    EXPECT_EQ(itunes, expected);
}

TEST_F(MonitorEndToEnd, RunProgramButtonStartsTheProgramOfThatButton) {
    ButtonFunction& button = folder.Profiles().Profiles[0].MacroKeyInfo[4];
    button.Code = 17;
    std::strcpy(button.ProgramPath, (folder.Path() + "launched.exe").c_str());
    folder.WriteProfiles();
    StartConnected();

    folder.MouseCtl("press run-program 4");  // a button that starts nothing
    folder.MouseCtl("press run-program 5");
    EXPECT_TRUE(WaitFor([&] { return folder.Logged("launched", "start"); }));
    // The second button was handled after the first: a program the first
    // had started would be running by now.
    EXPECT_EQ(RunningProgramCount("launched.exe"), 1);
    EXPECT_EQ(folder.LogOf("launched").size(), 1u);
}

}  // namespace
