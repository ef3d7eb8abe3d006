#include <gtest/gtest.h>

#include "shell/button_look.h"

using P = ButtonPicture;

TEST(SkinButtonLook, LatchedShowsDownWhateverTheState) {
    for (int state = 0; state < 4; ++state) EXPECT_EQ(SkinButtonPicture(state, true), P::Down);
    EXPECT_EQ(SkinButtonPicture(kStateNormal, false), P::Normal);
    EXPECT_EQ(SkinButtonPicture(kStateHover, false), P::Over);
    EXPECT_EQ(SkinButtonPicture(kStatePressed, false), P::Down);
    EXPECT_EQ(SkinButtonPicture(kStateDisabled, false), P::Disable);
}

TEST(SkinButtonLook, DisablingAndReEnablingComeBackToNormal) {
    EXPECT_EQ(PaintedSkinButtonState(kStateHover, false), kStateDisabled);
    EXPECT_EQ(PaintedSkinButtonState(kStateDisabled, true), kStateNormal);
    EXPECT_EQ(PaintedSkinButtonState(kStateHover, true), kStateHover);
}

TEST(SkinButtonLook, CaptionColourFollowsThePicture) {
    const ButtonTextColours c{1, 2, 3, 4};
    EXPECT_EQ(SkinButtonTextColour(c, P::Normal), 1u);
    EXPECT_EQ(SkinButtonTextColour(c, P::Over), 2u);
    EXPECT_EQ(SkinButtonTextColour(c, P::Down), 3u);
    EXPECT_EQ(SkinButtonTextColour(c, P::Disable), 4u);
    EXPECT_EQ(kSkinButtonTextColours.over, 0x0000FFu);  // red
    EXPECT_EQ(kBitmapButtonTextColours.over, 0xE60000u);  // blue 230
}

TEST(SkinButtonClicks, PressInsideReleaseOutsideIsNoClick) {
    SkinButtonClicks clicks;
    clicks.Press(true);
    EXPECT_EQ(clicks.State(), kStatePressed);
    EXPECT_TRUE(clicks.Tracking());
    EXPECT_FALSE(clicks.Release(false, true));
    EXPECT_EQ(clicks.State(), kStateNormal);
    EXPECT_FALSE(clicks.Tracking());
    EXPECT_FALSE(clicks.Latched());  // nothing reported, so nothing latched
}

TEST(SkinButtonClicks, ReleaseWithoutAPressOnTheButtonIsNoClick) {
    SkinButtonClicks clicks;
    EXPECT_FALSE(clicks.Release(true, false));
    clicks.Press(false);  // pressed on a transparent part while captured
    EXPECT_FALSE(clicks.Release(true, false));
}

TEST(SkinButtonClicks, ToggleLatchesOnOddClicks) {
    SkinButtonClicks clicks;
    for (int n = 1; n <= 4; ++n) {
        clicks.Press(true);
        EXPECT_TRUE(clicks.Release(true, true));
        EXPECT_EQ(clicks.Latched(), n % 2 == 1) << n;
        EXPECT_EQ(SkinButtonPicture(clicks.State(), clicks.Latched()), n % 2 ? P::Down : P::Normal);
    }
    clicks.Press(true);
    EXPECT_TRUE(clicks.Release(true, false));  // plain mode never latches
    EXPECT_FALSE(clicks.Latched());
}

TEST(BitmapButtonLook, ToggleModeOrder) {
    BitmapButtonLook look{.toggleMode = true, .selected = true, .disabled = true, .pressed = true, .hover = true};
    EXPECT_EQ(BitmapButtonPicture(look), P::Disable);
    look.disabled = false;
    EXPECT_EQ(BitmapButtonPicture(look), P::Down);
    look.selected = false;
    EXPECT_EQ(BitmapButtonPicture(look), P::Over);  // pressing shows nothing in toggle mode
    look.hover = false;
    EXPECT_EQ(BitmapButtonPicture(look), P::Normal);
}

TEST(BitmapButtonLook, PushModeOrder) {
    BitmapButtonLook look{.selected = true, .disabled = true};
    EXPECT_EQ(BitmapButtonPicture(look), P::Disable);
    look.disabled = false;
    EXPECT_EQ(BitmapButtonPicture(look), P::Down);
    look = {.disabled = true, .pressed = true, .hover = true};
    EXPECT_EQ(BitmapButtonPicture(look), P::Down);
    look.pressed = false;
    EXPECT_EQ(BitmapButtonPicture(look), P::Over);
    look.hover = false;
    EXPECT_EQ(BitmapButtonPicture(look), P::Disable);
    look.disabled = false;
    EXPECT_EQ(BitmapButtonPicture(look), P::Normal);
}

TEST(BitmapButtonLook, CaptionColourPrefersHoverThenDisabledThenPressed) {
    const ButtonTextColours c{1, 2, 3, 4};
    EXPECT_EQ(BitmapButtonTextColour(c, {.disabled = true, .hover = true}), 2u);
    EXPECT_EQ(BitmapButtonTextColour(c, {.selected = true, .disabled = true}), 4u);
    EXPECT_EQ(BitmapButtonTextColour(c, {.selected = true}), 3u);
    EXPECT_EQ(BitmapButtonTextColour(c, {.pressed = true}), 3u);
    EXPECT_EQ(BitmapButtonTextColour(c, {}), 1u);
}

TEST(BitmapButtonLook, CaptionInsets) {
    EXPECT_FALSE(CaptionLeftInset(4).has_value());
    EXPECT_EQ(CaptionLeftInset(5), 10);
    EXPECT_EQ(CaptionLeftInset(6), 25);
    EXPECT_EQ(CaptionLeftInset(7), 30);
    EXPECT_EQ(CaptionLeftInset(0), 40);
    EXPECT_EQ(CaptionLeftInset(8), 40);
}
