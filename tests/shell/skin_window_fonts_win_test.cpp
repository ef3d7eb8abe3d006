// The GBK-named faces of the skinned windows decode to their Chinese names
// whatever the system code page is.
#include <gtest/gtest.h>

#include <windows.h>

#include "shell/gbk_font_win.h"

namespace {

LOGFONTW Describe(HFONT font) {
    LOGFONTW described{};
    GetObjectW(font, sizeof described, &described);
    return described;
}

TEST(GbkFaceFont, FaceNameIsDecodedFromCodePage936) {
    HFONT font = CreateGbkFaceFont("\xD0\xC2\xCB\xCE\xCC\xE5", 14, 0, 300, FF_SWISS);
    ASSERT_NE(font, nullptr);
    const LOGFONTW described = Describe(font);
    EXPECT_STREQ(described.lfFaceName, L"\x65B0\x5B8B\x4F53");  // NSimSun
    EXPECT_EQ(described.lfHeight, 14);
    EXPECT_EQ(described.lfWeight, 300);
    EXPECT_EQ(described.lfPitchAndFamily & 0xF0, FF_SWISS);
    DeleteObject(font);
}

TEST(GbkFaceFont, PlainAsciiNamesStayAsTheyAre) {
    HFONT font = CreateGbkFaceFont("Tahoma", 12, 5, FW_BOLD, FF_DONTCARE);
    EXPECT_STREQ(Describe(font).lfFaceName, L"Tahoma");
    DeleteObject(font);
}

TEST(GbkFaceFont, ButtonCaptionsUseSimSunOfTheGivenCellSize) {
    HFONT font = CreateCaptionFont(14, 6);
    const LOGFONTW described = Describe(font);
    EXPECT_STREQ(described.lfFaceName, L"\x5B8B\x4F53");  // SimSun
    EXPECT_EQ(described.lfHeight, 14);
    EXPECT_EQ(described.lfWidth, 6);
    EXPECT_EQ(described.lfWeight, FW_NORMAL);
    DeleteObject(font);
}

}  // namespace
