// How hiddriver.dll and mousectl talk to VirtualMouse.exe: WM_COPYDATA
// messages sent to its hidden window, with the request in dwData and the
// answer in the message result. Plain data only; no <windows.h> here.
#pragma once

#include <cstdint>

#include "hiddriver/virtual_mouse.h"

namespace vmouse {

// Class and title of the virtual mouse's window: its existence is the
// mouse being plugged in.
inline constexpr wchar_t kMouseWindowClass[] = L"VirtualMouseDevice";
// The table of subscribed windows (see subscription_table.h) and the mutex
// that guards it. hiddriver.dll creates and holds the table, so that a mouse
// plugged in later still finds the windows to tell of its arrival.
inline constexpr wchar_t kSubscriptionTableName[] = L"VirtualMouseDevice_Subscriptions";
inline constexpr wchar_t kSubscriptionLockName[] = L"VirtualMouseDevice_SubscriptionsLock";
inline constexpr wchar_t kLogFileName[] = L"VirtualMouse.log";
inline constexpr wchar_t kProgramFileName[] = L"VirtualMouse.exe";

inline constexpr uint16_t kVendorId = 0x1017;
inline constexpr uint16_t kProductId = 0x8021;

enum class Request : uint32_t {
    Command = 1,  // data: the command bytes; result 1
    Query,        // data: the 8 request bytes; result PackReply() or 0
    Write,        // data: the written bytes; result 1
    Press,        // data: PressRequest; result PackEvent() or 0
    State,        // data: uint64 window that receives the text; result 1
    StateText,    // sent back to that window: UTF-8 text
};

struct PressRequest {
    int32_t Kind;
    int32_t Arg;
    int32_t Release;
};

// Query replies travel in the 64-bit message result. Byte 0 of a reply
// echoes the query code, which is never zero, so 0 means "no reply".
inline uint64_t PackReply(const Report8& reply) {
    uint64_t value = 0;
    for (int i = 7; i >= 0; --i) value = value << 8 | reply[i];
    return value;
}

inline Report8 UnpackReply(uint64_t value) {
    Report8 reply{};
    for (auto& b : reply) b = static_cast<uint8_t>(value), value >>= 8;
    return reply;
}

// An event word with bit 32 set, so that every event is non-zero.
inline uint64_t PackEvent(EventWord word) { return 1ull << 32 | uint32_t(word.High) << 16 | word.Low; }
inline EventWord UnpackEvent(uint64_t value) {
    return {static_cast<uint16_t>(value >> 16), static_cast<uint16_t>(value)};
}

}  // namespace vmouse
