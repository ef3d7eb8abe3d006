// Monitor's one connection to the mouse, on the window thread: the
// connection state, the local copy of the shared block, the requests handed
// to the apply worker and the results it sends back.
#pragma once

#include <atomic>
#include <cstdint>
#include <string_view>

#include "device/clock.h"
#include "device/monitor_effects.h"
#include "device/transport.h"
#include "device/worker_messages.h"
#include "profile/shared_block.h"

enum class ConnectionState : int {
    NotFound = 0,   // no mouse at start-up
    Connected = 1,
    Removed = 2,
};

inline constexpr unsigned kForegroundCheckPeriodMs = 2000;
inline constexpr unsigned kReadStateDelayMs = 200;
inline constexpr int kArrivalSettleMs = 1000;

class MonitorConnection {
public:
    // `local` holds the profiles loaded at start-up and lives as long as this
    // object; only the window thread touches it.
    MonitorConnection(SharedBlock& local, MonitorEffects& effects, DeviceChannels& channels,
                      Clock& windowClock);

    // Read by the worker too.
    ConnectionState State() const { return state_.load(); }
    SharedBlock& Local() { return local_; }
    MonitorEffects& Effects() { return effects_; }
    const OsdSettingsFields& OsdSettings() const { return osd_; }

    // Window thread.
    void LoadOsdSettings();
    void ConnectAtStartup(bool openOption);
    void OnArrival();
    void OnRemoval();
    void OnTimer(unsigned id);
    // Message 1224 from Option. Its parameters carry nothing: the worker
    // gets a copy of the active profile and its change flags, never forced.
    void OnApplyRequest();
    void CheckForegroundProgram();
    // A result the apply worker sent back.
    void OnWorkerResult(const WorkerResult& result);

private:
    void SwitchToProfile(int index);
    void AnnounceProfile(int index);
    void OnApplyFinished(const ApplyFinished& finished);
    void OnDeviceStateRead(const DeviceStateReading& reading);
    void OnSwitchClosed();

    SharedBlock& local_;
    MonitorEffects& effects_;
    DeviceChannels& channels_;
    Clock& windowClock_;
    OsdSettingsFields osd_{};
    std::atomic<ConnectionState> state_{ConnectionState::NotFound};
};
