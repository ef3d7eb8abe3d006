// Everything the device link asks of the desktop: windows of the other
// programs, timers, the tray icon, config.ini, profile files, the shared
// block and the programs and players started by mouse buttons. The window
// layer implements it; tests record the calls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "device/media_codes.h"
#include "device/worker_messages.h"
#include "profile/osd_record.h"
#include "profile/shared_block.h"

class MonitorEffects {
public:
    virtual ~MonitorEffects() = default;

    // Option's main window. Each returns false when the window does not exist.
    virtual bool PostToOption(unsigned message) = 0;
    virtual bool CloseOption() = 0;
    // Opens Option, or raises it when it already runs.
    virtual void OpenOption() = 0;
    // Asks Monitor's own window to open Option (the open-Option command).
    virtual void PostOpenOptionCommand() = 0;

    // The on-screen display's window; false when it does not exist.
    virtual bool PostToOsd(unsigned message, uintptr_t wParam, intptr_t lParam) = 0;
    // Its handle for the trace, 0 when it does not exist.
    virtual uintptr_t OsdWindowHandle() = 0;
    // Reads the settings record from config.ini; no value when it is missing
    // or unreadable.
    virtual std::optional<OsdSettingsFields> ReadOsdSettings() = 0;
    // Writes the notice text that the on-screen display shows.
    virtual void StoreNoticeText(const std::string& text) = 0;

    // Monitor's window.
    virtual void StartTimer(unsigned id, unsigned periodMs) = 0;
    virtual void KillTimer(unsigned id) = 0;
    virtual void AddTrayIcon() = 0;
    virtual void RemoveTrayIcon() = 0;
    // Hands a request to the apply worker; false when it could not be posted.
    virtual bool PostWorkerRequest(WorkerRequest request) = 0;
    // File name and extension of the foreground window's program; no value
    // when it cannot be found.
    virtual std::optional<std::string> ForegroundExecutableName() = 0;
    virtual void Trace(const std::string& line) = 0;

    // config.ini, section "Setting".
    virtual void WriteDeviceState(int state) = 0;
    virtual void WriteCurrentProfile(int index) = 0;
    // The five profile files.
    virtual void SaveProfiles(const SharedBlock& local) = 0;
    // Whole-block copies under the block mutex; false (nothing copied) when
    // there is no block or the mutex cannot be taken.
    virtual bool CopyToSharedBlock(const SharedBlock& local) = 0;
    virtual bool CopyFromSharedBlock(SharedBlock& local) = 0;

    // Windows pointer and wheel settings of a profile: put into force, or
    // first written to the registry and then put into force. Applying may
    // switch the profile's acceleration off.
    virtual void ApplyWindowsMouseSettings(Profile& profile) = 0;
    virtual void WriteAndApplyWindowsMouseSettings(Profile& profile) = 0;

    // Mouse buttons that act on the desktop, for the active profile.
    virtual void RunProgram(const Profile& profile, int button) = 0;  // button 1..16
    virtual void ActivatePlayer(const Profile& profile) = 0;
    virtual void MediaCommand(const Profile& profile, ::MediaCommand command) = 0;
};
