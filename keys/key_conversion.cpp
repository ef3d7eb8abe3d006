#include "keys/key_conversion.h"

#include "keys/key_code_table.h"

namespace {

bool RefinedByPosition(uint32_t usage) { return usage >= 0x04 && usage <= 0x45; }

template <typename Match>
const KeyCodeRow* FindRow(Match match) {
    for (const KeyCodeRow& row : KeyCodeTable)
        if (match(row)) return &row;
    return nullptr;
}

}  // namespace

std::optional<uint32_t> VkToUsage(uint32_t vk, MapVirtualKeyFunction map) {
    const KeyCodeRow* row = FindRow([vk](const KeyCodeRow& r) { return r.vk == vk; });
    if (!row) return std::nullopt;
    if (!RefinedByPosition(row->usage)) return row->usage;
    // A layout without a scan code for the key gives 0, which would match the
    // first row that has no scan code (Print Screen): keep the key's own usage.
    const uint32_t scan = map(vk, kMapVkToScan);
    if (scan == 0) return row->usage;
    const KeyCodeRow* atPosition = FindRow([scan](const KeyCodeRow& r) { return r.scan == scan; });
    return atPosition ? atPosition->usage : row->usage;
}

std::optional<uint32_t> UsageToVk(uint32_t usage, MapVirtualKeyFunction map) {
    const KeyCodeRow* row = FindRow([usage](const KeyCodeRow& r) { return r.usage == usage; });
    if (!row) return std::nullopt;
    if (!RefinedByPosition(usage)) return row->vk;
    // A layout with no key at that position still shows the key by its US name.
    const uint32_t vk = map(row->scan, kMapScanToVkEx);
    return vk != 0 ? vk : row->vk;
}
