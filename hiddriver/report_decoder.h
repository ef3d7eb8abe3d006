// Turns the bytes the mouse receives into text a person can read, for the
// virtual mouse's log and state listing.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vmouse {

using Block128 = std::array<uint8_t, 128>;

inline constexpr int kButtonEntries = 32;
inline constexpr int kSlotCount = 100;  // data slots 0..99; 100 (0x64) is the colour table

// One 4-byte button entry: "key combination Ctrl+C", "macro in slot 30", ...
std::string DescribeButtonEntry(const uint8_t entry[4]);
// Entry n (0..31) as "button 5" or "button 5, bank 2".
std::string ButtonName(int entry);
// "button N -> ..." for every entry that is not 00 00 00 00.
std::vector<std::string> DescribeButtonTable(const Block128& table);

// "DPI 800/1600/..., stages 1-6 on, lighting mode 1, breathing speed 2, ..."
// Constant bytes that differ from the expected layout are named at the end.
std::string DescribeSettingsBlock(const Block128& block);
// The enabled-stage mask of a settings block (bit n = stage n + 1).
uint8_t StageMask(const Block128& settings);

// "slot colours: slot 11 #FF0000, ..."
std::string DescribeSlotColours(const Block128& block);

enum class SlotKind { Unknown, Macro, Gun, AdvancedGun };
// What a slot holds, from the button entry that refers to it (09 = macro,
// 0C = gun family) and, for the gun family, from the slot's own bytes.
// `table` may be null when no button table has been received.
SlotKind KindOfSlot(const Block128* table, int slot, const Block128& data);
// "slot 30: macro, 6 events, repeat 1"
std::string DescribeSlot(int slot, SlotKind kind, const Block128& data);

}  // namespace vmouse
