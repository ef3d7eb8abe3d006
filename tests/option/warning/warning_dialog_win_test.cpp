// The warning dialog under real input: only its buttons close it, every
// variant sits in the middle of its owner; a screenshot of each variant
// lands in the build folder.
#include <gtest/gtest.h>

#include "lan/language_win.h"
#include "option/warning/warning_dialog_win.h"
#include "skins/skin_entries.h"
#include "tests/option/modal_script_win.h"

namespace {

class WarningDialogTest : public ::testing::Test {
protected:
    std::string skins = WineFolder(SKIN_SET_DIR);
    LanguageLibrary texts{WineFolder(LAN_DIR)};
    DialogOwner owner;
};

TEST_F(WarningDialogTest, EnterAndEscapeDoNothingOnlyTheButtonsClose) {
    ASSERT_TRUE(texts.Loaded());
    struct Case {
        int button;
        INT_PTR result;
    };
    for (const Case c : {Case{skin_warn::kOk, IDOK}, Case{skin_warn::kCancel, IDCANCEL},
                         Case{skin_warn::kClose, IDCANCEL}}) {
        WarningDialog dialog(skins, texts, WarningVariant::D);
        ModalScript script(owner.window);
        HWND shown = nullptr;
        const INT_PTR result = script.Run(dialog, {
            [&](HWND top) {
                shown = top;
                ModalScript::Press({VK_RETURN, VK_ESCAPE});
            },
            [&](HWND top) {
                EXPECT_EQ(top, shown) << "Enter or Escape closed the dialog";
                ModalScript::ClickControl(top, c.button);
            }});
        EXPECT_EQ(script.StepsRun(), 2u);
        EXPECT_EQ(result, c.result) << "button " << c.button;
    }
}

TEST_F(WarningDialogTest, EveryVariantSitsInTheMiddleOfItsOwner) {
    struct Variant {
        WarningVariant variant;
        int kind;
        const char* shot;
    };
    const Variant variants[] = {
        {WarningVariant::A, 0, "warning_A.bmp"},        {WarningVariant::B, 1, "warning_B_empty_name.bmp"},
        {WarningVariant::B, 0, "warning_B_restore.bmp"}, {WarningVariant::C, 0, "warning_C.bmp"},
        {WarningVariant::D, 0, "warning_D.bmp"},        {WarningVariant::E, 2, "warning_E_folder.bmp"},
        {WarningVariant::E, 4, "warning_E_title_only.bmp"},
    };
    RECT own{};
    GetWindowRect(owner.window, &own);
    for (const Variant& v : variants) {
        WarningDialog dialog(skins, texts, v.variant, v.kind);
        ModalScript script(owner.window);
        script.Run(dialog, {[&](HWND top) {
            RECT r{};
            GetWindowRect(top, &r);
            EXPECT_NEAR((r.left + r.right) / 2, (own.left + own.right) / 2, 1) << v.shot;
            EXPECT_NEAR((r.top + r.bottom) / 2, (own.top + own.bottom) / 2, 1) << v.shot;
            Screenshot(top, v.shot);
            ModalScript::ClickControl(top, skin_warn::kCancel);
        }});
        EXPECT_EQ(script.StepsRun(), 1u);
    }
}

}  // namespace
