#include "device/slot_content.h"

#include <algorithm>
#include <cstddef>
#include <initializer_list>

namespace {

constexpr int kMacroEventSize = 4;
constexpr int kMaxMacroEvents = static_cast<int>(sizeof(ButtonFunction::Payload)) / kMacroEventSize;
constexpr uint8_t kPressAction = 1;

// Appends bytes to a slot and drops whatever does not fit, so that only the
// first 128 bytes of an over-long encoding are kept.
class SlotWriter {
public:
    void Put(uint8_t byte) {
        if (size_ < block_.size()) block_[size_] = byte;
        ++size_;
    }
    void Put(std::initializer_list<uint8_t> bytes) {
        for (uint8_t b : bytes) Put(b);
    }
    // A signed movement as 16-bit two's complement, low byte first.
    void PutMovement(int32_t value) {
        const auto v = static_cast<uint16_t>(static_cast<uint32_t>(value));
        Put({static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8)});
    }
    bool Full() const { return size_ >= block_.size(); }
    const DataBlock& Block() const { return block_; }

private:
    DataBlock block_{};
    size_t size_ = 0;
};

// Both playback slots open with the repeat value, high byte first.
void PutRepeatValue(SlotWriter& out, int32_t itemValue) {
    const auto v = static_cast<uint32_t>(itemValue);
    out.Put({static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v)});
}

// A pause of t ms is counted in 2 ms ticks in the short forms.
uint32_t Ticks(uint16_t milliseconds) { return milliseconds / 2u; }

// Short forms carry at least one tick.
uint8_t AtLeastOneTick(uint32_t ticks) { return ticks == 0 ? 1 : static_cast<uint8_t>(ticks); }

void PutMacroEvent(SlotWriter& out, const uint8_t* event) {
    const uint8_t code = event[0];
    const bool press = event[1] == kPressAction;
    const auto pause = static_cast<uint16_t>(event[2] | (event[3] << 8));
    const uint32_t ticks = Ticks(pause);
    if (ticks <= 127) {
        const auto head = static_cast<uint8_t>(ticks | 0x01 | (press ? 0x00 : 0x80));
        out.Put({head, code});
    } else {
        const LongDelay d = EncodeLongDelay(pause, 4);
        out.Put({static_cast<uint8_t>(press ? 0x01 : 0x81), code, d.Count, d.Unit});
    }
}

void PutAdvancedStep(SlotWriter& out, const GunStep& step) {
    const uint32_t ticks = Ticks(step.Delay);
    if (step.X == 0 && step.Y == 0) {
        // A pause alone has one byte for its ticks; longer pauses saturate.
        out.Put({AtLeastOneTick(std::min<uint32_t>(ticks, 0xFF)), 0xF0, 0x82, 0xF0});
        return;
    }
    if (ticks <= 127) {
        out.Put({AtLeastOneTick(ticks), 0xF0, 0x82, 0xF0, 0x01, 0xFA});
    } else {
        const LongDelay d = EncodeLongDelay(step.Delay, 3);
        out.Put({0x01, 0xF0, d.Count, d.Unit, 0x82, 0xF0, 0x00, 0xFA});
    }
    // The mouse's vertical axis points the other way.
    out.PutMovement(step.X);
    out.PutMovement(static_cast<int32_t>(0u - static_cast<uint32_t>(step.Y)));
}

}  // namespace

LongDelay EncodeLongDelay(uint16_t milliseconds, int maxUnit) {
    constexpr uint32_t kUnitMs[] = {10, 20, 50, 100};
    maxUnit = std::clamp(maxUnit, 1, 4);
    uint32_t count = 0;
    int unit = 0;
    for (unit = 1; unit <= maxUnit; ++unit) {
        count = milliseconds / kUnitMs[unit - 1];
        if (count <= 127) break;
    }
    unit = std::min(unit, maxUnit);
    return {static_cast<uint8_t>(std::min<uint32_t>(count, 0xFF)), static_cast<uint8_t>(unit)};
}

DataBlock EncodeGunSlot(int32_t modeIndex, uint32_t w) {
    SlotWriter out;
    const uint8_t mode = modeIndex == 2 ? 0x03 : 0x01;
    out.Put({0x00, mode, 0x04, 0xF0, 0x06, 0xFA, 0x00, 0x00, static_cast<uint8_t>(w),
             static_cast<uint8_t>(w >> 8), 0x82, 0xF0});
    return out.Block();
}

DataBlock EncodeMacroSlot(const ButtonFunction& b) {
    SlotWriter out;
    PutRepeatValue(out, b.ItemValue);
    const int events = std::min<int>(b.ItemCount, kMaxMacroEvents);
    for (int i = 0; i < events && !out.Full(); ++i) PutMacroEvent(out, b.Payload + i * kMacroEventSize);
    return out.Block();
}

DataBlock EncodeAdvancedGunSlot(const ButtonFunction& b) {
    SlotWriter out;
    PutRepeatValue(out, b.ItemValue);
    const int steps = std::min<int>(b.ItemCount, kGunStepCount);
    for (int i = 0; i < steps && !out.Full(); ++i) PutAdvancedStep(out, b.Steps[i]);
    return out.Block();
}
