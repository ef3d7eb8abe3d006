// End to end under Wine: the built hiddriver.dll bound through HidLink,
// talking to a running VirtualMouse.exe, with arrival, removal and event
// messages posted to a test window.
#include "device/hid_link_win.h"

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "hiddriver/mouse_client_win.h"
#include "hiddriver/subscriptions_win.h"

using namespace vmouse;

namespace {

constexpr UINT kEventMessage = 1325;
constexpr UINT kArrivalMessage = 1326;
constexpr UINT kSentinelMessage = WM_APP;
constexpr DWORD kWaitMs = 3000;

std::array<uint8_t, 8> Cmd(uint8_t b0, uint8_t b1 = 0, uint8_t b2 = 0) {
    Report8 c{b0, b1, b2};
    SetChecksum(c);
    return c;
}

void CloseMouse() {
    HWND mouse = FindMouseWindow();
    if (!mouse) return;
    DWORD processId = 0;
    GetWindowThreadProcessId(mouse, &processId);
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, processId);
    PostMessageW(mouse, WM_CLOSE, 0, 0);
    if (process) {
        WaitForSingleObject(process, kWaitMs);
        CloseHandle(process);
    }
}

bool StartMouse() {
    std::wstring program = ModuleFolder() + kProgramFileName;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), nullptr, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    for (int i = 0; i < 250 && !FindMouseWindow(); ++i) Sleep(20);
    return FindMouseWindow() != nullptr;
}

// Runs mousectl with `arguments` and returns what it printed, with
// Windows line ends turned into '\n'.
std::string RunMousectl(const std::wstring& arguments) {
    SECURITY_ATTRIBUTES inherit{};
    inherit.nLength = sizeof inherit;
    inherit.bInheritHandle = TRUE;
    HANDLE readEnd, writeEnd;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return "(no pipe)";
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = startup.hStdError = writeEnd;
    std::wstring commandLine = L"\"" + ModuleFolder() + L"mousectl.exe\" " + arguments;
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                                        nullptr, nullptr, &startup, &process);
    CloseHandle(writeEnd);
    std::string output;
    if (started) {
        // Read while it runs (its output may exceed the pipe's buffer), but
        // stop when it has ended rather than at end of file.
        char buffer[4096];
        DWORD count, waiting = 0;
        bool ended = false;
        const ULONGLONG deadline = GetTickCount64() + kWaitMs;
        while (GetTickCount64() < deadline) {
            if (PeekNamedPipe(readEnd, nullptr, 0, nullptr, &waiting, nullptr) && waiting > 0 &&
                ReadFile(readEnd, buffer, sizeof buffer, &count, nullptr)) {
                output.append(buffer, count);
                continue;
            }
            if (ended) break;
            ended = WaitForSingleObject(process.hProcess, 10) == WAIT_OBJECT_0;
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(readEnd);
    std::erase(output, '\r');  // console text mode
    return output;
}

// Threads of this process.
size_t ThreadCount() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    size_t count = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
        if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
    CloseHandle(snapshot);
    return count;
}

class HidLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        CloseMouse();  // a mouse left over by an earlier run
        window_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        ASSERT_TRUE(window_);
    }
    void TearDown() override {
        link_.Shutdown();
        CloseMouse();
        DestroyWindow(window_);
    }

    // Pumps the test window until a message for which `stop` holds arrives.
    std::optional<MSG> PumpUntil(const std::function<bool(const MSG&)>& stop, DWORD timeoutMs) {
        const ULONGLONG deadline = GetTickCount64() + timeoutMs;
        MSG msg;
        while (GetTickCount64() < deadline) {
            while (PeekMessageW(&msg, window_, 0, 0, PM_REMOVE))
                if (stop(msg)) return msg;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        }
        return std::nullopt;
    }

    // Pumps the test window until `message` arrives, ignoring others.
    std::optional<MSG> WaitFor(UINT message, DWORD timeoutMs = kWaitMs) {
        return PumpUntil([&](const MSG& msg) { return msg.message == message; }, timeoutMs);
    }

    // The sentinel of a negative check: a message posted to the test window
    // now arrives after everything that was posted to it before.
    bool PostedBeforeNow(UINT message) {
        PostMessageW(window_, kSentinelMessage, 0, 0);
        bool seen = false;
        const auto sentinel = PumpUntil(
            [&](const MSG& msg) {
                seen = seen || msg.message == message;
                return msg.message == kSentinelMessage;
            },
            kWaitMs);
        EXPECT_TRUE(sentinel) << "the sentinel did not arrive";
        return seen;
    }

    std::optional<EventWord> Press(ActionKind kind, int32_t arg = 0, bool release = false) {
        PressRequest request{static_cast<int32_t>(kind), arg, release ? 1 : 0};
        auto result = SendToMouse(FindMouseWindow(), Request::Press, &request, sizeof request);
        if (!result || *result == 0) return std::nullopt;
        return UnpackEvent(static_cast<uint64_t>(*result));
    }

    void ExpectEvent(uint16_t high, uint16_t low) {
        auto msg = WaitFor(kEventMessage);
        ASSERT_TRUE(msg) << "no event message";
        EXPECT_EQ(msg->wParam, high);
        EXPECT_EQ(msg->lParam, low);
    }

    HidLink link_;
    HWND window_ = nullptr;
};

}  // namespace

TEST_F(HidLinkTest, MissingLibraryOrExportLeavesTheMouseAbsent) {
    ASSERT_TRUE(StartMouse());
    EXPECT_FALSE(link_.Load(ModuleFolder() + L"no such folder\\"));
    EXPECT_FALSE(link_.IsComplete());
    EXPECT_FALSE(link_.OpenReportDevice());

    // This library lacks WriteUSB and aborts on any call: it must be
    // released again and never called, even for the calls it does have.
    const std::wstring incomplete = ModuleFolder() + L"incomplete\\";
    EXPECT_FALSE(link_.Load(incomplete));
    EXPECT_EQ(GetModuleHandleW((incomplete + L"hiddriver.dll").c_str()), nullptr);
    link_.SetMonitorTarget(window_, kEventMessage, kArrivalMessage);
    link_.StartDeviceMonitor();
    link_.OpenFeatureDevice();
    EXPECT_FALSE(link_.OpenReportDevice());
    const auto command = Cmd(0x01, 0x88, 0x02);
    link_.SetFeature(command);
    std::array<uint8_t, 8> reply{0x82};
    EXPECT_FALSE(link_.GetFeature(reply));
    link_.Shutdown();
    EXPECT_FALSE(PostedBeforeNow(kArrivalMessage)) << "an absent library posts nothing";
}

TEST_F(HidLinkTest, PlugExchangePressAndUnplug) {
    ASSERT_TRUE(link_.Load(ModuleFolder()));
    link_.SetMonitorTarget(window_, kEventMessage, kArrivalMessage);
    link_.StartDeviceMonitor();
    link_.OpenFeatureDevice();
    EXPECT_FALSE(link_.OpenReportDevice()) << "nothing plugged in yet";

    ASSERT_TRUE(StartMouse());
    auto arrival = WaitFor(kArrivalMessage);
    ASSERT_TRUE(arrival);
    EXPECT_EQ(arrival->wParam, 1u);
    link_.OpenFeatureDevice();
    EXPECT_TRUE(link_.OpenReportDevice());

    // The worker thread exchanges while the window thread keeps running.
    std::optional<std::array<uint8_t, 8>> reply;
    std::thread worker([&] {
        link_.SetFeature(Cmd(0x01, 0x88, 0x02));
        link_.SetFeature(Cmd(0x04, 0x01, 2));
        Block128 settings{};
        settings[0x64] = 0b0111;  // stages 1 to 3
        link_.SetFeature(Cmd(0x0C, 0x01, 0x80));
        link_.WriteUSB(std::span(settings).first<64>());
        link_.WriteUSB(std::span(settings).last<64>());
        link_.SetFeature(Cmd(0x84, 1));
        std::array<uint8_t, 8> buffer{0x84, 1};
        if (link_.GetFeature(buffer)) reply = buffer;
    });
    worker.join();
    ASSERT_TRUE(reply);
    EXPECT_EQ((*reply)[0], 0x84);
    EXPECT_EQ((*reply)[2], 2);

    EXPECT_EQ(Press(ActionKind::DpiUp), (EventWord{0x0700, 3}));
    ExpectEvent(0x0700, 3);
    EXPECT_FALSE(Press(ActionKind::DpiUp)) << "stage 4 is not enabled";
    EXPECT_TRUE(Press(ActionKind::Profile, 3));
    ExpectEvent(0x0800, 3);
    EXPECT_TRUE(Press(ActionKind::Media, 0x21, true));
    ExpectEvent(0xF000, 0x0121);

    std::array<uint8_t, 8> profile{0x82};
    link_.SetFeature(Cmd(0x82));
    ASSERT_TRUE(link_.GetFeature(profile));
    EXPECT_EQ(profile[1], 3);

    CloseMouse();
    auto removal = WaitFor(kArrivalMessage);
    ASSERT_TRUE(removal);
    EXPECT_EQ(removal->wParam, 0u);
    EXPECT_FALSE(link_.OpenReportDevice());
    EXPECT_FALSE(link_.GetFeature(profile));
}

TEST_F(HidLinkTest, ClosedChannelsAndMonitorStopExchangesAndMessages) {
    ASSERT_TRUE(StartMouse());
    ASSERT_TRUE(link_.Load(ModuleFolder()));
    link_.SetMonitorTarget(window_, kEventMessage, kArrivalMessage);
    link_.StartDeviceMonitor();
    std::array<uint8_t, 8> query{0x82};
    EXPECT_FALSE(link_.GetFeature(query)) << "the command channel is not open yet";
    link_.OpenFeatureDevice();
    EXPECT_TRUE(link_.GetFeature(query));
    link_.CloseFeatureDevice();
    EXPECT_FALSE(link_.GetFeature(query));

    EXPECT_TRUE(Press(ActionKind::Save));
    ExpectEvent(0xC000, 0);
    link_.StopDeviceMonitor();
    // The mouse posts its events before it answers the press.
    EXPECT_TRUE(Press(ActionKind::OpenOption));
    EXPECT_FALSE(PostedBeforeNow(kEventMessage)) << "no events after Close_DevMonitor";
    // The mouse posts its removal before its process ends.
    CloseMouse();
    EXPECT_FALSE(PostedBeforeNow(kArrivalMessage)) << "no removal after Close_DevMonitor";
}

TEST_F(HidLinkTest, EveryNewMouseFindsTheWindowWithoutAThreadOfTheLibrary) {
    ASSERT_TRUE(link_.Load(ModuleFolder()));
    const size_t threads = ThreadCount();
    link_.SetMonitorTarget(window_, kEventMessage, kArrivalMessage);
    link_.StartDeviceMonitor();
    EXPECT_EQ(ThreadCount(), threads) << "following the mouse takes no thread";
    for (int plug = 0; plug < 2; ++plug) {
        SCOPED_TRACE(plug);
        ASSERT_TRUE(StartMouse());
        auto arrival = WaitFor(kArrivalMessage);
        ASSERT_TRUE(arrival);
        EXPECT_EQ(arrival->wParam, 1u);
        EXPECT_TRUE(Press(ActionKind::Save));
        ExpectEvent(0xC000, 0);
        CloseMouse();
        auto removal = WaitFor(kArrivalMessage);
        ASSERT_TRUE(removal);
        EXPECT_EQ(removal->wParam, 0u);
    }
    EXPECT_FALSE(PostedBeforeNow(kArrivalMessage)) << "one arrival and one removal per plug";
}

// The library lives in Monitor's process: its image is Monitor's memory. A
// C++ runtime linked into it (exceptions, std::mutex, strings) takes it from
// about 60 KB to over 200 KB.
TEST(HidDriverImage, CarriesNoCxxRuntime) {
    HMODULE library = LoadLibraryW((ModuleFolder() + L"hiddriver.dll").c_str());
    ASSERT_TRUE(library);
    const auto* base = reinterpret_cast<const uint8_t*>(library);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    EXPECT_LE(nt->OptionalHeader.SizeOfImage, 128u * 1024);
    FreeLibrary(library);
}

TEST(SharedSubscriptions, EntriesOfDestroyedWindowsMakeRoom) {
    auto table = SharedSubscriptions::Create();
    ASSERT_TRUE(table);
    auto entry = [](HWND w) { return Subscription{reinterpret_cast<uint64_t>(w), 1325, 1326}; };
    std::vector<HWND> windows;
    for (size_t i = 0; i <= kMaxSubscriptions; ++i)
        windows.push_back(CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr));
    for (size_t i = 0; i < kMaxSubscriptions; ++i) ASSERT_TRUE(table->Add(entry(windows[i])));
    EXPECT_FALSE(table->Add(entry(windows.back()))) << "the table is full";

    DestroyWindow(windows[3]);
    EXPECT_TRUE(table->Add(entry(windows.back())));
    auto inUse = [&] {
        const SubscriptionTable copy = table->Snapshot();
        return std::count_if(std::begin(copy.Entries), std::end(copy.Entries),
                             [](const Subscription& s) { return s.Window != 0; });
    };
    EXPECT_EQ(inUse(), static_cast<long>(kMaxSubscriptions));
    const SubscriptionTable copy = table->Snapshot();
    EXPECT_TRUE(std::none_of(std::begin(copy.Entries), std::end(copy.Entries), [&](const Subscription& s) {
        return s.Window == reinterpret_cast<uint64_t>(windows[3]);
    }));
    for (HWND w : windows) {
        table->Remove(w);
        DestroyWindow(w);
    }
    EXPECT_EQ(inUse(), 0);
}

TEST_F(HidLinkTest, MousectlDrivesTheMouse) {
    EXPECT_EQ(RunMousectl(L"press save"), "mousectl: the virtual mouse is not plugged in\n");
    EXPECT_EQ(RunMousectl(L"plug"), "plugged in\n");
    EXPECT_EQ(RunMousectl(L"plug"), "already plugged in\n");
    EXPECT_EQ(RunMousectl(L"press profile 4"), "event 0800:0004\n");
    EXPECT_EQ(RunMousectl(L"press media 0x26 release"), "event F000:0126\n");
    EXPECT_NE(RunMousectl(L"state").find("current profile 4, report interval 1 ms\n"), std::string::npos);
    EXPECT_NE(RunMousectl(L"log").find("PRESS profile 4 -> event 0800:0004, now profile 4\n"), std::string::npos);
    EXPECT_EQ(RunMousectl(L"unplug"), "unplugged\n");
    EXPECT_EQ(FindMouseWindow(), nullptr);
}
