// Events reported by the mouse (and plug-in and removal) as 32-bit words:
// high half H, low half L (see profile/message_params.h). One dispatch on
// Monitor's window thread acts on them.
#pragma once

#include <cstdint>

#include "device/connection.h"
#include "profile/text_source.h"

// Acts on `word`; a word that means nothing is ignored. `texts` gives the
// two notice texts.
void DispatchDeviceEvent(MonitorConnection& connection, const TextSource& texts, uint32_t word);
