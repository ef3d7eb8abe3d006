#include "profile/mouse_settings_win.h"

namespace {

// Values are short decimal numbers; a longer text reads as missing.
constexpr DWORD kValueBufferSize = 80;

class RegistryKey final : public SettingsKey {
public:
    explicit RegistryKey(HKEY key) : key_(key) {}
    ~RegistryKey() override { RegCloseKey(key_); }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    std::string ReadText(const char* name) override {
        char buffer[kValueBufferSize] = {};
        DWORD type = 0;
        DWORD size = sizeof buffer - 1;  // keep room for a terminator
        const LONG result = RegQueryValueExA(key_, name, nullptr, &type,
                                             reinterpret_cast<BYTE*>(buffer), &size);
        if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return {};
        return std::string(buffer);
    }

    void WriteText(const char* name, const std::string& text) override {
        RegSetValueExA(key_, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size() + 1));
    }

private:
    HKEY key_;
};

class LiveSystem final : public LiveMouseSystem {
public:
    explicit LiveSystem(HWND window) : window_(window) {}

    void SetDoubleClickTime(int32_t milliseconds) override {
        ::SetDoubleClickTime(static_cast<UINT>(milliseconds));
    }

    void SetAcceleration(const std::array<int32_t, 3>& values) override {
        int parameters[3] = {values[0], values[1], values[2]};
        Call(SPI_SETMOUSE, 0, parameters);
        Notify(SPI_SETMOUSE, reinterpret_cast<LPARAM>(parameters));
    }

    void SetPointerSpeed(int32_t speed) override {
        // Windows takes the speed from pvParam, Wine from uiParam: pass both.
        Call(SPI_SETMOUSESPEED, static_cast<UINT>(speed),
             reinterpret_cast<void*>(static_cast<INT_PTR>(speed)));
        Notify(SPI_SETMOUSESPEED, 0);
    }

    void SetWheelScrollLines(int32_t lines) override {
        Call(SPI_SETWHEELSCROLLLINES, static_cast<UINT>(lines), nullptr);
        DWORD recipients = BSM_APPLICATIONS;
        static char area[] = "WheelScrollLines";
        BroadcastSystemMessageA(BSF_NOHANG, &recipients, WM_SETTINGCHANGE,
                                SPI_SETWHEELSCROLLLINES, reinterpret_cast<LPARAM>(area));
    }

private:
    // A setting the system refuses is not reported: the next apply retries it.
    static void Call(UINT action, UINT uiParam, void* pvParam) {
        SystemParametersInfoA(action, uiParam, pvParam, SPIF_SENDCHANGE);
    }
    void Notify(WPARAM action, LPARAM data) const {
        if (window_) SendMessageA(window_, WM_WININICHANGE, action, data);
    }

    HWND window_;
};

}  // namespace

std::unique_ptr<SettingsKey> CurrentUserRegistry::Open(const char* keyPath) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_ALL_ACCESS, &key) == ERROR_SUCCESS ||
        RegCreateKeyExA(HKEY_CURRENT_USER, keyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) == ERROR_SUCCESS)
        return std::make_unique<RegistryKey>(key);
    return nullptr;
}

int RegistryMouseSettings::Read(Profile& profile) { return ReadMouseSettings(profile, registry_); }

int RegistryMouseSettings::Write(const Profile& profile) {
    return WriteMouseSettings(profile, registry_);
}

void ApplyWindowsMouseSettings(Profile& profile, HWND monitorWindow) {
    CurrentUserRegistry registry;
    LiveSystem system(monitorWindow);
    ApplyMouseSettings(profile, registry, system);
}
