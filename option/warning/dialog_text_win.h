// The dialogs' texts on the platform: their SimSun fonts, made once per
// dialog, and the texts measured and drawn with word-wrapping.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "option/warning/dialog_text.h"
#include "shell/owned_handles_win.h"

class DialogFonts {
public:
    // Makes one font for each of `fonts` (by height and weight).
    explicit DialogFonts(std::initializer_list<DialogFont> fonts);
    HFONT Get(const DialogFont& font) const;

private:
    struct Made {
        DialogFont font;
        UniqueFont handle;
    };
    std::vector<Made> made_;
};

// Measures on `dc` in the dialog's fonts.
class GdiTextMeasure final : public TextMeasure {
public:
    GdiTextMeasure(HDC dc, const DialogFonts& fonts) : dc_(dc), fonts_(fonts) {}
    int WrappedHeight(std::string_view text, const DialogFont& font, int width) const override;

private:
    HDC dc_;
    const DialogFonts& fonts_;
};

// Draws `text` word-wrapped in its placed rectangle, transparent, in `font`'s colour.
void DrawPlacedText(HDC canvas, const std::string& text, const PlacedText& place, const DialogFont& font,
                    const DialogFonts& fonts);
