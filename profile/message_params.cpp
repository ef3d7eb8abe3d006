#include "profile/message_params.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr uint32_t kHalf = 0xFFFFu;

constexpr uint32_t Join(uint32_t high, uint32_t low) { return (high & kHalf) << 16 | (low & kHalf); }

}  // namespace

uint32_t PackProfileNotice(int profileIndex) { return Join(static_cast<uint32_t>(profileIndex), 0); }

int UnpackProfileNotice(uint32_t lParam) { return static_cast<int>(lParam >> 16); }

uint32_t PackOsdValues(OsdValues values) {
    return Join(static_cast<uint32_t>(values.First), static_cast<uint32_t>(values.Second));
}

OsdValues UnpackOsdValues(uint32_t lParam) {
    return {static_cast<int32_t>(lParam >> 16), static_cast<int32_t>(lParam & kHalf)};
}

EventParams PackDeviceEvent(uint32_t word) { return {word >> 16, static_cast<intptr_t>(word & kHalf)}; }

uint32_t UnpackDeviceEvent(uintptr_t wParam, intptr_t lParam) {
    return Join(static_cast<uint32_t>(wParam), static_cast<uint32_t>(lParam));
}

uintptr_t PackPresence(bool arrived) { return arrived ? 1 : 0; }

uint32_t UnpackPresence(uintptr_t wParam) {
    const uint16_t low = wParam == 1 ? kPresenceArrived : wParam == 0 ? kPresenceRemoved : 0;
    return Join(kPresenceEvent, low);
}

CopyDataNotice PackCopyDataNotice(std::string_view text) {
    CopyDataNotice data{};
    const std::size_t n = std::min(text.size(), msg::kNoticeTextMax - 1);
    std::memcpy(data.data() + msg::kNoticeTextOffset, text.data(), n);
    return data;
}

std::string UnpackCopyDataNotice(const uint8_t* data, std::size_t size) {
    if (data == nullptr || size != msg::kNoticeCopyDataSize) return {};
    const char* text = reinterpret_cast<const char*>(data + msg::kNoticeTextOffset);
    const void* end = std::memchr(text, 0, msg::kNoticeTextMax);
    const std::size_t n = end ? static_cast<std::size_t>(static_cast<const char*>(end) - text) : msg::kNoticeTextMax;
    return std::string(text, n);
}
