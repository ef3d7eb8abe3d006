#include "hiddriver/report_decoder.h"

#include <cstdio>

#include "hiddriver/hid_names.h"

namespace vmouse {
namespace {

std::string Format(const char* format, auto... args) {
    char text[160];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

std::string EntryBytes(const uint8_t e[4]) {
    return Format("%02X %02X %02X %02X", e[0], e[1], e[2], e[3]);
}

std::string KeyCombination(const uint8_t e[4]) {
    std::string text = ModifierNames(e[1]);
    for (int i = 2; i <= 3; ++i) {
        if (e[i] == 0) continue;
        if (!text.empty()) text += '+';
        text += KeyUsageName(e[i]);
    }
    return "key combination " + (text.empty() ? std::string("(none)") : text);
}

std::string EventEntry(const uint8_t e[4]) {
    std::string text = Format("event word %04X:%04X", e[2], e[3]);
    if (e[2] == 0x0A) text += Format(" (run program of button %u)", e[3]);
    if (e[2] == 0xA0) text += " (open Option)";
    return text;
}

// Entry byte 0 of functions the mouse carries out itself, named after the
// event words the same class reports.
const char* DeviceFunctionClass(uint8_t b0) {
    switch (b0) {
        case 0x05: return "report rate function";
        case 0x07: return "DPI stage function";
        case 0x08: return "profile function";
        default: return "device function";
    }
}

// --- settings block -------------------------------------------------------

constexpr int kLevels1 = 0x54, kLevels2 = 0x5C, kStageMask = 0x64;
constexpr int kEffect = 0x47, kSpeed = 0x48, kColour = 0x49, kSensX = 0x4A, kSensY = 0x4B;

bool IsProfileByte(int offset) {
    return (offset >= kEffect && offset <= kSensY) || (offset >= kLevels1 && offset < kLevels1 + 6) ||
           (offset >= kLevels2 && offset < kLevels2 + 6) || offset == kStageMask;
}

constexpr Block128 SettingsTemplate() {
    Block128 t{};
    t[0] = t[1] = 0xFF;
    constexpr uint8_t row30[] = {0x35, 0xD4, 0x0B, 0x04, 0, 0, 0, 0, 0, 0, 0, 0, 0x04, 0x80, 0x03, 0x00};
    constexpr uint8_t row40[] = {0x0F, 0x04, 0x0A, 0x0A, 0x19, 0x19, 0x07, 0, 0, 0, 0, 0, 0x01, 0xC0, 0xF0, 0x03};
    constexpr uint8_t row50[] = {0x01, 0x01, 0x64, 0x00, 0, 0, 0, 0, 0, 0, 0x07, 0x07};
    constexpr uint8_t row5C[] = {0, 0, 0, 0, 0, 0, 0x07, 0x07, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0xFF, 0, 0, 0};
    constexpr uint8_t row70[] = {0xFF, 0xFF, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00,
                                 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    for (int i = 0; i < 16; ++i) t[0x30 + i] = row30[i];
    for (int i = 0; i < 16; ++i) t[0x40 + i] = row40[i];
    for (int i = 0; i < 12; ++i) t[0x50 + i] = row50[i];
    for (int i = 0; i < 20; ++i) t[0x5C + i] = row5C[i];
    for (int i = 0; i < 16; ++i) t[0x70 + i] = row70[i];
    return t;
}

// Effect byte -> lighting mode of the profile, with the speed bytes that
// its breathing speeds 1, 2 and "other" produce.
struct Effect {
    uint8_t Byte;
    int Mode;
    uint8_t Speeds[3];
};
constexpr Effect kEffects[] = {
    {0x05, 1, {0x01, 0x02, 0x05}}, {0x03, 2, {0x05, 0x08, 0x0F}}, {0x04, 3, {0x0A, 0x0F, 0x1E}},
    {0x01, 4, {0x04, 0x06, 0x08}}, {0x02, 5, {0x0F, 0x19, 0x23}},
};

std::string Lighting(const Block128& b) {
    if (b[kEffect] == 0) return "lighting off";
    for (const auto& effect : kEffects) {
        if (effect.Byte != b[kEffect]) continue;
        std::string speed = Format("speed byte 0x%02X", b[kSpeed]);
        if (b[kSpeed] == effect.Speeds[0]) speed = "breathing speed 1";
        if (b[kSpeed] == effect.Speeds[1]) speed = "breathing speed 2";
        if (b[kSpeed] == effect.Speeds[2]) speed = "breathing speed other";
        return Format("lighting mode %d, %s, colour %u", effect.Mode, speed.c_str(), b[kColour]);
    }
    return Format("lighting effect 0x%02X, speed byte 0x%02X, colour %u", b[kEffect], b[kSpeed], b[kColour]);
}

std::string StageList(uint8_t mask) {
    std::string text;
    for (int stage = 0; stage < 8; ++stage) {
        if (!(mask & (1u << stage))) continue;
        int last = stage;
        while (last + 1 < 8 && (mask & (1u << (last + 1)))) ++last;
        if (!text.empty()) text += ',';
        text += last == stage ? Format("%d", stage + 1) : Format("%d-%d", stage + 1, last + 1);
        stage = last;
    }
    return text.empty() ? "no stage on" : "stages " + text + " on";
}

// --- data slots -----------------------------------------------------------

// Counts the records of a macro slot after its two repeat bytes: a record
// opening with 01/81 is a long-delay record of four bytes, any other a
// two-byte record; a zero byte ends the list.
int CountMacroEvents(const Block128& d) {
    int count = 0;
    for (size_t i = 2; i < d.size() && d[i] != 0;) {
        i += ((d[i] & 0x7F) == 0x01) ? 4 : 2;
        ++count;
    }
    return count;
}

// Counts the steps of an advanced-gun slot; -1 when a record is unreadable.
int CountAdvancedSteps(const Block128& d) {
    int count = 0;
    size_t i = 2;
    auto at = [&](size_t k) -> int { return i + k < d.size() ? d[i + k] : -1; };
    while (i < d.size() && d[i] != 0) {
        if (at(0) == 0x01 && at(1) == 0xF0 && at(4) == 0x82 && at(5) == 0xF0) {
            i += 12;
        } else if (at(1) == 0xF0 && at(2) == 0x82 && at(3) == 0xF0) {
            i += (at(4) == 0x01 && at(5) == 0xFA) ? 10 : 4;
        } else {
            return -1;
        }
        ++count;
    }
    return count;
}

bool LooksLikeGun(const Block128& d) {
    return d[2] == 0x04 && d[3] == 0xF0 && d[4] == 0x06 && d[5] == 0xFA;
}

}  // namespace

std::string ButtonName(int entry) {
    return entry < 16 ? Format("button %d", entry + 1) : Format("button %d, bank 2", entry - 15);
}

std::string DescribeButtonEntry(const uint8_t e[4]) {
    switch (e[0]) {
        case 0x00:
            if (e[1] == 0 && e[2] == 0 && e[3] == 0) return "nothing";
            return KeyCombination(e);
        case 0x01: return "mouse button " + MouseButtonName(e[2]);
        case 0x03: return "consumer " + ConsumerUsageName(static_cast<uint16_t>(e[2] | e[3] << 8));
        case 0x06: return EventEntry(e);
        case 0x09: return Format("macro in slot %u, run mode %u", e[2], e[1]);
        case 0x0C:
            if (e[1] == 0x01) return "gun function 0C 01 (no slot)";
            return Format("gun in slot %u, mode byte %02X %02X", e[3], e[1], e[2]);
        default: return std::string(DeviceFunctionClass(e[0])) + " " + EntryBytes(e);
    }
}

std::vector<std::string> DescribeButtonTable(const Block128& table) {
    std::vector<std::string> lines;
    for (int n = 0; n < kButtonEntries; ++n) {
        const uint8_t* e = &table[4 * n];
        if (e[0] == 0 && e[1] == 0 && e[2] == 0 && e[3] == 0) continue;
        lines.push_back(ButtonName(n) + " -> " + DescribeButtonEntry(e));
    }
    if (lines.empty()) lines.push_back("all buttons empty");
    return lines;
}

uint8_t StageMask(const Block128& settings) { return settings[kStageMask]; }

std::string DescribeSettingsBlock(const Block128& b) {
    std::string text = "settings: DPI ";
    for (int i = 0; i < 6; ++i) text += Format(i ? "/%d" : "%d", b[kLevels1 + i] * 50);
    text += ", " + StageList(b[kStageMask]) + ", " + Lighting(b);
    text += Format(", sensitivity X %u Y %u", b[kSensX], b[kSensY]);
    for (int i = 0; i < 6; ++i) {
        if (b[kLevels1 + i] != b[kLevels2 + i]) {
            text += Format("; second level group differs at 0x%02X", kLevels2 + i);
            break;
        }
    }
    static constexpr Block128 kTemplate = SettingsTemplate();
    for (int offset = 0; offset < 128; ++offset) {
        if (IsProfileByte(offset) || b[offset] == kTemplate[offset]) continue;
        text += Format("; unexpected byte %02X at 0x%02X (expected %02X)", b[offset], offset, kTemplate[offset]);
        break;
    }
    return text;
}

std::string DescribeSlotColours(const Block128& b) {
    std::string text = "slot colours:";
    if (b[0] != 0x00 || b[1] != 0x00 || b[2] != 0xFF)
        text += Format(" unexpected header %02X %02X %02X;", b[0], b[1], b[2]);
    bool any = false;
    for (int s = 1; 3 * s + 2 < 128; ++s) {
        const uint8_t* c = &b[3 * s];
        if (c[0] == 0 && c[1] == 0 && c[2] == 0) continue;
        text += Format("%s slot %d #%02X%02X%02X", any ? "," : "", s, c[0], c[1], c[2]);
        any = true;
    }
    if (!any) text += " none";
    return text;
}

SlotKind KindOfSlot(const Block128* table, int slot, const Block128& data) {
    if (slot == 1 || slot == 6) return LooksLikeGun(data) ? SlotKind::Gun : SlotKind::Unknown;
    if (table) {
        for (int n = 0; n < kButtonEntries; ++n) {
            const uint8_t* e = &(*table)[4 * n];
            if (e[0] == 0x09 && e[2] == slot) return SlotKind::Macro;
            if (e[0] == 0x0C && e[1] != 0x01 && e[3] == slot)
                return LooksLikeGun(data) ? SlotKind::Gun : SlotKind::AdvancedGun;
        }
    }
    return LooksLikeGun(data) ? SlotKind::Gun : SlotKind::Unknown;
}

std::string DescribeSlot(int slot, SlotKind kind, const Block128& d) {
    const unsigned repeat = d[0] << 8 | d[1];
    switch (kind) {
        case SlotKind::Macro:
            return Format("slot %d: macro, %d events, repeat %u", slot, CountMacroEvents(d), repeat);
        case SlotKind::Gun:
            return Format("slot %d: gun, mode %u, value %u", slot, d[1], d[8] | d[9] << 8);
        case SlotKind::AdvancedGun: {
            int steps = CountAdvancedSteps(d);
            if (steps < 0) return Format("slot %d: advanced gun, unreadable step list, repeat %u", slot, repeat);
            return Format("slot %d: advanced gun, %d steps, repeat %u", slot, steps, repeat);
        }
        case SlotKind::Unknown: break;
    }
    return Format("slot %d: data not referred to by any button", slot);
}

}  // namespace vmouse
