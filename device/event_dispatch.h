// Events reported by the mouse (and plug-in and removal) as 32-bit words:
// high half H, low half L. One dispatch on Monitor's window thread acts on
// them.
#pragma once

#include <cstdint>

#include "device/connection.h"
#include "profile/text_source.h"

// The word of an event message: H = wParam, L = low 16 bits of lParam.
uint32_t EventWordFromDeviceEvent(uintptr_t wParam, intptr_t lParam);
// The word of a presence message: H 0x7F00, L 1 (arrived), 2 (removed) or 0.
uint32_t EventWordFromPresence(uintptr_t wParam);

// What the mouse changed on its own, applied to the active profile of the
// local copy. Every kind ends with the profiles saved to their files.
enum class DeviceChange { Profile, DpiStage, Polling, Notice, Save };

// Acts on `word`; a word that means nothing is ignored. `texts` gives the
// two notice texts.
void DispatchDeviceEvent(MonitorConnection& connection, const TextSource& texts, uint32_t word);

// Applies one change with argument `argument` (profile number 1..5, DPI stage
// 1..8, report interval 1..8 or notice 1..2); an argument out of range
// changes and announces nothing.
void ApplyDeviceChange(MonitorConnection& connection, const TextSource& texts,
                       DeviceChange kind, int argument);

// PollingRate choice for a report interval in milliseconds; intervals
// without a choice of their own are stored as they are.
int32_t PollingRateForInterval(int interval);

// The DPI notice of stage 1..6 ("DPI: " and the level in DPI); empty for
// the stages 7 and 8, which have no level.
std::string DpiNoticeText(const Profile& profile, int stage);
