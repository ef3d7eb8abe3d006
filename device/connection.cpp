#include "device/connection.h"

#include "device/apply_changes.h"
#include "device/device_command.h"
#include "device/foreground_match.h"
#include "device/read_state.h"
#include "device/transport_exchange.h"
#include "profile/messages.h"

namespace {

// Two 16-bit values packed into the lParam of the settings message.
intptr_t PackOsdValues(const OsdSettingsFields& osd) {
    return static_cast<intptr_t>((static_cast<uint32_t>(osd.FirstValue) & 0xFFFFu) << 16 |
                                 (static_cast<uint32_t>(osd.SecondValue) & 0xFFFFu));
}

}  // namespace

MonitorConnection::MonitorConnection(SharedBlock& local, MonitorEffects& effects,
                                     DeviceChannels& channels, Transport& transport,
                                     Clock& windowClock, Clock& workerClock)
    : local_(local),
      effects_(effects),
      channels_(channels),
      transport_(transport),
      windowClock_(windowClock),
      workerClock_(workerClock) {}

void MonitorConnection::LoadOsdSettings() {
    // An unreadable record keeps what was read before.
    if (const auto fields = effects_.ReadOsdSettings()) osd_ = *fields;
}

void MonitorConnection::ConnectAtStartup(bool openOption) {
    channels_.StartDeviceMonitor();
    channels_.OpenFeatureDevice();
    const bool present = channels_.OpenReportDevice();
    if (present) {
        effects_.StartTimer(msg::kTimerForegroundCheck, kForegroundCheckPeriodMs);
        effects_.StartTimer(msg::kTimerReadDeviceState, kReadStateDelayMs);
        effects_.AddTrayIcon();
        if (openOption) effects_.OpenOption();
    }
    state_ = present ? ConnectionState::Connected : ConnectionState::NotFound;
    effects_.WriteDeviceState(static_cast<int>(state_.load()));
}

void MonitorConnection::OnArrival() {
    if (state_ == ConnectionState::Connected) return;
    // The mouse needs a moment after plug-in before its channels open.
    windowClock_.Sleep(kArrivalSettleMs);
    state_ = ConnectionState::Connected;
    channels_.OpenFeatureDevice();
    channels_.OpenReportDevice();
    effects_.PostWorkerRequest(kRequestReadState, 0);
    effects_.AddTrayIcon();
    effects_.WriteDeviceState(1);
    effects_.StartTimer(msg::kTimerForegroundCheck, kForegroundCheckPeriodMs);
}

void MonitorConnection::OnRemoval() {
    if (state_ == ConnectionState::Removed) return;
    state_ = ConnectionState::Removed;
    channels_.CloseFeatureDevice();
    channels_.CloseReportDevice();
    effects_.RemoveTrayIcon();
    effects_.KillTimer(msg::kTimerForegroundCheck);
    effects_.WriteDeviceState(0);
    effects_.CloseOption();
}

void MonitorConnection::OnTimer(unsigned id) {
    if (id == msg::kTimerReadDeviceState) {
        effects_.KillTimer(msg::kTimerReadDeviceState);
        effects_.PostWorkerRequest(kRequestReadState, 0);
    } else if (id == msg::kTimerForegroundCheck) {
        CheckForegroundProgram();
    }
}

void MonitorConnection::OnApplyRequest(intptr_t param) {
    effects_.CopyFromSharedBlock(local_);
    if (Profile* profile = ActiveProfile(local_)) effects_.ApplyWindowsMouseSettings(*profile);
    LoadOsdSettings();
    effects_.PostToOsd(msg::kOsdSettings, 0, PackOsdValues(osd_));

    if (state_ == ConnectionState::Connected && effects_.PostWorkerRequest(kRequestApply, param)) {
        return;  // the worker answers Option when the mouse has the settings
    }
    // No mouse to wait for: Option must not keep its buttons disabled.
    if (effects_.PostToOption(msg::kApplyFinished)) {
        effects_.Trace("OnApplyAllSetting  Send Enable OK/Apply Button\n");
    } else {
        effects_.Trace("OnApplyAllSetting Don't find Pelta Option Dialog\n");
    }
}

void MonitorConnection::CheckForegroundProgram() {
    const auto executable = effects_.ForegroundExecutableName();
    if (!executable) return;
    const int index = ProfileForProgram(local_, *executable);
    if (index < 0 || index == local_.CurrentProfile) return;
    SwitchToProfile(index);
}

void MonitorConnection::SwitchToProfile(int index) {
    local_.CurrentProfile = index;
    effects_.CopyToSharedBlock(local_);
    effects_.PostWorkerRequest(kRequestAnnounceSwitch, 0);
    effects_.WriteAndApplyWindowsMouseSettings(local_.Profiles[index]);
    effects_.PostToOption(msg::kCurrentProfileChanged);
    AnnounceProfile(index);
}

// The profile notice of a switch made by Monitor itself, only when the user
// asked the on-screen display to announce profile changes.
void MonitorConnection::AnnounceProfile(int index) {
    if (osd_.ProfileNoticeSwitch != 1) return;
    effects_.PostToOsd(msg::kOsdShow, msg::kOsdShowProfile, static_cast<intptr_t>(index) << 16);
}

void MonitorConnection::HandleWorkerRequest(int request) {
    if (state_ != ConnectionState::Connected) return;
    busy_ = true;
    switch (request) {
    case kRequestApply:
        ApplyChangedSettings(transport_, workerClock_, local_, image_, false);
        effects_.Trace("Thread Send Enable OK/Apply Button\n");
        effects_.PostToOption(msg::kApplyFinished);
        break;
    case kRequestReadState:
        ReadStateAndReopen();
        break;
    case kRequestAnnounceSwitch:
        AnnounceSwitch();
        break;
    default:
        break;
    }
    busy_ = false;
}

void MonitorConnection::ReadStateAndReopen() {
    if (ReadDeviceState(transport_, workerClock_, local_)) {
        effects_.SaveProfiles(local_);
        effects_.CopyToSharedBlock(local_);
        effects_.PostToOption(msg::kDeviceStateRead);
    }
    workerClock_.Sleep(kOpenAfterReadMs);
    SendCommand(transport_, OpeningCommand());
}

void MonitorConnection::AnnounceSwitch() {
    SendCommand(transport_, ClosingCommand());
    workerClock_.Sleep(kAnnounceSwitchPauseMs);
    const int index = local_.CurrentProfile;
    if (index >= 0 && index < kProfileCount) AnnounceProfile(index);
}
