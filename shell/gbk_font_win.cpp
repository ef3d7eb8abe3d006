#include "shell/gbk_font_win.h"

HFONT CreateGbkFaceFont(const char* gbkFace, int height, int width, int weight, BYTE family) {
    wchar_t face[LF_FACESIZE] = {};
    if (MultiByteToWideChar(936, 0, gbkFace, -1, face, LF_FACESIZE) == 0)
        MultiByteToWideChar(CP_ACP, 0, gbkFace, -1, face, LF_FACESIZE);
    return CreateFontW(height, width, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | family, face);
}

HFONT CreateCaptionFont(int height, int width) {
    static constexpr char kSimSunGbk[] = "\xCB\xCE\xCC\xE5";
    return CreateGbkFaceFont(kSimSunGbk, height, width, FW_NORMAL, FF_SWISS);
}
