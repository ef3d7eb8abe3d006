#include "profile/mouse_settings.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace {

std::string Decimal(int32_t value) { return std::to_string(value); }

int32_t ReadNumber(SettingsKey& key, const char* name) {
    return ParseRegistryNumber(key.ReadText(name));
}

}  // namespace

int32_t ParseRegistryNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), kLimit);
    const int64_t value = negative ? -magnitude : std::min(magnitude, kLimit - 1);
    return static_cast<int32_t>(value);
}

std::optional<int> MatchAccelerationRow(int32_t speed, int32_t threshold1, int32_t threshold2) {
    std::optional<int> match;
    for (int r = 0; r < kAccelerationRowCount; ++r) {
        const AccelerationRow& row = kAccelerationTable[r];
        if (row.MouseSpeed == speed && threshold1 <= row.MouseThreshold1 &&
            threshold2 <= row.MouseThreshold2)
            match = r;
    }
    return match;
}

int AccelerationRowOf(const Profile& profile) {
    if (profile.AccelerationFlag == 0 || profile.Acceleration < 0) return 0;
    return std::min(profile.Acceleration, kAccelerationRowCount - 1);
}

int32_t WheelScrollLinesOf(const Profile& profile) {
    return profile.ScrollWheelFlag != 0 ? -1 : profile.ScrollWheelSpeed;
}

int ReadMouseSettings(Profile& profile, SettingsRegistry& registry) {
    namespace reg = mouse_registry;
    {
        const auto mouse = registry.Open(reg::kMouseKey);
        if (!mouse) return 0;
        profile.DbleClickSpeed = ReadNumber(*mouse, reg::kDoubleClickSpeed);
        profile.Orientation = ReadNumber(*mouse, reg::kSwapMouseButtons);
        profile.MouseSpeed = ReadNumber(*mouse, reg::kMouseSensitivity);
        const int32_t speed = ReadNumber(*mouse, reg::kMouseSpeed);
        const int32_t threshold1 = ReadNumber(*mouse, reg::kMouseThreshold1);
        const int32_t threshold2 = ReadNumber(*mouse, reg::kMouseThreshold2);
        // Values that match no level (the system's own defaults, for one)
        // leave the profile's level as it was.
        if (const auto row = MatchAccelerationRow(speed, threshold1, threshold2))
            profile.Acceleration = *row;
        profile.AccelerationFlag = profile.Acceleration != 0 ? 1 : 0;
    }
    const auto desktop = registry.Open(reg::kDesktopKey);
    if (!desktop) return -1;
    const int32_t lines = ReadNumber(*desktop, reg::kWheelScrollLines);
    profile.ScrollWheelFlag = lines == -1 ? 1 : 0;
    profile.ScrollWheelSpeed = lines == -1 ? 0 : lines;
    return 1;
}

int WriteMouseSettings(const Profile& profile, SettingsRegistry& registry) {
    namespace reg = mouse_registry;
    {
        const auto mouse = registry.Open(reg::kMouseKey);
        if (!mouse) return -1;
        mouse->WriteText(reg::kDoubleClickSpeed, Decimal(profile.DbleClickSpeed));
        mouse->WriteText(reg::kSwapMouseButtons, Decimal(profile.Orientation));
        mouse->WriteText(reg::kMouseSensitivity, Decimal(profile.MouseSpeed));
        const AccelerationRow& row = kAccelerationTable[AccelerationRowOf(profile)];
        mouse->WriteText(reg::kMouseSpeed, Decimal(row.MouseSpeed));
        mouse->WriteText(reg::kMouseThreshold1, Decimal(row.MouseThreshold1));
        mouse->WriteText(reg::kMouseThreshold2, Decimal(row.MouseThreshold2));
    }
    const auto desktop = registry.Open(reg::kDesktopKey);
    if (!desktop) return -1;
    desktop->WriteText(reg::kWheelScrollLines,
                       profile.ScrollWheelFlag == 1 ? "-1" : Decimal(profile.ScrollWheelSpeed));
    return 1;
}

void ApplyMouseSettings(Profile& profile, SettingsRegistry& registry, LiveMouseSystem& system) {
    namespace reg = mouse_registry;
    system.SetDoubleClickTime(profile.DbleClickSpeed);

    std::array<int32_t, 3> acceleration{};  // Threshold1, Threshold2, Speed
    if (const auto mouse = registry.Open(reg::kMouseKey)) {
        const int32_t speed = ReadNumber(*mouse, reg::kMouseSpeed);
        const int32_t threshold2 = ReadNumber(*mouse, reg::kMouseThreshold2);
        const int32_t threshold1 = ReadNumber(*mouse, reg::kMouseThreshold1);
        acceleration = {threshold1, threshold2, speed};
        if (profile.AccelerationFlag != 1 && (speed != 0 || threshold2 != 0 || threshold1 != 0)) {
            profile.Acceleration = 0;
            mouse->WriteText(reg::kMouseSpeed, "0");
            mouse->WriteText(reg::kMouseThreshold2, "0");
            mouse->WriteText(reg::kMouseThreshold1, "0");
            acceleration = {0, 0, 0};
        }
    } else {
        // Without the registry the profile's own level is what should be in force.
        const AccelerationRow& row = kAccelerationTable[AccelerationRowOf(profile)];
        acceleration = {row.MouseThreshold1, row.MouseThreshold2, row.MouseSpeed};
    }
    system.SetAcceleration(acceleration);
    system.SetPointerSpeed(profile.MouseSpeed);
    system.SetWheelScrollLines(WheelScrollLinesOf(profile));
}
