// A transport and a clock that write every exchange and pause to one log,
// so a test can compare the exact sequence the mouse would see.
#pragma once

#include <cstdio>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "device/clock.h"
#include "device/device_command.h"
#include "device/transport.h"

using Log = std::vector<std::string>;

inline std::string Hex(std::span<const uint8_t> bytes) {
    std::string text;
    for (const uint8_t b : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, text.empty() ? "%02X" : " %02X", b);
        text += digits;
    }
    return text;
}

class VirtualClock final : public Clock {
public:
    explicit VirtualClock(Log& log) : log_(log) {}
    void Sleep(int milliseconds) override {
        total += milliseconds;
        log_.push_back("sleep " + std::to_string(milliseconds));
    }
    long total = 0;

private:
    Log& log_;
};

// Replies are taken from `replies` in order; an empty optional (or an empty
// queue) makes GetFeature fail. A reply's bytes replace the whole buffer.
class FakeTransport final : public Transport {
public:
    explicit FakeTransport(Log& log) : log_(log) {}
    void SetFeature(std::span<const uint8_t, kFeatureReportSize> command) override {
        log_.push_back("set " + Hex(command));
    }
    bool GetFeature(std::span<uint8_t, kFeatureReportSize> buffer) override {
        log_.push_back("get " + Hex(buffer));
        if (replies.empty()) return false;
        const std::optional<Command> reply = replies.front();
        replies.pop_front();
        if (!reply) return false;
        std::copy(reply->begin(), reply->end(), buffer.begin());
        return true;
    }
    void WriteUSB(std::span<const uint8_t, kUsbWriteSize> data) override {
        log_.push_back("write " + Hex(data));
        writes.emplace_back(data.begin(), data.end());
    }
    std::deque<std::optional<Command>> replies;
    std::vector<std::vector<uint8_t>> writes;

private:
    Log& log_;
};

inline std::string CommandLine(const Command& c) { return "set " + Hex(c); }

// A reply buffer with the given bytes 0..2.
inline Command Reply(uint8_t b0, uint8_t b1, uint8_t b2 = 0) {
    Command c{};
    c[0] = b0;
    c[1] = b1;
    c[2] = b2;
    return c;
}
