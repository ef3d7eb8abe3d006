// A connection and its worker wired to recorders: one log holds the
// transport exchanges, the pauses of both threads and every desktop effect,
// in the order they happen. The worker's results go straight back to the
// connection, as the window thread takes them.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "device/apply_worker_core.h"
#include "device/connection.h"
#include "monitor_effects_fake.h"
#include "profile/profile_defaults.h"
#include "transport_fake.h"

class LoopbackResults final : public WorkerResults {
public:
    explicit LoopbackResults(MonitorConnection& connection) : connection_(connection) {}
    void Deliver(WorkerResult result) override { connection_.OnWorkerResult(result); }

private:
    MonitorConnection& connection_;
};

class ConnectionTest : public ::testing::Test {
protected:
    ConnectionTest() { BuildDefaultProfiles(*local, NoTexts()); }

    // Starts connected with an empty log.
    void Connect() {
        connection.ConnectAtStartup(false);
        log.clear();
    }
    // Runs the requests the connection handed to the worker, in order.
    void RunWorker() {
        std::vector<WorkerRequest> requests = std::move(effects.requests);
        effects.requests.clear();
        for (const WorkerRequest& request : requests) worker.Handle(request);
    }
    bool Logged(const std::string& line) const { return std::ranges::count(log, line) > 0; }
    long Count(const std::string& line) const { return std::ranges::count(log, line); }

    Log log;
    FakeTransport transport{log};
    VirtualClock clock{log};
    RecordingEffects effects{log};
    RecordingChannels channels{log};
    std::unique_ptr<SharedBlock> local = std::make_unique<SharedBlock>();
    MonitorConnection connection{*local, effects, channels, clock};
    LoopbackResults results{connection};
    ApplyWorkerCore worker{connection, transport, clock, results};
};
