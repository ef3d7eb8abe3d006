// The desktop side of the device link: every action the connection and the
// event dispatch ask for, carried out with windows, timers, the tray icon,
// config.ini, the profile files and the shared block. Called only from the
// window thread.
#pragma once

#include <windows.h>

#include <string>

#include "device/monitor_effects.h"
#include "profile/file_lock.h"
#include "profile/text_source.h"
#include "profile/windows_mouse_settings.h"

class ApplyWorker;
class MediaActions;
class SharedBlockChannel;
class TrayIcon;

// What the effects act on; everything is owned by Monitor's window and
// outlives the effects.
struct DesktopTargets {
    HWND window;
    std::string programFolder;  // with its trailing backslash
    FileLock& fileLock;
    const TextSource& texts;
    WindowsMouseSettings& mouseSettings;
    SharedBlockChannel& block;
    TrayIcon& tray;
    ApplyWorker& worker;
    MediaActions& media;
};

class DesktopEffects final : public MonitorEffects {
public:
    explicit DesktopEffects(DesktopTargets targets);

    bool PostToOption(unsigned message) override;
    bool CloseOption() override;
    void OpenOption() override;
    void PostOpenOptionCommand() override;

    bool PostToOsd(unsigned message, uintptr_t wParam, intptr_t lParam) override;
    uintptr_t OsdWindowHandle() override;
    std::optional<OsdSettingsFields> ReadOsdSettings() override;
    void StoreNoticeText(const std::string& text) override;

    void StartTimer(unsigned id, unsigned periodMs) override;
    void KillTimer(unsigned id) override;
    void AddTrayIcon() override;
    void RemoveTrayIcon() override;
    bool PostWorkerRequest(WorkerRequest request) override;
    std::optional<std::string> ForegroundExecutableName() override;
    void Trace(const std::string& line) override;

    void WriteDeviceState(int state) override;
    void WriteCurrentProfile(int index) override;
    void SaveProfiles(const SharedBlock& local) override;
    bool CopyToSharedBlock(const SharedBlock& local) override;
    bool CopyFromSharedBlock(SharedBlock& local) override;

    void ApplyWindowsMouseSettings(Profile& profile) override;
    void WriteAndApplyWindowsMouseSettings(Profile& profile) override;

    void RunProgram(const Profile& profile, int button) override;
    void ActivatePlayer(const Profile& profile) override;
    void MediaCommand(const Profile& profile, ::MediaCommand command) override;

private:
    DesktopTargets t_;
    std::string configPath_;
};
