#include "device/event_dispatch.h"

#include <cstdio>
#include <string>

#include "device/media_codes.h"
#include "device/reported_ranges.h"
#include "lan/string_ids.h"
#include "profile/message_params.h"

namespace {

constexpr uint16_t kProfileSwitched = 0x0800;  // any low byte
constexpr uint16_t kRunProgram = 0x000A;
constexpr uint16_t kOpenOption = 0x00A0;
constexpr uint16_t kDpiStageSwitched = 0x0700;  // any low byte
constexpr uint16_t kNotice1 = 0x0901;
constexpr uint16_t kNotice2 = 0x0902;
constexpr uint16_t kPollingSwitched = 0x0500;  // any low byte
constexpr uint16_t kSaveProfiles = 0xC000;
constexpr uint16_t kMedia = 0xF000;

constexpr int kProgramButtonCount = 16;
constexpr int kDpiLevelCount = 6;
constexpr int kDpiLevelUnit = 50;


// What the mouse changed on its own, applied to the active profile of the
// local copy.
enum class DeviceChange { Profile, DpiStage, Polling, Notice, Save };

// PollingRate choice for a report interval in milliseconds; intervals
// without a choice of their own are stored as they are.
int32_t PollingRateForInterval(int interval) {
    switch (interval) {
    case 8: return 0;
    case 4: return 1;
    case 2: return 2;
    case 1: return 3;
    default: return interval;
    }
}

// The DPI notice of stage 1..6; the stages 7 and 8 have no level and give
// the empty text.
std::string DpiNoticeText(const Profile& profile, int stage) {
    if (!InRange(stage, 1, kDpiLevelCount)) return {};
    return "DPI: " + std::to_string(profile.CpiLevel_X[stage - 1] * kDpiLevelUnit);
}

// Only presses of the player codes 0x20..0x24 act; releases, 0x25 and the
// tilt codes 0x26 and 0x27 start nothing.
void OnMediaKey(MonitorConnection& connection, int code, int release) {
    const Profile* profile = ActiveProfile(connection.Local());
    if (release != 0 || profile == nullptr) return;
    MonitorEffects& effects = connection.Effects();
    if (code == kMediaActivatePlayer) {
        effects.ActivatePlayer(*profile);
    } else if (const auto command = CommandForMediaCode(code)) {
        effects.MediaCommand(*profile, *command);
    }
}

void OnRunProgram(MonitorConnection& connection, uint16_t low) {
    const int button = low & 0xFF;
    if ((low & 0xFF00) != 0 || !InRange(button, 1, kProgramButtonCount)) return;
    if (const Profile* profile = ActiveProfile(connection.Local())) {
        connection.Effects().RunProgram(*profile, button);
    }
}

// DPI and notice events both tell Option with the DPI-stage message, then
// store the text for the on-screen display and ask it to show it.
void ShowNotice(MonitorEffects& effects, const std::string& text) {
    effects.PostToOption(msg::kDpiStageChanged);
    effects.StoreNoticeText(text);
    effects.PostToOsd(msg::kOsdShow, msg::kOsdShowMessage, 0);
}

// Step 1 of a change: the new state. False when nothing changed.
bool ChangeState(MonitorConnection& connection, DeviceChange kind, int argument) {
    SharedBlock& local = connection.Local();
    Profile* profile = ActiveProfile(local);
    switch (kind) {
    case DeviceChange::Profile:
        if (!InRange(argument, 1, kProfileCount)) return false;
        local.CurrentProfile = argument - 1;
        connection.Effects().WriteCurrentProfile(local.CurrentProfile);
        return true;
    case DeviceChange::DpiStage:
        if (profile == nullptr || !InRange(argument, 1, kMaxDpiStage)) return false;
        profile->CpiStep = argument - 1;
        return true;
    case DeviceChange::Polling:
        if (profile == nullptr || !InRange(argument, 1, kMaxReportInterval)) return false;
        profile->PollingRate = PollingRateForInterval(argument);
        return true;
    case DeviceChange::Notice:
        return InRange(argument, 1, 2);
    case DeviceChange::Save:
        return false;
    }
    return false;
}

// Step 2: tell Option, the shared block and the on-screen display.
void AnnounceChange(MonitorConnection& connection, const TextSource& texts, DeviceChange kind,
                    int argument) {
    MonitorEffects& effects = connection.Effects();
    SharedBlock& local = connection.Local();
    if (kind != DeviceChange::Notice) effects.CopyToSharedBlock(local);

    char trace[48];
    std::snprintf(trace, sizeof trace, "Show OSD %d\n",
                  static_cast<int>(effects.OsdWindowHandle()));
    effects.Trace(trace);

    switch (kind) {
    case DeviceChange::Profile:
        effects.PostToOption(msg::kCurrentProfileChanged);
        effects.PostToOsd(msg::kOsdShow, msg::kOsdShowProfile,
                          PackProfileNotice(local.CurrentProfile));
        break;
    case DeviceChange::DpiStage:
        ShowNotice(effects, DpiNoticeText(*ActiveProfile(local), argument));
        break;
    case DeviceChange::Notice:
        ShowNotice(effects, texts.Text(argument == 1 ? str::kNoticeText1 : str::kNoticeText2));
        break;
    case DeviceChange::Polling:
        effects.PostToOption(msg::kPollingRateChanged);
        break;
    case DeviceChange::Save:
        break;
    }
}

// Applies one change; an argument out of range (profile number 1..5, DPI
// stage 1..8, report interval 1..8) changes and announces nothing. Every
// kind ends with the profiles saved to their files.
void ApplyDeviceChange(MonitorConnection& connection, const TextSource& texts,
                       DeviceChange kind, int argument) {
    if (ChangeState(connection, kind, argument)) AnnounceChange(connection, texts, kind, argument);
    connection.Effects().SaveProfiles(connection.Local());
}

}  // namespace

void DispatchDeviceEvent(MonitorConnection& connection, const TextSource& texts, uint32_t word) {
    const uint16_t high = word >> 16;
    const uint16_t low = word & 0xFFFF;
    const uint16_t family = high & 0xFF00;

    if (high == kPresenceEvent) {
        if (low == kPresenceArrived) connection.OnArrival();
        if (low == kPresenceRemoved) connection.OnRemoval();
    } else if (family == kProfileSwitched) {
        ApplyDeviceChange(connection, texts, DeviceChange::Profile, low);
    } else if (high == kRunProgram) {
        OnRunProgram(connection, low);
    } else if (high == kOpenOption) {
        connection.Effects().PostOpenOptionCommand();
    } else if (family == kDpiStageSwitched) {
        ApplyDeviceChange(connection, texts, DeviceChange::DpiStage, low);
    } else if ((high == kNotice1 || high == kNotice2) && low == 0) {
        ApplyDeviceChange(connection, texts, DeviceChange::Notice, high & 0xFF);
    } else if (family == kPollingSwitched) {
        ApplyDeviceChange(connection, texts, DeviceChange::Polling, low);
    } else if (high == kSaveProfiles) {
        ApplyDeviceChange(connection, texts, DeviceChange::Save, 0);
    } else if (high == kMedia) {
        OnMediaKey(connection, low & 0xFF, low >> 8);
    }
}
