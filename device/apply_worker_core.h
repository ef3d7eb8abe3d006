// The apply worker's side of the connection: it alone exchanges reports
// with the mouse. It reads nothing of the window thread's local copy; every
// request brings its own data and every result goes back through
// `WorkerResults`.
#pragma once

#include <atomic>

#include "device/clock.h"
#include "device/device_image.h"
#include "device/transport.h"
#include "device/worker_messages.h"

class MonitorConnection;

inline constexpr int kOpenAfterReadMs = 3000;
inline constexpr int kAnnounceSwitchPauseMs = 200;

class ApplyWorkerCore {
public:
    // `connection` is only asked for its state (an atomic).
    ApplyWorkerCore(const MonitorConnection& connection, Transport& transport, Clock& clock,
                    WorkerResults& results);

    // One request; dropped unless the mouse is connected.
    void Handle(const WorkerRequest& request);
    bool Busy() const { return busy_.load(); }

private:
    void Apply(const ApplyRequest* request);
    void ReadStateAndReopen();
    void CloseForSwitch();

    const MonitorConnection& connection_;
    Transport& transport_;
    Clock& clock_;
    WorkerResults& results_;
    DeviceImage image_{};
    std::atomic<bool> busy_{false};
};
