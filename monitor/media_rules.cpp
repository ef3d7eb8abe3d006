#include "monitor/media_rules.h"

#include <algorithm>
#include <cctype>

namespace {

const PlayerInfo kPlayers[] = {
    {"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\wmplayer.exe", nullptr, nullptr,
     "Windows Media Player", nullptr},
    {"SOFTWARE\\Apple Computer, Inc.\\iPod\\RegisteredApps\\4", "path", "iTunes", "iTunes", "iTunes"},
    {"SOFTWARE\\Classes\\Applications\\RealPlay.exe\\shell\\open\\command", nullptr, "GeminiWindowClass",
     nullptr, "realplay"},
    {"SOFTWARE\\Classes\\Winamp.File\\shell\\open\\command", nullptr, "Winamp v1.x", nullptr, "winamp"},
};

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

}  // namespace

std::optional<MediaPlayer> PlayerForOption(int32_t mediaOption) {
    if (mediaOption < 0 || mediaOption > 3) return std::nullopt;
    return static_cast<MediaPlayer>(mediaOption);
}

const PlayerInfo& InfoFor(MediaPlayer player) { return kPlayers[static_cast<int>(player)]; }

std::string LaunchPathFromCommandLine(std::string_view line) {
    if (line.find('"') == std::string_view::npos) return std::string(line);
    // The path starts after the first character and runs to the next quote.
    const std::string_view rest = line.size() > 1 ? line.substr(1) : std::string_view();
    return std::string(rest.substr(0, rest.find('"')));
}

bool ContainsNoCase(std::string_view haystack, std::string_view needle) {
    auto it = std::search(haystack.begin(), haystack.end(), needle.begin(), needle.end(),
                          [](char a, char b) { return Lower(a) == Lower(b); });
    return it != haystack.end();
}

std::string LaunchPathFor(MediaPlayer player, std::string_view value) {
    const PlayerInfo& info = InfoFor(player);
    switch (player) {
        case MediaPlayer::WindowsMediaPlayer:
            return std::string(value);
        case MediaPlayer::ITunes:
            return ContainsNoCase(value, info.launchMarker) ? std::string(value) : std::string();
        case MediaPlayer::RealPlayer:
        case MediaPlayer::Winamp: {
            std::string path = LaunchPathFromCommandLine(value);
            return ContainsNoCase(path, info.launchMarker) ? path : std::string();
        }
    }
    return {};
}

uint32_t AppCommandParam(MediaCommand command) {
    switch (command) {
        case MediaCommand::Next: return 0x000B0000;
        case MediaCommand::Previous: return 0x000C0000;
        case MediaCommand::PlayPause: return 0x000E0000;
        case MediaCommand::Stop: return 0x000D0000;
    }
    return 0;
}

uint32_t RealPlayerCommandId(MediaCommand command) {
    switch (command) {
        case MediaCommand::Next: return 65739;
        case MediaCommand::Previous: return 65740;
        case MediaCommand::PlayPause: return 65736;
        case MediaCommand::Stop: return 65737;
    }
    return 0;
}

uint32_t WinampCommandId(MediaCommand command, bool& playing) {
    switch (command) {
        case MediaCommand::Next: return 40048;
        case MediaCommand::Previous: return 40044;
        case MediaCommand::Stop: return 40047;
        case MediaCommand::PlayPause:
            playing = !playing;
            return playing ? 40045 : 40046;
    }
    return 0;
}
