#include "option/advanced_page/pointer_settings_model.h"

#include <algorithm>
#include <cstring>

#include "profile/profile_defaults.h"

namespace {

constexpr int32_t kSpeeds[] = {1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20};
constexpr int32_t kDefaultSpeed = 10;

int Bound(int v, ControlRange r) { return std::clamp(v, r.minimum, r.maximum); }

}  // namespace

int32_t SpeedOfPosition(int position) {
    if (position < kSpeedSliderRange.minimum || position > kSpeedSliderRange.maximum) return kDefaultSpeed;
    return kSpeeds[position - 1];
}

int PositionOfSpeed(int32_t speed) {
    if (speed == 0 || speed == 1) return 1;
    // Pairs of speeds share a position; 9, 10 and unknown speeds sit in the middle.
    if ((speed >= 2 && speed <= 8) || (speed >= 11 && speed <= 20)) return (speed + 1) / 2 + 1;
    return 6;
}

void PointerSettingsModel::Refresh() {
    const Profile* p = Current();
    if (!p) return;
    controls_.pointerSlider = PositionOfSpeed(p->MouseSpeed);
    controls_.pointerField = controls_.pointerSlider - kPointerFieldOffset;
    controls_.wheelSlider = controls_.wheelField = Bound(p->ScrollWheelSpeed, kWheelLinesRange);
    controls_.acceleration = p->AccelerationFlag == 1;
    controls_.onePage = p->ScrollWheelFlag == 1;
    controls_.wheelSliderEnabled = !controls_.onePage;
    controls_.doubleClickSlider = Bound(kSlowestDoubleClick - p->DbleClickSpeed, kDoubleClickSliderRange);
    controls_.xSlider = Bound(PositionOfSpeed(p->Sensitivity_X), kSensitivitySliderRange);
    controls_.ySlider = Bound(PositionOfSpeed(p->Sensitivity_Y), kSensitivitySliderRange);
    controls_.synchronise = p->XYSynchronous == 1;
}

void PointerSettingsModel::SliderMoved(int id, int position) {
    Profile* p = Current();
    if (!p) return;
    switch (id) {
        case kWheelLinesSliderId:
            p->ScrollWheelSpeed = controls_.wheelSlider = controls_.wheelField = Bound(position, kWheelLinesRange);
            break;
        case kDoubleClickSliderId:
            controls_.doubleClickSlider = Bound(position, kDoubleClickSliderRange);
            p->DbleClickSpeed = kSlowestDoubleClick - controls_.doubleClickSlider;
            parts_.host.SetDoubleClickTime(p->DbleClickSpeed);
            break;
        case kPointerSpeedSliderId:
            controls_.pointerSlider = Bound(position, kSpeedSliderRange);
            controls_.pointerField = controls_.pointerSlider - kPointerFieldOffset;
            p->MouseSpeed = SpeedOfPosition(controls_.pointerSlider);
            break;
        case kSensitivityXSliderId: SensitivityMoved(position, true); break;
        case kSensitivityYSliderId: SensitivityMoved(position, false); break;
        default: break;
    }
}

void PointerSettingsModel::SensitivityMoved(int position, bool x) {
    Profile* p = Current();
    position = Bound(position, kSensitivitySliderRange);
    const int32_t speed = SpeedOfPosition(position);
    (x ? controls_.xSlider : controls_.ySlider) = position;
    (x ? p->Sensitivity_X : p->Sensitivity_Y) = speed;
    if (p->XYSynchronous != 1) return;
    (x ? controls_.ySlider : controls_.xSlider) = position;
    (x ? p->Sensitivity_Y : p->Sensitivity_X) = speed;
}

void PointerSettingsModel::FieldChanged(int id, int value) {
    Profile* p = Current();
    if (!p) return;
    if (id == kPointerSpeedFieldId) {
        const int position = Bound(value, kPointerFieldRange) + kPointerFieldOffset;
        if (SpeedOfPosition(position) == p->MouseSpeed) return;
        p->MouseSpeed = SpeedOfPosition(position);
        controls_.pointerSlider = position;
        controls_.pointerField = position - kPointerFieldOffset;
    } else if (id == kWheelLinesFieldId) {
        const int lines = Bound(value, kWheelLinesRange);
        if (lines == p->ScrollWheelSpeed) return;
        p->ScrollWheelSpeed = controls_.wheelSlider = controls_.wheelField = lines;
    }
}

void PointerSettingsModel::OnePageClicked(bool on) {
    Profile* p = Current();
    if (!p) return;
    p->ScrollWheelFlag = on ? 1 : 0;
    controls_.onePage = on;
    controls_.wheelSliderEnabled = !on;
}

void PointerSettingsModel::AccelerationClicked(bool on) {
    Profile* p = Current();
    if (!p) return;
    p->AccelerationFlag = on ? 1 : 0;
    p->Acceleration = on ? kOptionAcceleration : 0;
    controls_.acceleration = on;
}

void PointerSettingsModel::SynchroniseClicked(bool on) {
    Profile* p = Current();
    if (!p) return;
    p->XYSynchronous = on ? 1 : 0;
    controls_.synchronise = on;
    if (!on || p->Sensitivity_Y == p->Sensitivity_X) return;
    p->Sensitivity_Y = p->Sensitivity_X;
    controls_.xSlider = controls_.ySlider = Bound(PositionOfSpeed(p->Sensitivity_X), kSensitivitySliderRange);
}

bool PointerSettingsModel::RestoreDefaults() {
    if (!parts_.host.ConfirmRestoreDefaults()) return false;
    // The defaults leave fields they do not list as they are: start from zero.
    std::memset(parts_.edited.Profiles, 0, sizeof parts_.edited.Profiles);
    BuildDefaultProfiles(parts_.edited, parts_.texts);
    Refresh();
    parts_.host.ProfilesRestored();
    return true;
}
