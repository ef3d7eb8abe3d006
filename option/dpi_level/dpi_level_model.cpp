#include "option/dpi_level/dpi_level_model.h"

uint32_t PackDpiLevelNotice(DpiLevelChange kind, int data) {
    return (static_cast<uint32_t>(kind) << 16) | (static_cast<uint32_t>(data) & 0xFFFF);
}

DpiLevelNotice UnpackDpiLevelNotice(uint32_t wParam) {
    return {static_cast<DpiLevelChange>(wParam >> 16), static_cast<uint16_t>(wParam & 0xFFFF)};
}

// Wide enough that a damaged stored value cannot overflow.
std::string DpiLevelModel::LabelText() const { return std::to_string(static_cast<long long>(value_) * kDpiPerUnit); }

std::optional<uint32_t> DpiLevelModel::SliderMoved(int v) {
    if (v == value_) return std::nullopt;
    value_ = v;
    return PackDpiLevelNotice(DpiLevelChange::kValue, v);
}

uint32_t DpiLevelModel::StripClicked(bool selected) {
    current_ = selected;
    return PackDpiLevelNotice(DpiLevelChange::kCurrent, selected);
}

std::optional<uint32_t> DpiLevelModel::SwitchClicked(bool selected) {
    if (!EnableSwitchEnabled()) return std::nullopt;
    enabled_ = selected;
    return PackDpiLevelNotice(DpiLevelChange::kEnabled, selected);
}
