#include "profile/mouse_settings_win.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// Saves the registry values and live settings the tests change and puts
// them back afterwards, so the prefix is left as it was found.
class MouseSettingsWin : public ::testing::Test {
protected:
    void SetUp() override {
        for (const auto& [key, name] : kValues) saved_[{key, name}] = Key(key)->ReadText(name);
        SystemParametersInfoA(SPI_GETMOUSESPEED, 0, &savedSpeed_, 0);
        SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &savedLines_, 0);
        SystemParametersInfoA(SPI_GETMOUSE, 0, savedMouse_, 0);
        savedDoubleClick_ = GetDoubleClickTime();
    }
    void TearDown() override {
        for (const auto& [where, text] : saved_) Key(where.first)->WriteText(where.second, text);
        SystemParametersInfoA(SPI_SETMOUSESPEED, savedSpeed_,
                              reinterpret_cast<void*>(static_cast<INT_PTR>(savedSpeed_)), 0);
        SystemParametersInfoA(SPI_SETWHEELSCROLLLINES, savedLines_, nullptr, 0);
        SystemParametersInfoA(SPI_SETMOUSE, 0, savedMouse_, 0);
        SetDoubleClickTime(savedDoubleClick_);
    }

    std::unique_ptr<SettingsKey> Key(const char* path) {
        auto key = registry_.Open(path);
        EXPECT_NE(key, nullptr) << path;
        return key;
    }

    static Profile Sample() {
        Profile p{};
        p.DbleClickSpeed = 470;
        p.Orientation = 0;
        p.MouseSpeed = 14;
        p.Acceleration = 13;
        p.AccelerationFlag = 1;
        p.ScrollWheelSpeed = 5;
        p.ScrollWheelFlag = 0;
        return p;
    }

    static constexpr std::pair<const char*, const char*> kValues[] = {
        {"Control Panel\\Mouse", "DoubleClickSpeed"}, {"Control Panel\\Mouse", "SwapMouseButtons"},
        {"Control Panel\\Mouse", "MouseSensitivity"}, {"Control Panel\\Mouse", "MouseSpeed"},
        {"Control Panel\\Mouse", "MouseThreshold1"},  {"Control Panel\\Mouse", "MouseThreshold2"},
        {"Control Panel\\Desktop", "WheelScrollLines"}};

    CurrentUserRegistry registry_;
    std::map<std::pair<const char*, const char*>, std::string> saved_;
    UINT savedSpeed_ = 10, savedLines_ = 3, savedDoubleClick_ = 500;
    int savedMouse_[3] = {};
};

TEST_F(MouseSettingsWin, RegistryRoundTripKeepsEverySetting) {
    RegistryMouseSettings settings;
    const Profile written = Sample();
    ASSERT_EQ(settings.Write(written), 1);

    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Mouse", 0, KEY_READ, &key), ERROR_SUCCESS);
    DWORD type = 0;
    char text[80] = {};
    DWORD size = sizeof text;
    ASSERT_EQ(RegQueryValueExA(key, "MouseThreshold2", nullptr, &type, reinterpret_cast<BYTE*>(text), &size),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(text, "11");  // row 13: 2, 4, 11

    Profile read{};
    ASSERT_EQ(settings.Read(read), 1);
    EXPECT_EQ(read.DbleClickSpeed, 470);
    EXPECT_EQ(read.Orientation, 0);
    EXPECT_EQ(read.MouseSpeed, 14);
    EXPECT_EQ(read.Acceleration, 13);
    EXPECT_EQ(read.AccelerationFlag, 1);
    EXPECT_EQ(read.ScrollWheelSpeed, 5);
    EXPECT_EQ(read.ScrollWheelFlag, 0);
}

TEST_F(MouseSettingsWin, OnePagePerNotchIsStoredAsMinusOne) {
    RegistryMouseSettings settings;
    Profile p = Sample();
    p.ScrollWheelFlag = 1;
    ASSERT_EQ(settings.Write(p), 1);
    EXPECT_EQ(Key("Control Panel\\Desktop")->ReadText("WheelScrollLines"), "-1");
    Profile read{};
    settings.Read(read);
    EXPECT_EQ(read.ScrollWheelFlag, 1);
    EXPECT_EQ(read.ScrollWheelSpeed, 0);
}

TEST_F(MouseSettingsWin, MissingValueReadsAsZero) {
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Control Panel\\Mouse", 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    RegDeleteValueA(key, "MouseSensitivity");
    RegCloseKey(key);
    EXPECT_EQ(Key("Control Panel\\Mouse")->ReadText("MouseSensitivity"), "");
    Profile read = Sample();
    RegistryMouseSettings().Read(read);
    EXPECT_EQ(read.MouseSpeed, 0);
}

TEST_F(MouseSettingsWin, ApplyPutsSpeedAndWheelIntoForce) {
    RegistryMouseSettings settings;
    Profile p = Sample();
    p.MouseSpeed = 7;
    p.ScrollWheelSpeed = 4;
    ASSERT_EQ(settings.Write(p), 1);
    ApplyWindowsMouseSettings(p, nullptr);

    UINT speed = 0, lines = 0;
    SystemParametersInfoA(SPI_GETMOUSESPEED, 0, &speed, 0);
    SystemParametersInfoA(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    EXPECT_EQ(speed, 7u);
    EXPECT_EQ(lines, 4u);
    EXPECT_EQ(GetDoubleClickTime(), 470u);
}

TEST_F(MouseSettingsWin, ApplyWithAccelerationOffClearsTheRegistryLevel) {
    RegistryMouseSettings settings;
    Profile p = Sample();
    ASSERT_EQ(settings.Write(p), 1);  // leaves level 13 in the registry
    p.AccelerationFlag = 0;
    ApplyWindowsMouseSettings(p, nullptr);
    EXPECT_EQ(p.Acceleration, 0);
    EXPECT_EQ(Key("Control Panel\\Mouse")->ReadText("MouseSpeed"), "0");
    EXPECT_EQ(Key("Control Panel\\Mouse")->ReadText("MouseThreshold1"), "0");
    EXPECT_EQ(Key("Control Panel\\Mouse")->ReadText("MouseThreshold2"), "0");
}

}  // namespace
