#include "monitor/osd_settings.h"

#include <cstring>

int32_t OsdSettings::Field(std::size_t offset) const {
    int32_t v;
    std::memcpy(&v, bytes.data() + offset, sizeof v);
    return v;
}

void OsdSettings::SetField(std::size_t offset, int32_t value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

OsdSettings OsdSettings::Defaults() {
    OsdSettings s;
    s.SetField(8, 1);
    return s;
}

uint32_t OsdValuesParam(const OsdSettings& settings) {
    const uint32_t first = static_cast<uint32_t>(settings.FirstValue()) & 0xFFFF;
    const uint32_t second = static_cast<uint32_t>(settings.SecondValue()) & 0xFFFF;
    return (first << 16) | second;
}

uint32_t ProfileNoticeParam(int profileIndex) {
    return static_cast<uint32_t>(profileIndex) << 16;
}

std::string CopyDataNoticeText(const uint8_t* data, std::size_t size) {
    if (data == nullptr || size != msg::kNoticeCopyDataSize) return {};
    const char* text = reinterpret_cast<const char*>(data + msg::kNoticeTextOffset);
    const void* end = std::memchr(text, 0, msg::kNoticeTextMax);
    const std::size_t n = end ? static_cast<std::size_t>(static_cast<const char*>(end) - text) : msg::kNoticeTextMax;
    return std::string(text, n);
}
