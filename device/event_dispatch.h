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

// Acts on `word`; a word that means nothing is ignored. `texts` gives the
// two notice texts.
void DispatchDeviceEvent(MonitorConnection& connection, const TextSource& texts, uint32_t word);
