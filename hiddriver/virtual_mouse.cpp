#include "hiddriver/virtual_mouse.h"

#include <algorithm>
#include <cstdio>
#include <numeric>

namespace vmouse {
namespace {

std::string Format(const char* format, auto... args) {
    char text[160];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

constexpr uint8_t kQueryProfile = 0x82;
constexpr uint8_t kQueryDpiStage = 0x84;
constexpr int kColourTableSlot = 0x64;

bool IsInterval(int ms) { return ms == 1 || ms == 2 || ms == 4 || ms == 8; }

}  // namespace

bool ChecksumValid(const Report8& report) {
    return std::accumulate(report.begin(), report.end(), 0u) % 256 == 0xFF;
}

void SetChecksum(Report8& report) {
    unsigned sum = std::accumulate(report.begin(), report.end() - 1, 0u);
    report[7] = static_cast<uint8_t>(0xFF - sum % 256);
}

VirtualMouse::VirtualMouse(LogSink sink) : sink_(std::move(sink)) {}

void VirtualMouse::Log(std::string channel, std::span<const uint8_t> bytes, std::string text,
                       std::vector<std::string> details) {
    if (!sink_) return;
    sink_(LogEntry{std::move(channel), {bytes.begin(), bytes.end()}, std::move(text), std::move(details)});
}

std::string VirtualMouse::BlockName(const PendingBlock& block) const {
    switch (block.Kind) {
        case Target::Settings: return "settings block";
        case Target::ButtonTable: return "button table";
        case Target::SlotColours: return "slot colour table";
        case Target::Slot: return Format("slot %d", block.Slot);
    }
    return "block";
}

void VirtualMouse::Command(std::span<const uint8_t> bytes) {
    if (block_) {
        Log("SET", bytes,
            Format("ERROR: command before the %s was complete (%d of 2 writes); block discarded",
                   BlockName(*block_).c_str(), block_->Written));
        block_.reset();
    }
    if (bytes.size() != 8) {
        Log("SET", bytes, Format("ERROR: command of %zu bytes, 8 expected; ignored", bytes.size()));
        return;
    }
    Report8 c;
    std::copy(bytes.begin(), bytes.end(), c.begin());
    if (!ChecksumValid(c)) {
        Report8 fixed = c;
        SetChecksum(fixed);
        Log("SET", bytes, Format("ERROR: bad checksum %02X (expected %02X); ignored", c[7], fixed[7]));
        return;
    }
    Log("SET", bytes, Interpret(c));
}

std::string VirtualMouse::Interpret(const Report8& c) {
    const bool tailZero = std::all_of(c.begin() + 3, c.end() - 1, [](uint8_t b) { return b == 0; });
    const auto is = [&](uint8_t b0, uint8_t b1, uint8_t b2) {
        return tailZero && c[0] == b0 && c[1] == b1 && c[2] == b2;
    };
    pendingQuery_ = 0;
    if (is(0x01, 0x88, 0x02)) return "open";
    if (is(0x02, 0x01, 0x00)) return "close";
    if (tailZero && c[0] == 0x03 && c[1] == 0x01) {
        if (!IsInterval(c[2])) return Format("ERROR: report interval %u ms is not 1, 2, 4 or 8; ignored", c[2]);
        interval_ = c[2];
        return Format("report interval %d ms", interval_);
    }
    if (tailZero && c[0] == 0x04 && c[1] == 0x01) {
        if (c[2] < 1 || c[2] > kMaxDpiStage) return Format("ERROR: DPI stage %u out of 1-8; ignored", c[2]);
        Active().DpiStage = c[2];
        return Format("DPI stage %d of profile %d", c[2], current_);
    }
    if (is(0x0C, 0x01, 0x80)) return StartBlock(Target::Settings, 0);
    if (is(0x0D, 0x01, 0x80)) return StartBlock(Target::ButtonTable, 0);
    if (is(0x0F, kColourTableSlot, 0x80)) return StartBlock(Target::SlotColours, 0);
    if (tailZero && c[0] == 0x0F && c[2] == 0x80) {
        if (c[1] >= kSlotCount) return Format("ERROR: data slot %u does not exist; ignored", c[1]);
        return StartBlock(Target::Slot, c[1]);
    }
    if (is(kQueryProfile, 0, 0)) {
        pendingQuery_ = kQueryProfile;
        return "query current profile";
    }
    if (tailZero && c[0] == kQueryDpiStage && c[2] == 0) {
        if (c[1] < 1 || c[1] > kProfiles) return Format("ERROR: DPI stage query for profile %u; ignored", c[1]);
        pendingQuery_ = kQueryDpiStage;
        return Format("query DPI stage of profile %u", c[1]);
    }
    return "ERROR: unknown command; ignored";
}

std::string VirtualMouse::StartBlock(Target kind, int slot) {
    block_ = PendingBlock{kind, slot, 0, {}};
    return BlockName(*block_) + " follows";
}

std::optional<Report8> VirtualMouse::Query(std::span<const uint8_t> request) {
    if (request.size() != 8) {
        Log("GET", request, Format("ERROR: request of %zu bytes, 8 expected; not answered", request.size()));
        return std::nullopt;
    }
    Report8 reply{};
    reply[0] = request[0];
    std::string text;
    if (request[0] == kQueryProfile) {
        reply[1] = static_cast<uint8_t>(current_);
        text = Format("current profile %d", current_);
    } else if (request[0] == kQueryDpiStage && request[1] >= 1 && request[1] <= kProfiles) {
        reply[1] = request[1];
        reply[2] = static_cast<uint8_t>(profiles_[request[1] - 1].DpiStage);
        text = Format("profile %u is at DPI stage %u", reply[1], reply[2]);
    } else {
        Log("GET", request, "ERROR: unknown query; not answered");
        return std::nullopt;
    }
    if (pendingQuery_ != request[0]) text += " (note: no matching query command came first)";
    pendingQuery_ = 0;
    SetChecksum(reply);
    Log("GET", reply, "reply: " + text);
    return reply;
}

void VirtualMouse::Write(std::span<const uint8_t> bytes) {
    if (!block_) {
        Log("WRITE", bytes, "ERROR: data without a command; ignored");
        return;
    }
    if (bytes.size() != 64) {
        Log("WRITE", bytes,
            Format("ERROR: write of %zu bytes, 64 expected; %s discarded", bytes.size(), BlockName(*block_).c_str()));
        block_.reset();
        return;
    }
    if (block_->Written == 0) {
        std::copy(bytes.begin(), bytes.end(), block_->Data.begin());
        block_->Written = 1;
        Log("WRITE", bytes, BlockName(*block_) + ", first half");
        return;
    }
    FinishBlock(bytes);
}

void VirtualMouse::FinishBlock(std::span<const uint8_t> bytes) {
    PendingBlock block = *block_;
    block_.reset();
    std::copy(bytes.begin(), bytes.end(), block.Data.begin() + 64);
    MouseProfile& p = Active();
    std::string text = BlockName(block) + Format(" of profile %d stored: ", current_);
    std::vector<std::string> details;
    switch (block.Kind) {
        case Target::Settings:
            p.Settings = block.Data;
            text += DescribeSettingsBlock(block.Data);
            break;
        case Target::ButtonTable:
            p.ButtonTable = block.Data;
            text += "buttons";
            details = DescribeButtonTable(block.Data);
            break;
        case Target::SlotColours:
            p.SlotColours = block.Data;
            text += DescribeSlotColours(block.Data);
            break;
        case Target::Slot: {
            p.Slots[block.Slot] = block.Data;
            const Block128* table = p.ButtonTable ? &*p.ButtonTable : nullptr;
            text += DescribeSlot(block.Slot, KindOfSlot(table, block.Slot, block.Data), block.Data);
            break;
        }
    }
    Log("WRITE", bytes, text, std::move(details));
}

std::optional<int> VirtualMouse::NextEnabledStage(int step) const {
    const MouseProfile& p = profiles_[current_ - 1];
    for (int stage = p.DpiStage + step; stage >= 1 && stage <= kMaxDpiStage; stage += step) {
        if (!p.Settings || (StageMask(*p.Settings) & (1u << (stage - 1)))) return stage;
    }
    return std::nullopt;
}

std::optional<EventWord> VirtualMouse::Press(const Action& action) {
    if (action.Kind < ActionKind::Profile || action.Kind > ActionKind::Save) {
        Log("PRESS", {}, Format("ERROR: unknown action %d; nothing sent", static_cast<int>(action.Kind)));
        return std::nullopt;
    }
    const std::string name = DescribeAction(action);
    if (action.Kind == ActionKind::DpiUp || action.Kind == ActionKind::DpiDown) {
        auto stage = NextEnabledStage(action.Kind == ActionKind::DpiUp ? 1 : -1);
        if (!stage) {
            Log("PRESS", {}, Format("%s: no enabled stage beyond stage %d; nothing sent", name.c_str(),
                                    Active().DpiStage));
            return std::nullopt;
        }
        Active().DpiStage = *stage;
    }
    std::string outcome;
    EventWord word = Apply(action, outcome);
    Log("PRESS", {}, Format("%s -> event %04X:%04X, %s", name.c_str(), word.High, word.Low, outcome.c_str()));
    return word;
}

// Changes the state for an action (DPI stages are already moved by Press)
// and builds its event word. Arguments are checked by ParseAction; values
// outside the ranges are still reported as given, as a real mouse would.
EventWord VirtualMouse::Apply(const Action& a, std::string& outcome) {
    const auto low = static_cast<uint16_t>(a.Arg);
    switch (a.Kind) {
        case ActionKind::Profile:
            if (a.Arg >= 1 && a.Arg <= kProfiles) current_ = a.Arg;
            outcome = Format("now profile %d", current_);
            return {kEventProfile, low};
        case ActionKind::DpiUp:
        case ActionKind::DpiDown:
            outcome = Format("now DPI stage %d", Active().DpiStage);
            return {kEventDpiStage, static_cast<uint16_t>(Active().DpiStage)};
        case ActionKind::Polling:
            if (IsInterval(a.Arg)) interval_ = a.Arg;
            outcome = Format("report interval %d ms", interval_);
            return {kEventPolling, low};
        case ActionKind::RunProgram:
            outcome = "run the program of the button";
            return {kEventRunProgram, low};
        case ActionKind::OpenOption:
            outcome = "open Option";
            return {kEventOpenOption, 0};
        case ActionKind::Media:
            outcome = a.Release ? "media key released" : "media key pressed";
            return {kEventMedia, static_cast<uint16_t>((a.Arg & 0xFF) | (a.Release ? 0x0100 : 0))};
        case ActionKind::Notice:
            outcome = Format("notice %d", a.Arg);
            return {a.Arg == 2 ? kEventNotice2 : kEventNotice1, 0};
        case ActionKind::Save:
            outcome = "save the profiles";
            return {kEventSave, 0};
    }
    return {};
}

std::string VirtualMouse::DescribeState() const {
    std::string text = Format("current profile %d, report interval %d ms\n", current_, interval_);
    for (int n = 1; n <= kProfiles; ++n) {
        const MouseProfile& p = profiles_[n - 1];
        text += Format("profile %d: DPI stage %d\n", n, p.DpiStage);
        text += "  " + (p.Settings ? DescribeSettingsBlock(*p.Settings) : std::string("settings: none uploaded")) + '\n';
        if (p.ButtonTable) {
            for (const auto& line : DescribeButtonTable(*p.ButtonTable)) text += "  " + line + '\n';
        } else {
            text += "  buttons: none uploaded\n";
        }
        if (p.SlotColours) text += "  " + DescribeSlotColours(*p.SlotColours) + '\n';
        for (const auto& [slot, data] : p.Slots) {
            const Block128* table = p.ButtonTable ? &*p.ButtonTable : nullptr;
            text += "  " + DescribeSlot(slot, KindOfSlot(table, slot, data), data) + '\n';
        }
    }
    return text;
}

}  // namespace vmouse
