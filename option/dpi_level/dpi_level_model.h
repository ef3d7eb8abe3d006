// What one DPI level control holds and shows, and the message it sends its
// owner on every change.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "shell/skin_rect.h"

inline constexpr int kDpiLevelCount = 6;
inline constexpr int kDpiLevelFirstId = 500;            // control id of level n: 500 + n
inline constexpr int kDpiLevelFirstButtonPos = 24;      // its BUTTONPOS entry: 24 + n
inline constexpr int kDpiLevelFirstTitleString = 159;   // its title: language string 159 + n
inline constexpr unsigned kDpiLevelMessage = 0x468;     // wParam packed below, lParam = control id
inline constexpr int kDpiSliderId = 300;
inline constexpr int kDpiSliderMinimum = 2;             // 100 DPI
inline constexpr int kDpiSliderMaximum = 164;           // 8200 DPI
inline constexpr bool kDpiSliderSnaps = true;
inline constexpr int kDpiPerUnit = 50;
inline constexpr const char* kDpiLevelMaskFile = "DPI_Window_Mask.bmp";
inline constexpr const char* kDpiSliderThumbFile = "scroll_arrow_down.bmp";

// The parts, in control coordinates.
inline constexpr SkinRect kDpiCurrentStripRect{0, 0, 350, 20};
inline constexpr SkinRect kDpiEnableSwitchRect{4, 20, 25, 45};
inline constexpr SkinRect kDpiSliderRect{33, 19, 293, 29};
inline constexpr SkinRect kDpiValueLabelRect{301, 22, 341, 37};

enum class DpiLevelChange : uint16_t {
    kEnabled = 1,  // data: the new enabled flag
    kValue = 2,    // data: the new value, in units of 50 DPI
    kCurrent = 3,  // data: the strip's selected flag after the click
};

struct DpiLevelNotice {
    DpiLevelChange kind;
    uint16_t data;
    bool operator==(const DpiLevelNotice&) const = default;
};

// wParam = kind in the high 16 bits, the data's low 16 bits below.
uint32_t PackDpiLevelNotice(DpiLevelChange kind, int data);
DpiLevelNotice UnpackDpiLevelNotice(uint32_t wParam);

class DpiLevelModel {
public:
    int Value() const { return value_; }
    bool Enabled() const { return enabled_; }
    bool IsCurrent() const { return current_; }

    void SetValue(int v) { value_ = v; }
    void SetEnabled(bool on) { enabled_ = on; }
    void SetCurrent(bool on) { current_ = on; }

    std::string LabelText() const;
    // The strip, slider and label follow the enabled flag; the enable switch
    // is locked while the level is the current one.
    bool PartsEnabled() const { return enabled_; }
    bool EnableSwitchEnabled() const { return !current_; }
    // The current level is painted with the Down picture.
    bool PaintsDown() const { return current_; }

    // User actions; each returns the wParam of the message to post, if any.
    std::optional<uint32_t> SliderMoved(int v);
    uint32_t StripClicked(bool selected);
    std::optional<uint32_t> SwitchClicked(bool selected);

private:
    int value_ = 0;
    bool enabled_ = false;
    bool current_ = false;
};
