#include "monitor/media_actions_win.h"

#include <shellapi.h>

#include <string>

#include "profile/button_code.h"
#include "profile/fixed_text.h"

namespace {

constexpr int kValueBufferSize = 260;
constexpr DWORD kKeyPauseMs = 100;

// Reads the player's registry value; the key is created empty when missing,
// so a machine without the player simply yields an empty value.
std::string ReadPlayerValue(const PlayerInfo& info) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, info.registryKey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS &&
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, info.registryKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS) {
        return {};
    }
    char buffer[kValueBufferSize] = {};
    DWORD size = sizeof buffer - 1;
    DWORD type = 0;
    if (RegQueryValueExA(key, info.registryValue, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        buffer[0] = 0;
    }
    RegCloseKey(key);
    return buffer;
}

std::string ExpandEnvironment(const std::string& text) {
    char expanded[kValueBufferSize] = {};
    const DWORD n = ExpandEnvironmentStringsA(text.c_str(), expanded, sizeof expanded);
    return (n > 0 && n <= sizeof expanded) ? std::string(expanded) : text;
}

HWND FindPlayerWindow(const PlayerInfo& info) { return FindWindowA(info.windowClass, info.windowTitle); }

// Raising another program's window needs the current foreground thread's
// input attached to ours for the moment of the switch.
void BringToFront(HWND monitorWindow, HWND target) {
    const DWORD foregroundThread = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    const DWORD ownThread = GetWindowThreadProcessId(monitorWindow, nullptr);
    AttachThreadInput(foregroundThread, ownThread, TRUE);
    SetForegroundWindow(target);
    AttachThreadInput(foregroundThread, ownThread, FALSE);
}

void SendKey(HWND target, UINT message, WPARAM key, LPARAM lParam) {
    SendMessageA(target, message, key, lParam);
}

}  // namespace

void MediaActions::RunProgram(const Profile& active, int button) const {
    if (button < 1 || button > 16) return;
    const ButtonFunction& entry = active.MacroKeyInfo[button - 1];
    if (!StartsProgram(CodeOf(entry))) return;
    const std::string path(FixedText(entry.ProgramPath));
    ShellExecuteA(nullptr, "open", path.c_str(), nullptr, nullptr, SW_SHOW);
}

void MediaActions::ActivatePlayer(int32_t mediaOption) const {
    const auto player = PlayerForOption(mediaOption);
    if (!player) return;
    const PlayerInfo& info = InfoFor(*player);
    std::string value = ReadPlayerValue(info);
    if (*player == MediaPlayer::WindowsMediaPlayer) {
        value = ExpandEnvironment(value);
        if (HWND running = FindPlayerWindow(info)) {
            BringToFront(window_, running);
            return;
        }
    }
    const std::string path = LaunchPathFor(*player, value);
    if (!path.empty()) WinExec(path.c_str(), SW_SHOWNORMAL);
}

void MediaActions::SendCommand(int32_t mediaOption, MediaCommand command) {
    const auto player = PlayerForOption(mediaOption);
    if (!player) return;
    switch (*player) {
        case MediaPlayer::WindowsMediaPlayer:
            // The default window procedure hands WM_APPCOMMAND to the shell,
            // which routes it to the player.
            PostMessageA(window_, WM_APPCOMMAND, reinterpret_cast<WPARAM>(window_),
                         static_cast<LPARAM>(AppCommandParam(command)));
            return;
        case MediaPlayer::ITunes:
            SendToITunes(command);
            return;
        case MediaPlayer::RealPlayer:
            if (HWND w = FindPlayerWindow(InfoFor(*player)))
                SendMessageA(w, WM_COMMAND, RealPlayerCommandId(command), 0);
            return;
        case MediaPlayer::Winamp:
            if (HWND w = FindPlayerWindow(InfoFor(*player)))
                SendMessageA(w, WM_COMMAND, WinampCommandId(command, winampPlaying_), 0);
            return;
    }
}

// iTunes takes Ctrl+Right / Ctrl+Left for next and previous and the space
// bar for play/pause and stop.
void MediaActions::SendToITunes(MediaCommand command) const {
    HWND target = FindPlayerWindow(InfoFor(MediaPlayer::ITunes));
    if (!target) return;
    if (command == MediaCommand::Next || command == MediaCommand::Previous) {
        const bool next = command == MediaCommand::Next;
        const WPARAM arrow = next ? VK_RIGHT : VK_LEFT;
        SendKey(target, WM_KEYDOWN, VK_CONTROL, 0x001D0001);
        Sleep(kKeyPauseMs);
        SendKey(target, WM_KEYDOWN, arrow, next ? 0x014D0001 : 0x014B0001);
        Sleep(kKeyPauseMs);
        SendKey(target, WM_KEYUP, arrow, next ? static_cast<LPARAM>(0xC14D0001) : static_cast<LPARAM>(0xC14B0001));
        Sleep(kKeyPauseMs);
        SendKey(target, WM_KEYUP, VK_CONTROL, static_cast<LPARAM>(0xC01D0001));
        return;
    }
    PostMessageA(target, WM_KEYDOWN, VK_SPACE, 0x00390001);
    Sleep(kKeyPauseMs);
    PostMessageA(target, WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0390001));
}
