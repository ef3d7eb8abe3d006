// The media functions the mouse reports (low byte of an 0xF000 event) and
// the player commands they stand for.
#pragma once

#include <optional>

enum class MediaCommand { Next = 4098, Previous = 4099, PlayPause = 4100, Stop = 4101 };

inline constexpr int kMediaActivatePlayer = 0x20;

// The command of a press of media code 0x21..0x24; none for other codes.
constexpr std::optional<MediaCommand> CommandForMediaCode(int code) {
    switch (code) {
        case 0x21: return MediaCommand::Next;
        case 0x22: return MediaCommand::Previous;
        case 0x23: return MediaCommand::PlayPause;
        case 0x24: return MediaCommand::Stop;
        default: return std::nullopt;
    }
}
