// The virtual mouse's state and protocol: it takes the 8-byte commands,
// 64-byte data writes and queries the host sends, keeps what was uploaded
// per profile, and turns on-mouse actions into event words. Every exchange
// and every protocol error goes to the log sink.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>

#include "hiddriver/event_word.h"
#include "hiddriver/mouse_action.h"
#include "hiddriver/mouse_log.h"
#include "hiddriver/report_decoder.h"

namespace vmouse {

using Report8 = std::array<uint8_t, 8>;

inline constexpr int kProfiles = 5;
inline constexpr int kMaxDpiStage = 8;

// What the mouse keeps for one of its profiles.
struct MouseProfile {
    int DpiStage = 1;  // 1..8
    std::optional<Block128> Settings;
    std::optional<Block128> ButtonTable;
    std::optional<Block128> SlotColours;
    std::map<int, Block128> Slots;  // slot number -> content
};

// True when all eight bytes add up to 0xFF modulo 256.
bool ChecksumValid(const Report8& report);
// Sets byte 7 so that the eight bytes add up to 0xFF modulo 256.
void SetChecksum(Report8& report);

class VirtualMouse {
public:
    using LogSink = std::function<void(const LogEntry&)>;

    explicit VirtualMouse(LogSink sink);

    // SetFeature: one command.
    void Command(std::span<const uint8_t> bytes);
    // GetFeature: `request` byte 0 is the query code (0x82, 0x84 with the
    // profile number in byte 1). Nothing when the request is not understood.
    std::optional<Report8> Query(std::span<const uint8_t> request);
    // WriteUSB: one half of a data block.
    void Write(std::span<const uint8_t> bytes);
    // An action on the mouse itself; the event word to report, if any.
    std::optional<EventWord> Press(const Action& action);

    int CurrentProfile() const { return current_; }  // 1..5
    int ReportInterval() const { return interval_; }  // ms
    const MouseProfile& Profile(int number) const { return profiles_[number - 1]; }
    // Several lines describing the whole state in words.
    std::string DescribeState() const;

private:
    enum class Target { Settings, ButtonTable, SlotColours, Slot };
    struct PendingBlock {
        Target Kind;
        int Slot;     // for Target::Slot
        int Written;  // halves received, 0 or 1
        Block128 Data;
    };

    MouseProfile& Active() { return profiles_[current_ - 1]; }
    void Log(std::string channel, std::span<const uint8_t> bytes, std::string text,
             std::vector<std::string> details = {});
    std::string Interpret(const Report8& c);  // applies a valid command, returns its decoding
    std::string StartBlock(Target kind, int slot);  // returns the log text
    void FinishBlock(std::span<const uint8_t> bytes);
    std::string BlockName(const PendingBlock& block) const;
    std::optional<int> NextEnabledStage(int step) const;
    EventWord Apply(const Action& action, std::string& outcome);

    LogSink sink_;
    int current_ = 1;
    int interval_ = 1;
    int pendingQuery_ = 0;  // code of the last query command, 0 when none
    std::optional<PendingBlock> block_;
    std::array<MouseProfile, kProfiles> profiles_{};
};

}  // namespace vmouse
