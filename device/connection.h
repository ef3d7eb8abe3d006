// Monitor's one connection to the mouse: the connection state, the local
// copy of the shared block that every encoder reads, and the requests that
// the window thread hands to the apply worker.
#pragma once

#include <atomic>
#include <cstdint>
#include <string_view>

#include "device/clock.h"
#include "device/device_image.h"
#include "device/monitor_effects.h"
#include "device/transport.h"
#include "profile/shared_block.h"

enum class ConnectionState : int {
    NotFound = 0,   // no mouse at start-up
    Connected = 1,
    Removed = 2,
};

// Request codes of the apply worker.
enum WorkerRequest : int {
    kRequestApply = 1,
    kRequestReadState = 2,
    kRequestAnnounceSwitch = 3,
};

inline constexpr unsigned kForegroundCheckPeriodMs = 2000;
inline constexpr unsigned kReadStateDelayMs = 200;
inline constexpr int kArrivalSettleMs = 1000;
inline constexpr int kOpenAfterReadMs = 3000;
inline constexpr int kAnnounceSwitchPauseMs = 200;

class MonitorConnection {
public:
    // `local` holds the profiles loaded at start-up and lives as long as this
    // object. `channels` and `windowClock` serve the window thread;
    // `transport` and `workerClock` the apply worker.
    MonitorConnection(SharedBlock& local, MonitorEffects& effects, DeviceChannels& channels,
                      Transport& transport, Clock& windowClock, Clock& workerClock);

    ConnectionState State() const { return state_.load(); }
    bool Busy() const { return busy_.load(); }
    SharedBlock& Local() { return local_; }
    MonitorEffects& Effects() { return effects_; }
    const OsdSettingsFields& OsdSettings() const { return osd_; }

    // Window thread.
    void LoadOsdSettings();
    void ConnectAtStartup(bool openOption);
    void OnArrival();
    void OnRemoval();
    void OnTimer(unsigned id);
    // Message 1224 from Option; `param` is passed on to the worker.
    void OnApplyRequest(intptr_t param);
    void CheckForegroundProgram();

    // Apply worker thread: one request message.
    void HandleWorkerRequest(int request);

private:
    void SwitchToProfile(int index);
    void AnnounceProfile(int index);
    void ReadStateAndReopen();
    void AnnounceSwitch();

    SharedBlock& local_;
    MonitorEffects& effects_;
    DeviceChannels& channels_;
    Transport& transport_;
    Clock& windowClock_;
    Clock& workerClock_;
    DeviceImage image_{};
    OsdSettingsFields osd_{};
    std::atomic<ConnectionState> state_{ConnectionState::NotFound};
    std::atomic<bool> busy_{false};
};
