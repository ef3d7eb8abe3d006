// The pointer, wheel, double-click and sensitivity controls of the
// advanced settings page. They write straight into the current profile of
// the edited copy; the double-click time also takes effect at once.
//
//   PointerSettingsModel pointer({edited, host, texts});
//   pointer.Refresh();                     // page shown or profile changed
//   pointer.SliderMoved(kPointerSpeedSliderId, 3);
//   pointer.Controls().pointerField        // -3
#pragma once

#include <cstdint>

#include "profile/shared_block.h"
#include "profile/text_source.h"

// Control ids: sliders, then the two numeric fields.
inline constexpr int kWheelLinesSliderId = 202;
inline constexpr int kDoubleClickSliderId = 203;
inline constexpr int kPointerSpeedSliderId = 204;
inline constexpr int kSensitivityXSliderId = 205;
inline constexpr int kSensitivityYSliderId = 206;
inline constexpr int kPointerSpeedFieldId = 400;
inline constexpr int kWheelLinesFieldId = 401;
inline constexpr unsigned kSliderMovedMessage = 0x0446;  // wParam position, lParam slider id

struct ControlRange {
    int minimum;
    int maximum;
};
inline constexpr ControlRange kSpeedSliderRange{1, 11};        // pointer speed
inline constexpr ControlRange kSensitivitySliderRange{1, 10};  // X and Y
inline constexpr ControlRange kWheelLinesRange{1, 11};         // slider and field
inline constexpr ControlRange kDoubleClickSliderRange{0, 700};
inline constexpr ControlRange kPointerFieldRange{-5, 5};
// The pointer field shows the slider's position less this.
inline constexpr int kPointerFieldOffset = 6;
// The double-click slider runs backwards: time = this - position.
inline constexpr int kSlowestDoubleClick = 900;
// Acceleration level set by the acceleration option.
inline constexpr int32_t kOptionAcceleration = 8;

// Speeds 1, 2, 4, ... 20 of slider positions 1..11; 10 for any other.
int32_t SpeedOfPosition(int position);
// The nearest position of a stored speed; 6 for unknown speeds.
int PositionOfSpeed(int32_t speed);

// Where each control stands.
struct PointerControls {
    int pointerSlider = 6;
    int pointerField = 0;
    bool acceleration = false;
    int wheelSlider = 3;
    int wheelField = 3;
    bool onePage = false;
    bool wheelSliderEnabled = true;
    int doubleClickSlider = 350;
    int xSlider = 6;
    int ySlider = 6;
    bool synchronise = false;
    bool operator==(const PointerControls&) const = default;
};

class PointerSettingsHost {
public:
    virtual ~PointerSettingsHost() = default;
    // The system's double-click time, set at once.
    virtual void SetDoubleClickTime(int32_t milliseconds) = 0;
    // The restore-defaults confirmation; true on OK.
    virtual bool ConfirmRestoreDefaults() = 0;
    // The profiles were reset: the main window refreshes and applies them.
    virtual void ProfilesRestored() = 0;
};

struct PointerSettingsParts {
    SharedBlock& edited;
    PointerSettingsHost& host;
    const TextSource& texts;  // the preset pattern names of the defaults
};

class PointerSettingsModel {
public:
    explicit PointerSettingsModel(const PointerSettingsParts& parts) : parts_(parts) {}

    // Every control from the current profile.
    void Refresh();
    // A slider at `position` (message 0x0446), a numeric field at `value`
    // (message 0x045A); values outside a control's range are held at its ends.
    void SliderMoved(int id, int position);
    void FieldChanged(int id, int value);
    void OnePageClicked(bool on);
    void AccelerationClicked(bool on);
    void SynchroniseClicked(bool on);
    // After the confirmation: all five profiles to their defaults, profile 0
    // current. False when it was declined.
    bool RestoreDefaults();

    const PointerControls& Controls() const { return controls_; }

private:
    Profile* Current() { return ActiveProfile(parts_.edited); }
    void SensitivityMoved(int position, bool x);

    PointerSettingsParts parts_;
    PointerControls controls_;
};
