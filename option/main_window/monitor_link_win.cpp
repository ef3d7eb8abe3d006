#include "option/main_window/monitor_link_win.h"

#include "profile/messages.h"

BlockOpenResult MonitorWindowLink::OpenBlock() {
    channel_.OpenBlockMutex();
    return channel_.OpenBlock();
}

bool MonitorWindowLink::PostApply() {
    const HWND monitor = FindWindowA(nullptr, names::kMonitorWindowTitle);
    return monitor && PostMessageA(monitor, msg::kApplySettings, 0, 0);
}
