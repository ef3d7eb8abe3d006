#include "device/connection.h"

#include "device/foreground_match.h"
#include "device/reported_ranges.h"
#include "device/read_state.h"
#include "profile/message_params.h"

MonitorConnection::MonitorConnection(SharedBlock& local, MonitorEffects& effects,
                                     DeviceChannels& channels, Clock& windowClock)
    : local_(local), effects_(effects), channels_(channels), windowClock_(windowClock) {}

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
    effects_.PostWorkerRequest({kRequestReadState});
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
        effects_.PostWorkerRequest({kRequestReadState});
    } else if (id == msg::kTimerForegroundCheck) {
        CheckForegroundProgram();
    }
}

void MonitorConnection::OnApplyRequest() {
    effects_.CopyFromSharedBlock(local_);
    if (Profile* profile = ActiveProfile(local_)) effects_.ApplyWindowsMouseSettings(*profile);
    LoadOsdSettings();
    effects_.PostToOsd(msg::kOsdSettings, 0, PackOsdValues({osd_.FirstValue, osd_.SecondValue}));

    if (state_ == ConnectionState::Connected &&
        effects_.PostWorkerRequest({kRequestApply, SnapshotForApply(local_, false)})) {
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
    effects_.PostWorkerRequest({kRequestAnnounceSwitch});
    effects_.WriteAndApplyWindowsMouseSettings(local_.Profiles[index]);
    effects_.PostToOption(msg::kCurrentProfileChanged);
    AnnounceProfile(index);
}

// The profile notice of a switch made by Monitor itself, only when the user
// asked the on-screen display to announce profile changes.
void MonitorConnection::AnnounceProfile(int index) {
    if (osd_.ProfileNoticeSwitch != 1) return;
    effects_.PostToOsd(msg::kOsdShow, msg::kOsdShowProfile, PackProfileNotice(index));
}

void MonitorConnection::OnWorkerResult(const WorkerResult& result) {
    if (const auto* finished = std::get_if<ApplyFinished>(&result)) OnApplyFinished(*finished);
    if (const auto* reading = std::get_if<DeviceStateReading>(&result)) OnDeviceStateRead(*reading);
    if (std::holds_alternative<SwitchClosed>(result)) OnSwitchClosed();
}

// The stepped colour option is kept only when nothing replaced the profile's
// value while the apply ran: a reload from the block wins.
void MonitorConnection::OnApplyFinished(const ApplyFinished& finished) {
    if (InRange(finished.ProfileIndex, 0, kProfileCount - 1)) {
        uint32_t& colour = local_.Profiles[finished.ProfileIndex].ColorOptions0;
        if (colour == finished.ColourBefore) colour = finished.ColourAfter;
    }
    effects_.Trace("Thread Send Enable OK/Apply Button\n");
    effects_.PostToOption(msg::kApplyFinished);
}

void MonitorConnection::OnDeviceStateRead(const DeviceStateReading& reading) {
    StoreDeviceState(reading, local_);
    if (!reading.Complete) return;
    effects_.SaveProfiles(local_);
    effects_.CopyToSharedBlock(local_);
    effects_.PostToOption(msg::kDeviceStateRead);
}

void MonitorConnection::OnSwitchClosed() {
    const int index = local_.CurrentProfile;
    if (InRange(index, 0, kProfileCount - 1)) AnnounceProfile(index);
}
