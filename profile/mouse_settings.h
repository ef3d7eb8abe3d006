// The Windows pointer and wheel settings that travel with a profile, as data
// rules: the acceleration table, and how registry values map to and from the
// profile fields. The registry and the live system are reached through the
// two small interfaces below, so every rule runs and is tested without
// Windows; profile/mouse_settings_win.* binds them to the platform.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "profile/profile_record.h"

// Registry values of one acceleration level.
struct AccelerationRow {
    int32_t MouseSpeed;
    int32_t MouseThreshold1;
    int32_t MouseThreshold2;
};

inline constexpr int kAccelerationRowCount = 20;

// Row 0: no acceleration; rows 1..10: one threshold, falling from 13 to 4;
// rows 11..19: two thresholds, the second falling from 13 to 5.
inline constexpr std::array<AccelerationRow, kAccelerationRowCount> kAccelerationTable = [] {
    std::array<AccelerationRow, kAccelerationRowCount> rows{};
    for (int r = 1; r <= 10; ++r) rows[r] = {1, 14 - r, 0};
    for (int r = 11; r <= 19; ++r) rows[r] = {2, 4, 24 - r};
    return rows;
}();

namespace mouse_registry {

inline constexpr char kMouseKey[] = "Control Panel\\Mouse";
inline constexpr char kDesktopKey[] = "Control Panel\\Desktop";

inline constexpr char kDoubleClickSpeed[] = "DoubleClickSpeed";
inline constexpr char kSwapMouseButtons[] = "SwapMouseButtons";
inline constexpr char kMouseSensitivity[] = "MouseSensitivity";
inline constexpr char kMouseSpeed[] = "MouseSpeed";
inline constexpr char kMouseThreshold1[] = "MouseThreshold1";
inline constexpr char kMouseThreshold2[] = "MouseThreshold2";
inline constexpr char kWheelScrollLines[] = "WheelScrollLines";

}  // namespace mouse_registry

// Decimal conversion of a registry text: leading blanks, an optional sign,
// then leading digits; 0 when there are none. Out-of-range values saturate.
int32_t ParseRegistryNumber(std::string_view text);

// The last table row whose MouseSpeed equals `speed` and whose thresholds are
// not below the given ones, or nothing when no row matches.
std::optional<int> MatchAccelerationRow(int32_t speed, int32_t threshold1, int32_t threshold2);

// The row a profile writes: 0 when acceleration is off or negative, else
// `Acceleration` limited to 19.
int AccelerationRowOf(const Profile& profile);

// The wheel setting the system takes: -1 means one page per notch.
int32_t WheelScrollLinesOf(const Profile& profile);

// One opened registry key. Closing happens when the object goes away.
class SettingsKey {
public:
    virtual ~SettingsKey() = default;
    // The value's text; empty when it is missing or unreadable.
    virtual std::string ReadText(const char* name) = 0;
    virtual void WriteText(const char* name, const std::string& text) = 0;
};

// The current user's settings: opens a key with full access, creating it
// when it does not exist; nullptr when neither works.
class SettingsRegistry {
public:
    virtual ~SettingsRegistry() = default;
    virtual std::unique_ptr<SettingsKey> Open(const char* keyPath) = 0;
};

// The running system's pointer and wheel settings.
class LiveMouseSystem {
public:
    virtual ~LiveMouseSystem() = default;
    virtual void SetDoubleClickTime(int32_t milliseconds) = 0;
    // Threshold1, Threshold2, Speed: the order the system expects them in.
    virtual void SetAcceleration(const std::array<int32_t, 3>& values) = 0;
    virtual void SetPointerSpeed(int32_t speed) = 0;
    virtual void SetWheelScrollLines(int32_t lines) = 0;
};

// Registry to profile. 1 on success, 0 when the mouse key cannot be opened,
// -1 when the desktop key cannot be opened (mouse values already taken).
int ReadMouseSettings(Profile& profile, SettingsRegistry& registry);

// Profile to registry. 1 on success, -1 when a key cannot be opened.
int WriteMouseSettings(const Profile& profile, SettingsRegistry& registry);

// Puts the profile's settings into force. When acceleration is off in the
// profile but the registry still holds an acceleration level, the registry
// is reset to zeros and the profile's `Acceleration` becomes 0.
void ApplyMouseSettings(Profile& profile, SettingsRegistry& registry, LiveMouseSystem& system);
