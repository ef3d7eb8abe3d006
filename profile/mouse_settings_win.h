// The pointer and wheel settings of a profile against the current user's
// registry and the running system.
#pragma once

#include <windows.h>

#include "profile/mouse_settings.h"
#include "profile/windows_mouse_settings.h"

// HKEY_CURRENT_USER keys, values as REG_SZ decimal text.
class CurrentUserRegistry final : public SettingsRegistry {
public:
    std::unique_ptr<SettingsKey> Open(const char* keyPath) override;
};

class RegistryMouseSettings final : public WindowsMouseSettings {
public:
    int Read(Profile& profile) override;
    int Write(const Profile& profile) override;

private:
    CurrentUserRegistry registry_;
};

// Puts the profile's settings into force and tells `monitorWindow` (and, for
// the wheel, every application) about the change.
void ApplyWindowsMouseSettings(Profile& profile, HWND monitorWindow);
