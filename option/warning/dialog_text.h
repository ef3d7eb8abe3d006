// Texts that the skinned dialogs paint themselves: their fonts (all in the
// SimSun face), their measurement (word-wrapped, done by the platform and
// injected here) and where they land in their boxes.
#pragma once

#include <cstdint>
#include <string_view>

#include "shell/button_look.h"
#include "shell/skin_rect.h"

struct DialogFont {
    int height;
    int weight;
    uint32_t colour;  // 0x00BBGGRR
};

// OK and Cancel of the dialogs: normal, over, down, disabled.
inline constexpr ButtonTextColours kDialogButtonTextColours{Rgb(230, 230, 230), Rgb(0, 0, 230), Rgb(230, 230, 230),
                                                            Rgb(150, 150, 150)};
inline constexpr int kDialogButtonFontHeight = 15;

class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    // Height of `text` wrapped at word breaks to `width` pixels in `font`.
    virtual int WrappedHeight(std::string_view text, const DialogFont& font, int width) const = 0;
};

enum class TextAlign { Left, Centre };

struct PlacedText {
    SkinRect rect;  // where to draw; the text is clipped to it
    TextAlign align;
};

// The measured rectangle of a text `height` high in `box`: from the box's
// top, or vertically centred in it when `centre` is set. A text taller than
// its box fills the box from its top and is clipped there.
PlacedText PlaceText(const SkinRect& box, int height, bool centre, TextAlign align);
