#include "shell/button_look.h"

int PaintedSkinButtonState(int state, bool enabled) {
    if (!enabled) return kStateDisabled;
    return state == kStateDisabled ? kStateNormal : state;
}

ButtonPicture SkinButtonPicture(int state, bool latched) {
    if (latched) return ButtonPicture::Down;
    switch (state) {
        case kStateHover: return ButtonPicture::Over;
        case kStatePressed: return ButtonPicture::Down;
        case kStateDisabled: return ButtonPicture::Disable;
        default: return ButtonPicture::Normal;
    }
}

uint32_t SkinButtonTextColour(const ButtonTextColours& colours, ButtonPicture picture) {
    switch (picture) {
        case ButtonPicture::Down: return colours.down;
        case ButtonPicture::Over: return colours.over;
        case ButtonPicture::Disable: return colours.disable;
        default: return colours.normal;
    }
}

void SkinButtonClicks::Press(bool insideOutline) {
    tracking_ = true;
    if (insideOutline) state_ = kStatePressed;
}

bool SkinButtonClicks::Release(bool insideOutline, bool toggleMode) {
    const bool click = tracking_ && state_ == kStatePressed && insideOutline;
    // The latch flips only with a reported click, so the parent always
    // knows the latched state.
    if (click && toggleMode) latched_ = !latched_;
    tracking_ = false;
    state_ = kStateNormal;
    return click;
}

ButtonPicture BitmapButtonPicture(const BitmapButtonLook& look) {
    if (look.toggleMode) {
        if (look.disabled) return ButtonPicture::Disable;
        if (look.selected) return ButtonPicture::Down;
        return look.hover ? ButtonPicture::Over : ButtonPicture::Normal;
    }
    if (look.selected) return look.disabled ? ButtonPicture::Disable : ButtonPicture::Down;
    if (look.pressed) return ButtonPicture::Down;
    if (look.hover) return ButtonPicture::Over;
    return look.disabled ? ButtonPicture::Disable : ButtonPicture::Normal;
}

uint32_t BitmapButtonTextColour(const ButtonTextColours& colours, const BitmapButtonLook& look) {
    if (look.hover) return colours.over;
    if (look.disabled) return colours.disable;
    if (look.pressed || look.selected) return colours.down;
    return colours.normal;
}

std::optional<int> CaptionLeftInset(int textMode) {
    switch (textMode) {
        case 4: return std::nullopt;
        case 5: return 10;
        case 6: return 25;
        case 7: return 30;
        default: return 40;
    }
}
