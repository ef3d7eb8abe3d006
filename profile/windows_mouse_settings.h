// The Windows pointer and wheel settings that travel with a profile, as the
// profile store sees them: read from and written to the current user's
// settings. The Win32 registry implementation lives in the platform layer;
// tests and host tools use a fake or NoWindowsMouseSettings.
#pragma once

#include "profile/profile_record.h"

class WindowsMouseSettings {
public:
    virtual ~WindowsMouseSettings() = default;
    // Registry to profile: 1 on success, 0 when the mouse key cannot be
    // opened, -1 when the desktop key cannot be opened.
    virtual int Read(Profile& profile) = 0;
    // Profile to registry: 1 on success, -1 when a key cannot be opened.
    virtual int Write(const Profile& profile) = 0;
};

// For hosts without such settings (host tools, tests): reads and writes nothing.
class NoWindowsMouseSettings final : public WindowsMouseSettings {
public:
    int Read(Profile&) override { return 1; }
    int Write(const Profile&) override { return 1; }
};
