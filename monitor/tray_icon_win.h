// Monitor's icon in the notification area, shown while the mouse is
// connected, with its right-click menu.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

class TrayIcon {
public:
    // `window` receives the callback message; `icon` is the program's own.
    TrayIcon(HWND window, HICON icon) : window_(window), icon_(icon) {}

    void Add(const std::string& tip);
    void Remove();
    bool Shown() const { return shown_; }
    // The shell lost every icon (Explorer restarted): add ours again.
    void Restore();

    // Shows the menu "open settings" (default item) / separator / "exit" at
    // the cursor; the chosen command arrives as WM_COMMAND.
    void ShowMenu(const std::string& openText, const std::string& exitText) const;

    // The registered message the shell broadcasts when the taskbar is created.
    static UINT TaskbarCreatedMessage();

private:
    NOTIFYICONDATAA Data() const;

    HWND window_;
    HICON icon_;
    std::string tip_;
    bool shown_ = false;
};
