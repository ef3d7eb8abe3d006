// Turns the 32 button entries of a profile into the button table, the data
// slots they play back and the colours of those slots.
#include <algorithm>
#include <cstring>

#include "device/device_image.h"
#include "device/entry_table.h"
#include "device/slot_content.h"
#include "profile/button_code.h"

namespace {

constexpr int kFirstEntrySlot = 11;
// Entry 19 holds the preset gun the mouse fires in its two built-in slots.
constexpr int kPresetGunEntry = 19;
constexpr int kPresetGunSlot = 1;
constexpr int kPresetGunSecondSlot = 6;

// The stored modifier byte has bit 0 key alone, bit 1 Shift, bit 2 Ctrl,
// bit 3 Alt, bit 4 Windows key; the mouse wants the HID report's order
// (01 Ctrl, 02 Shift, 04 Alt, 08 Windows key). "Key alone" has no bit there.
uint8_t HidModifierBits(uint8_t stored) {
    uint8_t hid = 0;
    if (stored & 0x02) hid |= 0x02;  // Shift
    if (stored & 0x04) hid |= 0x01;  // Ctrl
    if (stored & 0x08) hid |= 0x04;  // Alt
    if (stored & 0x10) hid |= 0x08;  // Windows key
    return hid;
}

uint8_t LowByte(int32_t value) { return static_cast<uint8_t>(value); }

// The per-code changes to the table's default bytes. Returns false when the
// entry is to be left empty (a macro button without events).
bool AdjustEntry(const Profile& p, const ButtonFunction& b, int n, EntryBytes& e) {
    switch (CodeOf(b)) {
        case ButtonCode::KeyCombination:
            e[1] = HidModifierBits(b.Payload[1]);
            e[2] = b.Payload[0];
            break;
        case ButtonCode::Macro:
            if (b.ItemCount == 0) {
                e = {0, 0, 0, 0};
                return false;
            }
            e[1] = LowByte(b.RunMode);
            break;
        case ButtonCode::RunProgram:
            e[3] = static_cast<uint8_t>(n + 1);
            break;
        case ButtonCode::RepeatedClick:
            e[1] = b.Payload[0];
            e[2] = b.FireInterval <= 4 ? 2 : LowByte(b.FireInterval / 2);
            e[3] = LowByte(b.FireCount);
            break;
        case ButtonCode::OtgSpeed:
            e[2] = e[3] = LowByte(p.OTGSpeed);
            break;
        case ButtonCode::FirePattern:
            e[1] = p.GunMode != 0 ? 2 : 4;
            e[2] = b.ModeIndex == 2 ? 0 : 2;
            break;
        case ButtonCode::AdvancedFirePattern:
            e[2] = b.ItemCount != 0 ? LowByte(b.RunMode) : 0;
            break;
        default:
            break;
    }
    return true;
}

// Which pattern an entry's slot plays: the last assigned of macro, gun and
// advanced gun, or the entry's own code when none is assigned.
ButtonCode PatternKind(const ButtonFunction& b) {
    ButtonCode kind = CodeOf(b);
    if (b.MacroItem >= 0) kind = ButtonCode::Macro;
    if (b.GunItem >= 0) kind = ButtonCode::FirePattern;
    if (b.AdvanceGunItem >= 0) kind = ButtonCode::AdvancedFirePattern;
    return kind;
}

void SetSlotColour(DeviceImage& image, int slot, uint8_t red, uint8_t green, uint8_t blue) {
    image.SlotColours[slot][0] = red;
    image.SlotColours[slot][1] = green;
    image.SlotColours[slot][2] = blue;
}

void WriteSlot(DeviceImage& image, int slot, const DataBlock& content) {
    std::copy(content.begin(), content.end(), image.Slots[slot]);
    image.Used[slot] = 1;
}

DataBlock SlotContent(ButtonCode kind, const ButtonFunction& b) {
    switch (kind) {
        case ButtonCode::Macro: return EncodeMacroSlot(b);
        case ButtonCode::FirePattern: return EncodeGunSlot(b.ModeIndex, static_cast<uint32_t>(b.ModeValue));
        case ButtonCode::AdvancedFirePattern: return EncodeAdvancedGunSlot(b);
        default: return DataBlock{};
    }
}

void EncodeEntry(const Profile& p, int n, DeviceImage& image) {
    const ButtonFunction& b = p.MacroKeyInfo[n];
    EntryBytes e = DefaultEntryBytes(b.Code);
    const bool mayUseSlot = AdjustEntry(p, b, n, e);

    int slot = n + kFirstEntrySlot;
    ButtonCode kind = CodeOf(b);
    bool writeSlot = false;
    if (mayUseSlot && e[0] == entry_kind::kMacroSlot) {
        e[2] = static_cast<uint8_t>(slot);
        writeSlot = true;
    } else if (mayUseSlot && e[0] == entry_kind::kPatternSlot && e[1] != 0x01) {
        writeSlot = true;
        if (n == kPresetGunEntry) {
            slot = kPresetGunSlot;
            e[3] = static_cast<uint8_t>(slot);
            kind = ButtonCode::FirePattern;
        } else {
            e[3] = static_cast<uint8_t>(slot);
            kind = PatternKind(b);
        }
        SetSlotColour(image, slot, static_cast<uint8_t>(b.GunColor), static_cast<uint8_t>(b.GunColor >> 8),
                      static_cast<uint8_t>(b.GunColor >> 16));
        SetSlotColour(image, kPresetGunSlot, 0xFF, 0x00, 0x00);
        SetSlotColour(image, kPresetGunSecondSlot, 0xFF, 0xFF, 0x00);
    }
    std::copy(e.begin(), e.end(), image.ButtonTable + 4 * n);
    if (!writeSlot) return;

    if (n == kPresetGunEntry && kind == ButtonCode::FirePattern) {
        // The two built-in slots run the preset at four and eight times its value.
        const auto v = static_cast<uint32_t>(b.ModeValue);
        WriteSlot(image, kPresetGunSlot, EncodeGunSlot(b.ModeIndex, 4u * v));
        WriteSlot(image, kPresetGunSecondSlot, EncodeGunSlot(b.ModeIndex, 8u * v));
    } else {
        WriteSlot(image, slot, SlotContent(kind, b));
    }
}

}  // namespace

void DeviceImage::Clear() { std::memset(this, 0, sizeof(*this)); }

DataBlock DeviceImage::SlotColourBlock() const {
    DataBlock block{};
    block[2] = 0xFF;
    for (size_t i = 3; i < block.size(); ++i) block[i] = SlotColours[i / 3][i % 3];
    return block;
}

void EncodeButtons(const Profile& p, DeviceImage& image) {
    for (int n = 0; n < kButtonEntryCount; ++n) EncodeEntry(p, n, image);
}
