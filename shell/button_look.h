// How the skinned buttons look and react: which of the four cut pictures
// they show, which caption colour goes with it, where the caption sits, and
// the press/release rules of the shaped button. Colours are 0x00BBGGRR.
#pragma once

#include <cstdint>
#include <optional>

// Index into a button's four pictures, in the order they are cut.
enum class ButtonPicture { Normal = 0, Over = 1, Down = 2, Disable = 3 };

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | (g << 8) | (b << 16); }

struct ButtonTextColours {
    uint32_t normal;
    uint32_t over;
    uint32_t down;
    uint32_t disable;
};

constexpr ButtonTextColours kSkinButtonTextColours{Rgb(245, 245, 245), Rgb(255, 0, 0), Rgb(255, 0, 0),
                                                   Rgb(150, 150, 150)};
constexpr ButtonTextColours kBitmapButtonTextColours{Rgb(230, 230, 230), Rgb(0, 0, 230), Rgb(0, 0, 230),
                                                     Rgb(110, 110, 110)};

// States of the shaped button.
enum SkinButtonState { kStateNormal = 0, kStateHover = 1, kStatePressed = 2, kStateDisabled = 3 };

// The state as it is painted: a disabled window shows 3, and an enabled one
// leaves 3 for 0.
int PaintedSkinButtonState(int state, bool enabled);
// Down while latched, else the picture of the state.
ButtonPicture SkinButtonPicture(int state, bool latched);
uint32_t SkinButtonTextColour(const ButtonTextColours& colours, ButtonPicture picture);

// Press and release of the shaped button. A click counts only when the
// press started on the button and the release lies inside its outline.
class SkinButtonClicks {
public:
    void Press(bool insideOutline);
    // Returns true when the release completes a click to report.
    bool Release(bool insideOutline, bool toggleMode);
    void SetState(int state) { state_ = state; }
    int State() const { return state_; }
    bool Tracking() const { return tracking_; }
    bool Latched() const { return latched_; }
    void SetLatched(bool latched) { latched_ = latched; }

private:
    int state_ = kStateNormal;
    bool tracking_ = false;
    bool latched_ = false;
};

// What the owner-drawn rectangular buttons know when they draw.
struct BitmapButtonLook {
    bool toggleMode = false;
    bool selected = false;
    bool disabled = false;
    bool pressed = false;
    bool hover = false;
};

ButtonPicture BitmapButtonPicture(const BitmapButtonLook& look);
uint32_t BitmapButtonTextColour(const ButtonTextColours& colours, const BitmapButtonLook& look);

// Caption placement of the rectangular buttons: no value = centred,
// otherwise left-aligned after this many pixels.
std::optional<int> CaptionLeftInset(int textMode);
