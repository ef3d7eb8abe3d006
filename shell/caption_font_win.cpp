#include "shell/caption_font_win.h"

#include <cstring>

HFONT CreateCaptionFont(int height, int width) {
    LOGFONTA font{};
    font.lfHeight = height;
    font.lfWidth = width;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfPitchAndFamily = FF_SWISS;
    static constexpr char kSimSunGbk[] = "\xCB\xCE\xCC\xE5";
    std::memcpy(font.lfFaceName, kSimSunGbk, sizeof kSimSunGbk);
    return CreateFontIndirectA(&font);
}
