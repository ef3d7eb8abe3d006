#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <memory>

#include "option/main_window/monitor_link_win.h"
#include "profile/messages.h"

namespace {

// Plays Monitor: its block and mutex, and a hidden window with its title.
class MonitorStandIn {
public:
    MonitorStandIn() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "MonitorStandIn";
        RegisterClassA(&wc);
        window = CreateWindowA("MonitorStandIn", names::kMonitorWindowTitle, 0, 0, 0, 0, 0, nullptr, nullptr,
                               wc.hInstance, nullptr);
    }
    ~MonitorStandIn() {
        if (window) DestroyWindow(window);
    }
    bool ReceivedApply() {
        MSG m;
        return PeekMessageA(&m, window, msg::kApplySettings, msg::kApplySettings, PM_REMOVE) && m.wParam == 0 &&
               m.lParam == 0;
    }

    SharedBlockChannel channel;
    HWND window = nullptr;
};

TEST(MonitorWindowLink, WithoutMonitorThereIsNoBlockAndNoWindow) {
    MonitorWindowLink link;
    EXPECT_EQ(link.OpenBlock(), BlockOpenResult::Missing);
    EXPECT_FALSE(link.PostApply());
}

TEST(MonitorWindowLink, HandsTheBlockToMonitorAndPostsTheApply) {
    MonitorStandIn monitor;
    ASSERT_TRUE(monitor.window);
    ASSERT_TRUE(monitor.channel.CreateBlockMutex());
    ASSERT_TRUE(monitor.channel.CreateBlock());
    MonitorWindowLink link;
    ASSERT_EQ(link.OpenBlock(), BlockOpenResult::Opened);
    auto block = std::make_unique<SharedBlock>();
    std::memset(block.get(), 0, sizeof(SharedBlock));
    block->CurrentProfile = 3;
    ASSERT_TRUE(link.CopyOut(*block));
    auto seen = std::make_unique<SharedBlock>();
    ASSERT_TRUE(monitor.channel.CopyIn(*seen));
    EXPECT_EQ(seen->CurrentProfile, 3);
    EXPECT_TRUE(link.PostApply());
    EXPECT_TRUE(monitor.ReceivedApply());
    link.Release();
    EXPECT_FALSE(link.CopyIn(*seen));
}

}  // namespace
