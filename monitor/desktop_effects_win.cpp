#include "monitor/desktop_effects_win.h"

#include <algorithm>

#include "monitor/apply_worker_win.h"
#include "monitor/desktop_programs_win.h"
#include "monitor/foreground_program_win.h"
#include "monitor/media_actions_win.h"
#include "profile/shared_block_win.h"
#include "monitor/tray_icon_win.h"
#include "lan/string_ids.h"
#include "profile/config_file.h"
#include "profile/ini_file.h"
#include "profile/messages.h"
#include "profile/mouse_settings_win.h"
#include "profile/osd_record.h"
#include "profile/program_folder.h"
#include "profile/profile_files.h"

namespace {

HWND FindOsdWindow() { return FindWindowA(nullptr, names::kOsdWindowTitle); }

}  // namespace

DesktopEffects::DesktopEffects(DesktopTargets targets)
    : t_(std::move(targets)), configPath_(ConfigIniPath(t_.programFolder)) {}

bool DesktopEffects::PostToOption(unsigned message) {
    HWND option = FindOptionWindow();
    return option && PostMessageA(option, message, 0, 0);
}

bool DesktopEffects::CloseOption() { return PostToOption(WM_CLOSE); }

void DesktopEffects::OpenOption() { ::OpenOption(t_.programFolder); }

void DesktopEffects::PostOpenOptionCommand() {
    PostMessageA(t_.window, WM_COMMAND, msg::kCommandOpenOption, 0);
}

bool DesktopEffects::PostToOsd(unsigned message, uintptr_t wParam, intptr_t lParam) {
    HWND osd = FindOsdWindow();
    return osd && PostMessageA(osd, message, wParam, lParam);
}

uintptr_t DesktopEffects::OsdWindowHandle() { return reinterpret_cast<uintptr_t>(FindOsdWindow()); }

std::optional<OsdSettingsFields> DesktopEffects::ReadOsdSettings() {
    OsdRecordBytes record;
    const IniFile config(configPath_, t_.fileLock);
    if (!config.GetStruct(kOsdSettingsSection, kOsdSettingsKey, record.data(), record.size())) return std::nullopt;
    return UnpackOsdRecord(record);
}

void DesktopEffects::StoreNoticeText(const std::string& text) {
    // The on-screen display reads at most this many characters.
    const std::string notice = text.substr(0, msg::kNoticeTextMax);
    IniFile(configPath_, t_.fileLock).PutString(kOsdTextSection, kOsdTextKey, notice);
}

void DesktopEffects::StartTimer(unsigned id, unsigned periodMs) { SetTimer(t_.window, id, periodMs, nullptr); }

void DesktopEffects::KillTimer(unsigned id) { ::KillTimer(t_.window, id); }

void DesktopEffects::AddTrayIcon() { t_.tray.Add(t_.texts.Text(str::kTrayTip)); }

void DesktopEffects::RemoveTrayIcon() { t_.tray.Remove(); }

bool DesktopEffects::PostWorkerRequest(WorkerRequest request) { return t_.worker.Post(std::move(request)); }

std::optional<std::string> DesktopEffects::ForegroundExecutableName() { return ForegroundProgramFileName(); }

void DesktopEffects::Trace(const std::string& line) { OutputDebugStringA(line.c_str()); }

void DesktopEffects::WriteDeviceState(int state) { WriteDeviceFlag(configPath_, state, t_.fileLock); }

void DesktopEffects::WriteCurrentProfile(int index) {
    ::WriteCurrentProfile(t_.programFolder, index, t_.fileLock);
}

void DesktopEffects::SaveProfiles(const SharedBlock& local) {
    const ProfileStorage storage{t_.programFolder, t_.fileLock, t_.texts, t_.mouseSettings};
    SaveAllProfiles(local, storage);
}

bool DesktopEffects::CopyToSharedBlock(const SharedBlock& local) { return t_.block.CopyOut(local); }

bool DesktopEffects::CopyFromSharedBlock(SharedBlock& local) { return t_.block.CopyIn(local); }

void DesktopEffects::ApplyWindowsMouseSettings(Profile& profile) {
    ::ApplyWindowsMouseSettings(profile, t_.window);
}

void DesktopEffects::WriteAndApplyWindowsMouseSettings(Profile& profile) {
    t_.mouseSettings.Write(profile);
    ::ApplyWindowsMouseSettings(profile, t_.window);
}

void DesktopEffects::RunProgram(const Profile& profile, int button) { t_.media.RunProgram(profile, button); }

void DesktopEffects::ActivatePlayer(const Profile& profile) { t_.media.ActivatePlayer(profile.MediaOption); }

void DesktopEffects::MediaCommand(const Profile& profile, ::MediaCommand command) {
    t_.media.SendCommand(profile.MediaOption, command);
}
