#include "monitor/tray_icon_win.h"

#include <shellapi.h>

#include <cstring>

#include "profile/messages.h"

NOTIFYICONDATAA TrayIcon::Data() const {
    NOTIFYICONDATAA data = {};
    data.cbSize = sizeof data;
    data.hWnd = window_;
    data.uID = msg::kTrayIconId;
    return data;
}

void TrayIcon::Add(const std::string& tip) {
    tip_ = tip;
    NOTIFYICONDATAA data = Data();
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = msg::kTrayCallback;
    data.hIcon = icon_;
    std::strncpy(data.szTip, tip.c_str(), sizeof data.szTip - 1);
    shown_ = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
}

void TrayIcon::Remove() {
    NOTIFYICONDATAA data = Data();
    Shell_NotifyIconA(NIM_DELETE, &data);
    shown_ = false;
}

void TrayIcon::Restore() {
    if (shown_) Add(tip_);
}

void TrayIcon::ShowMenu(const std::string& openText, const std::string& exitText) const {
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, msg::kCommandOpenOption, openText.c_str());
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, msg::kCommandExitMonitor, exitText.c_str());
    SetMenuDefaultItem(menu, msg::kCommandOpenOption, FALSE);
    POINT at;
    GetCursorPos(&at);
    TrackPopupMenu(menu, TPM_LEFTBUTTON, at.x, at.y, 0, window_, nullptr);
    // Lets the menu close properly when the user clicks elsewhere.
    PostMessageA(window_, WM_NULL, 0, 0);
    DestroyMenu(menu);
}

UINT TrayIcon::TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message;
}
