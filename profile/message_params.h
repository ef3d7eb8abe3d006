// The parameters of the messages between Monitor, the HID library, the
// on-screen display and other senders: one pack and one unpack per message,
// so that sender and receiver cannot disagree on the layout.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "profile/messages.h"

// Profile notice (kOsdShow with kOsdShowProfile): lParam = index << 16.
uint32_t PackProfileNotice(int profileIndex);
int UnpackProfileNotice(uint32_t lParam);

// kOsdSettings to the on-screen display: the low 16 bits of the first value
// in the high half, those of the second in the low half.
struct OsdValues {
    int32_t First = 0;
    int32_t Second = 0;
    friend bool operator==(const OsdValues&, const OsdValues&) = default;
};
uint32_t PackOsdValues(OsdValues values);
OsdValues UnpackOsdValues(uint32_t lParam);  // each 0..65535

// kDeviceEvent from the HID library: wParam = high half of the event word,
// lParam = its low half.
struct EventParams {
    uintptr_t WParam;
    intptr_t LParam;
};
EventParams PackDeviceEvent(uint32_t word);
uint32_t UnpackDeviceEvent(uintptr_t wParam, intptr_t lParam);

// kDevicePresence from the HID library: wParam 1 arrived, 0 removed. It
// unpacks to an event word with high half 0x7F00 and low half 1 (arrived),
// 2 (removed) or 0 (any other wParam).
inline constexpr uint16_t kPresenceEvent = 0x7F00;
inline constexpr uint16_t kPresenceArrived = 1;
inline constexpr uint16_t kPresenceRemoved = 2;
uintptr_t PackPresence(bool arrived);
uint32_t UnpackPresence(uintptr_t wParam);

// A notice text sent with WM_COPYDATA: exactly 151 bytes, the text in bytes
// 1..150, zero-terminated. Longer texts are cut to 149 characters.
using CopyDataNotice = std::array<uint8_t, msg::kNoticeCopyDataSize>;
CopyDataNotice PackCopyDataNotice(std::string_view text);
// The text of a notice of exactly 151 bytes, else empty. A sender that left
// no terminator still gives at most 150 characters.
std::string UnpackCopyDataNotice(const uint8_t* data, std::size_t size);
