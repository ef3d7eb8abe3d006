// Event words the mouse reports to the host: a high and a low 16-bit half.
#pragma once

#include <cstdint>

namespace vmouse {

struct EventWord {
    uint16_t High = 0;
    uint16_t Low = 0;

    friend bool operator==(const EventWord&, const EventWord&) = default;
};

inline constexpr uint16_t kEventProfile = 0x0800;
inline constexpr uint16_t kEventRunProgram = 0x000A;
inline constexpr uint16_t kEventOpenOption = 0x00A0;
inline constexpr uint16_t kEventDpiStage = 0x0700;
inline constexpr uint16_t kEventNotice1 = 0x0901;
inline constexpr uint16_t kEventNotice2 = 0x0902;
inline constexpr uint16_t kEventPolling = 0x0500;
inline constexpr uint16_t kEventSave = 0xC000;
inline constexpr uint16_t kEventMedia = 0xF000;

}  // namespace vmouse
