// Which media player the media buttons drive, where it is found and how it
// is started, and the command each player understands. Plain data and
// rules; the desktop actions that use them live in the platform layer.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "device/media_codes.h"

enum class MediaPlayer { WindowsMediaPlayer, ITunes, RealPlayer, Winamp };

struct PlayerInfo {
    const char* registryKey;    // under HKEY_LOCAL_MACHINE
    const char* registryValue;  // nullptr: the key's default value
    const char* windowClass;    // nullptr: found by title
    const char* windowTitle;    // nullptr: found by class
    const char* launchMarker;   // the start path must contain this (case-insensitive); nullptr: any
};

// The player of a profile's MediaOption; none for values outside 0..3.
std::optional<MediaPlayer> PlayerForOption(int32_t mediaOption);
const PlayerInfo& InfoFor(MediaPlayer player);

// The program path of a shell command line: the text between the first
// character's quote and the next quote when the line holds a quote (the rest
// of the line when no closing quote follows), else the whole line.
std::string LaunchPathFromCommandLine(std::string_view commandLine);

bool ContainsNoCase(std::string_view haystack, std::string_view needle);

// The path to start for a player from its registry value, or empty when
// the value does not name that player (nothing is then started).
std::string LaunchPathFor(MediaPlayer player, std::string_view registryValue);

// lParam of the WM_APPCOMMAND that routes a command to Windows Media Player.
uint32_t AppCommandParam(MediaCommand command);

// WM_COMMAND identifiers of RealPlayer's and Winamp's main windows. Winamp
// has separate play and pause commands, so play/pause alternates through
// `playing` (which remembers whether "play" was sent last).
uint32_t RealPlayerCommandId(MediaCommand command);
uint32_t WinampCommandId(MediaCommand command, bool& playing);

