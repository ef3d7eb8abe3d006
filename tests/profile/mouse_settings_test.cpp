#include "profile/mouse_settings.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <utility>
#include <vector>

#include "profile/profile_defaults.h"

namespace {

// An in-memory registry that records every write in order.
class FakeRegistry final : public SettingsRegistry {
public:
    std::map<std::string, std::map<std::string, std::string>> values;
    std::set<std::string> unopenable;
    std::vector<std::pair<std::string, std::string>> writes;  // value name, text

    std::unique_ptr<SettingsKey> Open(const char* keyPath) override {
        if (unopenable.count(keyPath)) return nullptr;
        return std::make_unique<Key>(*this, values[keyPath]);
    }

private:
    class Key final : public SettingsKey {
    public:
        Key(FakeRegistry& owner, std::map<std::string, std::string>& values)
            : owner_(owner), values_(values) {}
        std::string ReadText(const char* name) override {
            const auto it = values_.find(name);
            return it == values_.end() ? std::string() : it->second;
        }
        void WriteText(const char* name, const std::string& text) override {
            values_[name] = text;
            owner_.writes.emplace_back(name, text);
        }

    private:
        FakeRegistry& owner_;
        std::map<std::string, std::string>& values_;
    };
};

struct FakeLiveSystem final : LiveMouseSystem {
    std::vector<std::string> calls;
    int32_t doubleClick = -99, pointerSpeed = -99, wheelLines = -99;
    std::array<int32_t, 3> acceleration{-99, -99, -99};

    void SetDoubleClickTime(int32_t ms) override { calls.push_back("double"); doubleClick = ms; }
    void SetAcceleration(const std::array<int32_t, 3>& v) override { calls.push_back("accel"); acceleration = v; }
    void SetPointerSpeed(int32_t s) override { calls.push_back("speed"); pointerSpeed = s; }
    void SetWheelScrollLines(int32_t l) override { calls.push_back("wheel"); wheelLines = l; }
};

std::map<std::string, std::string>& MouseKey(FakeRegistry& r) { return r.values["Control Panel\\Mouse"]; }
std::map<std::string, std::string>& DesktopKey(FakeRegistry& r) { return r.values["Control Panel\\Desktop"]; }

void SetAccelerationValues(FakeRegistry& r, const char* speed, const char* t1, const char* t2) {
    MouseKey(r)["MouseSpeed"] = speed;
    MouseKey(r)["MouseThreshold1"] = t1;
    MouseKey(r)["MouseThreshold2"] = t2;
}

Profile DefaultProfile() {
    Profile p{};
    BuildDefaultProfile(p, 0, NoTexts());
    return p;
}

TEST(AccelerationTable, RowsFollowTheThreeBands) {
    EXPECT_EQ(kAccelerationTable[0].MouseSpeed, 0);
    EXPECT_EQ(kAccelerationTable[0].MouseThreshold1, 0);
    EXPECT_EQ(kAccelerationTable[1].MouseThreshold1, 13);
    EXPECT_EQ(kAccelerationTable[8].MouseThreshold1, 6);
    EXPECT_EQ(kAccelerationTable[10].MouseThreshold1, 4);
    EXPECT_EQ(kAccelerationTable[10].MouseThreshold2, 0);
    EXPECT_EQ(kAccelerationTable[11].MouseSpeed, 2);
    EXPECT_EQ(kAccelerationTable[11].MouseThreshold2, 13);
    EXPECT_EQ(kAccelerationTable[19].MouseSpeed, 2);
    EXPECT_EQ(kAccelerationTable[19].MouseThreshold1, 4);
    EXPECT_EQ(kAccelerationTable[19].MouseThreshold2, 5);
}

TEST(AccelerationTable, MatchTakesTheLastRowWhoseThresholdsAreNotExceeded) {
    EXPECT_EQ(MatchAccelerationRow(1, 6, 0), 8);
    EXPECT_EQ(MatchAccelerationRow(0, 0, 0), 0);
    EXPECT_EQ(MatchAccelerationRow(1, 6, 10), std::nullopt);  // the system default
    EXPECT_EQ(MatchAccelerationRow(1, 1, 0), 10);              // below every threshold
    EXPECT_EQ(MatchAccelerationRow(2, 4, 5), 19);
    EXPECT_EQ(MatchAccelerationRow(1, -5, -5), 10);            // signed comparison
    EXPECT_EQ(MatchAccelerationRow(3, 0, 0), std::nullopt);
}

TEST(RegistryNumber, ConvertsLeadingDecimalDigits) {
    EXPECT_EQ(ParseRegistryNumber("550"), 550);
    EXPECT_EQ(ParseRegistryNumber("-1"), -1);
    EXPECT_EQ(ParseRegistryNumber("  12abc"), 12);
    EXPECT_EQ(ParseRegistryNumber("+7"), 7);
    EXPECT_EQ(ParseRegistryNumber(""), 0);
    EXPECT_EQ(ParseRegistryNumber("abc"), 0);
    EXPECT_EQ(ParseRegistryNumber("-"), 0);
    EXPECT_EQ(ParseRegistryNumber("99999999999999999999"), INT32_MAX);
    EXPECT_EQ(ParseRegistryNumber("-99999999999999999999"), INT32_MIN);
}

TEST(ReadMouseSettings, TakesEveryValueIntoTheProfile) {
    FakeRegistry registry;
    MouseKey(registry) = {{"DoubleClickSpeed", "400"}, {"SwapMouseButtons", "1"},
                          {"MouseSensitivity", "14"}};
    SetAccelerationValues(registry, "1", "6", "0");
    DesktopKey(registry)["WheelScrollLines"] = "7";
    Profile p = DefaultProfile();
    EXPECT_EQ(ReadMouseSettings(p, registry), 1);
    EXPECT_EQ(p.DbleClickSpeed, 400);
    EXPECT_EQ(p.Orientation, 1);
    EXPECT_EQ(p.MouseSpeed, 14);
    EXPECT_EQ(p.Acceleration, 8);
    EXPECT_EQ(p.AccelerationFlag, 1);
    EXPECT_EQ(p.ScrollWheelSpeed, 7);
    EXPECT_EQ(p.ScrollWheelFlag, 0);
}

TEST(ReadMouseSettings, AccelerationThatMatchesNoRowKeepsTheProfileLevel) {
    FakeRegistry registry;
    SetAccelerationValues(registry, "1", "6", "10");
    Profile p = DefaultProfile();
    p.Acceleration = 12;
    p.AccelerationFlag = 0;
    ReadMouseSettings(p, registry);
    EXPECT_EQ(p.Acceleration, 12);
    EXPECT_EQ(p.AccelerationFlag, 1);  // follows the kept level

    p.Acceleration = 0;
    p.AccelerationFlag = 1;
    ReadMouseSettings(p, registry);
    EXPECT_EQ(p.AccelerationFlag, 0);
}

TEST(ReadMouseSettings, ZerosTurnAccelerationOff) {
    FakeRegistry registry;
    SetAccelerationValues(registry, "0", "0", "0");
    Profile p = DefaultProfile();
    p.Acceleration = 8;
    p.AccelerationFlag = 1;
    ReadMouseSettings(p, registry);
    EXPECT_EQ(p.Acceleration, 0);
    EXPECT_EQ(p.AccelerationFlag, 0);
}

TEST(ReadMouseSettings, OnePagePerNotchAndMissingValues) {
    FakeRegistry registry;
    DesktopKey(registry)["WheelScrollLines"] = "-1";
    Profile p = DefaultProfile();
    p.ScrollWheelSpeed = 5;
    EXPECT_EQ(ReadMouseSettings(p, registry), 1);
    EXPECT_EQ(p.ScrollWheelSpeed, 0);
    EXPECT_EQ(p.ScrollWheelFlag, 1);
    // The mouse values were all missing: they read as 0.
    EXPECT_EQ(p.DbleClickSpeed, 0);
    EXPECT_EQ(p.Acceleration, 0);
}

TEST(ReadMouseSettings, ReportsWhichKeyCouldNotBeOpened) {
    FakeRegistry registry;
    MouseKey(registry)["DoubleClickSpeed"] = "300";
    DesktopKey(registry)["WheelScrollLines"] = "9";
    Profile p = DefaultProfile();
    const Profile before = p;

    registry.unopenable = {"Control Panel\\Desktop"};
    EXPECT_EQ(ReadMouseSettings(p, registry), -1);
    EXPECT_EQ(p.DbleClickSpeed, 300);                        // mouse values taken
    EXPECT_EQ(p.ScrollWheelSpeed, before.ScrollWheelSpeed);  // wheel untouched

    p = before;
    registry.unopenable = {"Control Panel\\Mouse"};
    EXPECT_EQ(ReadMouseSettings(p, registry), 0);
    EXPECT_EQ(p.DbleClickSpeed, before.DbleClickSpeed);
    EXPECT_EQ(p.ScrollWheelSpeed, before.ScrollWheelSpeed);
}

TEST(WriteMouseSettings, WritesEveryValueInOrder) {
    FakeRegistry registry;
    Profile p = DefaultProfile();
    p.DbleClickSpeed = 500;
    p.Orientation = 0;
    p.MouseSpeed = -3;
    p.Acceleration = 25;
    p.AccelerationFlag = 1;
    p.ScrollWheelSpeed = 4;
    p.ScrollWheelFlag = 0;
    EXPECT_EQ(WriteMouseSettings(p, registry), 1);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"DoubleClickSpeed", "500"}, {"SwapMouseButtons", "0"}, {"MouseSensitivity", "-3"},
        {"MouseSpeed", "2"},         {"MouseThreshold1", "4"},  {"MouseThreshold2", "5"},
        {"WheelScrollLines", "4"}};
    EXPECT_EQ(registry.writes, expected);
}

TEST(WriteMouseSettings, AccelerationOffOrNegativeWritesRowZero) {
    for (const auto& [level, flag] : {std::pair{7, 0}, std::pair{-2, 1}}) {
        FakeRegistry registry;
        Profile p = DefaultProfile();
        p.Acceleration = level;
        p.AccelerationFlag = flag;
        WriteMouseSettings(p, registry);
        EXPECT_EQ(MouseKey(registry)["MouseSpeed"], "0") << level;
        EXPECT_EQ(MouseKey(registry)["MouseThreshold1"], "0") << level;
        EXPECT_EQ(MouseKey(registry)["MouseThreshold2"], "0") << level;
    }
}

TEST(WriteMouseSettings, OnePagePerNotchWritesMinusOneWhateverTheSpeed) {
    FakeRegistry registry;
    Profile p = DefaultProfile();
    p.ScrollWheelFlag = 1;
    p.ScrollWheelSpeed = 9;
    WriteMouseSettings(p, registry);
    EXPECT_EQ(DesktopKey(registry)["WheelScrollLines"], "-1");
}

TEST(WriteMouseSettings, UnopenableKeyFails) {
    FakeRegistry registry;
    registry.unopenable = {"Control Panel\\Mouse"};
    EXPECT_EQ(WriteMouseSettings(DefaultProfile(), registry), -1);
    EXPECT_TRUE(registry.writes.empty());
    registry.unopenable = {"Control Panel\\Desktop"};
    EXPECT_EQ(WriteMouseSettings(DefaultProfile(), registry), -1);
}

TEST(MouseSettingsRoundTrip, EveryLevelReadsBackAsWritten) {
    for (int level = 0; level < kAccelerationRowCount; ++level) {
        FakeRegistry registry;
        Profile written = DefaultProfile();
        written.Acceleration = level;
        written.AccelerationFlag = level != 0;
        WriteMouseSettings(written, registry);
        Profile read = DefaultProfile();
        read.Acceleration = -7;
        ASSERT_EQ(ReadMouseSettings(read, registry), 1);
        EXPECT_EQ(read.Acceleration, level);
        EXPECT_EQ(read.AccelerationFlag, written.AccelerationFlag);
    }
}

TEST(ApplyMouseSettings, PutsTheRegistryLevelIntoForceWhenAccelerationIsOn) {
    FakeRegistry registry;
    SetAccelerationValues(registry, "1", "9", "0");
    FakeLiveSystem live;
    Profile p = DefaultProfile();
    p.DbleClickSpeed = 450;
    p.MouseSpeed = 12;
    p.Acceleration = 5;
    p.AccelerationFlag = 1;
    p.ScrollWheelFlag = 0;
    p.ScrollWheelSpeed = 6;
    ApplyMouseSettings(p, registry, live);
    EXPECT_EQ(live.calls, (std::vector<std::string>{"double", "accel", "speed", "wheel"}));
    EXPECT_EQ(live.doubleClick, 450);
    EXPECT_EQ(live.acceleration, (std::array<int32_t, 3>{9, 0, 1}));
    EXPECT_EQ(live.pointerSpeed, 12);
    EXPECT_EQ(live.wheelLines, 6);
    EXPECT_TRUE(registry.writes.empty());
    EXPECT_EQ(p.Acceleration, 5);
}

TEST(ApplyMouseSettings, AccelerationOffResetsALeftoverRegistryLevel) {
    FakeRegistry registry;
    const AccelerationRow row5 = kAccelerationTable[5];
    SetAccelerationValues(registry, std::to_string(row5.MouseSpeed).c_str(),
                          std::to_string(row5.MouseThreshold1).c_str(),
                          std::to_string(row5.MouseThreshold2).c_str());
    FakeLiveSystem live;
    Profile p = DefaultProfile();
    p.Acceleration = 5;
    p.AccelerationFlag = 0;
    ApplyMouseSettings(p, registry, live);
    EXPECT_EQ(p.Acceleration, 0);
    const std::vector<std::pair<std::string, std::string>> zeros = {
        {"MouseSpeed", "0"}, {"MouseThreshold2", "0"}, {"MouseThreshold1", "0"}};
    EXPECT_EQ(registry.writes, zeros);
    EXPECT_EQ(live.acceleration, (std::array<int32_t, 3>{0, 0, 0}));
}

TEST(ApplyMouseSettings, AccelerationOffWithZerosWritesNothing) {
    FakeRegistry registry;
    SetAccelerationValues(registry, "0", "0", "0");
    FakeLiveSystem live;
    Profile p = DefaultProfile();
    p.Acceleration = 3;
    p.AccelerationFlag = 0;
    ApplyMouseSettings(p, registry, live);
    EXPECT_TRUE(registry.writes.empty());
    EXPECT_EQ(p.Acceleration, 3);
}

TEST(ApplyMouseSettings, OnePagePerNotchAppliesMinusOne) {
    FakeRegistry registry;
    FakeLiveSystem live;
    Profile p = DefaultProfile();
    p.ScrollWheelFlag = 2;  // any non-zero flag
    p.ScrollWheelSpeed = 3;
    ApplyMouseSettings(p, registry, live);
    EXPECT_EQ(live.wheelLines, -1);
}

TEST(ApplyMouseSettings, WithoutTheRegistryTheProfileLevelIsApplied) {
    FakeRegistry registry;
    registry.unopenable = {"Control Panel\\Mouse"};
    FakeLiveSystem live;
    Profile p = DefaultProfile();
    p.Acceleration = 8;
    p.AccelerationFlag = 1;
    ApplyMouseSettings(p, registry, live);
    EXPECT_EQ(live.acceleration, (std::array<int32_t, 3>{6, 0, 1}));
}

}  // namespace
