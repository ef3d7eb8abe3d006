// Monitor's hidden main window: owns the link to the mouse, the local copy
// of the shared block, the apply worker and the tray icon, and turns window
// messages from Option, the HID library and the shell into their actions.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "device/clock.h"
#include "device/connection.h"
#include "device/hid_link_win.h"
#include "lan/language_win.h"
#include "monitor/apply_worker_win.h"
#include "monitor/desktop_programs_win.h"
#include "monitor/desktop_effects_win.h"
#include "monitor/media_actions_win.h"
#include "profile/shared_block_win.h"
#include "monitor/tray_icon_win.h"
#include "profile/file_lock_win.h"
#include "profile/mouse_settings_win.h"
#include "shell/attached_window_win.h"

class CMonitorWnd {
public:
    // `openOption`: open Option as soon as the mouse is found at start-up.
    explicit CMonitorWnd(bool openOption) : openOption_(openOption) {}
    ~CMonitorWnd();
    CMonitorWnd(const CMonitorWnd&) = delete;
    CMonitorWnd& operator=(const CMonitorWnd&) = delete;

    // Creates the hidden window; false when creation failed (another
    // Monitor's shared block exists, or the window could not be made).
    bool Create(HINSTANCE instance);
    HWND Handle() const { return window_; }

private:
    template <typename Object>
    friend LRESULT CALLBACK AttachedWindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    bool OnCreate();
    void OnDestroy();
    void OnCommand(unsigned id);
    LRESULT OnCopyData(const COPYDATASTRUCT& data);
    void OnTrayNotify(UINT mouseMessage);
    void LoadProfiles();
    void ApplyActiveWindowsSettings();
    void CopyBlockIn();
    void RaiseLastActivePopup() const;

    bool openOption_;
    HWND window_ = nullptr;
    std::string programFolder_;
    std::unique_ptr<LanguageLibrary> texts_;
    HidLink hid_;
    NamedMutexFileLock fileLock_;
    RegistryMouseSettings mouseSettings_;
    SharedBlock local_{};
    SharedBlockChannel block_;
    SystemClock windowClock_;
    ApplyWorker worker_;
    std::unique_ptr<TrayIcon> tray_;
    std::unique_ptr<MediaActions> media_;
    std::unique_ptr<DesktopEffects> effects_;
    std::unique_ptr<MonitorConnection> connection_;
    SiblingPrograms siblings_;
};
