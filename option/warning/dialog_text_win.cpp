#include "option/warning/dialog_text_win.h"

#include "shell/gbk_font_win.h"

namespace {

constexpr char kSimSunGbk[] = "\xCB\xCE\xCC\xE5";  // SimSun's Chinese name

constexpr UINT kWrap = DT_WORDBREAK | DT_NOPREFIX;

}  // namespace

DialogFonts::DialogFonts(std::initializer_list<DialogFont> fonts) {
    for (const DialogFont& font : fonts)
        if (!Get(font)) made_.push_back({font, UniqueFont(CreateGbkFaceFont(kSimSunGbk, font.height, 0, font.weight, FF_DONTCARE))});
}

HFONT DialogFonts::Get(const DialogFont& font) const {
    for (const Made& made : made_)
        if (made.font.height == font.height && made.font.weight == font.weight) return made.handle.get();
    return nullptr;
}

int GdiTextMeasure::WrappedHeight(std::string_view text, const DialogFont& font, int width) const {
    if (text.empty()) return 0;
    const SelectedObject selected(dc_, fonts_.Get(font));
    RECT box{0, 0, width, 0};
    DrawTextA(dc_, text.data(), static_cast<int>(text.size()), &box, DT_CALCRECT | kWrap);
    return box.bottom - box.top;
}

void DrawPlacedText(HDC canvas, const std::string& text, const PlacedText& place, const DialogFont& font,
                    const DialogFonts& fonts) {
    const SelectedObject selected(canvas, fonts.Get(font));
    SetBkMode(canvas, TRANSPARENT);
    SetTextColor(canvas, font.colour);
    RECT box{place.rect.left, place.rect.top, place.rect.right, place.rect.bottom};
    const UINT align = place.align == TextAlign::Centre ? DT_CENTER : DT_LEFT;
    DrawTextA(canvas, text.c_str(), static_cast<int>(text.size()), &box, align | kWrap);
}
