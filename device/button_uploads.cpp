#include <algorithm>

#include "device/device_image.h"

namespace {
// The last slot number an apply sends; the number after it addresses the
// slot colours.
constexpr int kLastUploadedSlot = 98;
}  // namespace

std::vector<DataUpload> ButtonUploads(const DeviceImage& image) {
    std::vector<DataUpload> uploads;
    DataUpload table{ButtonTableCommand(), {}};
    std::copy(std::begin(image.ButtonTable), std::end(image.ButtonTable), table.Data.begin());
    uploads.push_back(table);
    uploads.push_back({SlotColourCommand(), image.SlotColourBlock()});
    for (int s = 0; s <= kLastUploadedSlot; ++s) {
        if (image.Used[s] != 1) continue;
        DataUpload slot{DataSlotCommand(s), {}};
        std::copy(std::begin(image.Slots[s]), std::end(image.Slots[s]), slot.Data.begin());
        uploads.push_back(slot);
    }
    return uploads;
}
