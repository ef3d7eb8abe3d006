// A connection wired to recorders: one log holds the transport exchanges,
// the pauses of both threads and every desktop effect, in the order they
// happen.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "device/connection.h"
#include "monitor_effects_fake.h"
#include "profile/profile_defaults.h"
#include "transport_fake.h"

class ConnectionTest : public ::testing::Test {
protected:
    ConnectionTest() { BuildDefaultProfiles(*local, NoTexts()); }

    // Starts connected with an empty log.
    void Connect() {
        connection.ConnectAtStartup(false);
        log.clear();
    }
    bool Logged(const std::string& line) const { return std::ranges::count(log, line) > 0; }
    long Count(const std::string& line) const { return std::ranges::count(log, line); }

    Log log;
    FakeTransport transport{log};
    VirtualClock clock{log};
    RecordingEffects effects{log};
    RecordingChannels channels{log};
    std::unique_ptr<SharedBlock> local = std::make_unique<SharedBlock>();
    MonitorConnection connection{*local, effects, channels, transport, clock, clock};
};
