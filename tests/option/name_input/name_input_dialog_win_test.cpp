// The name input dialog under real input: an empty name and a name the
// library already holds bring up the warning and keep the dialog open,
// Enter and Escape do nothing, the field keeps 50 characters.
#include <gtest/gtest.h>

#include "lan/language_win.h"
#include "option/name_input/name_input_dialog_win.h"
#include "skins/skin_entries.h"
#include "tests/option/modal_script_win.h"

namespace {

// Libraries whose gun folders hold "Rapid".
class GunFolderNames final : public NamedStore {
public:
    bool GroupExists(std::string_view name) const override { return name == "Rapid"; }
    bool ItemExists(int, std::string_view) const override { return false; }
};
class StoresWithRapid final : public OptionStores {
public:
    void Load() override {}
    void SaveMacros() override {}
    void Free() override {}
    const NamedStore& Macros() const override { return none_; }
    const NamedStore& Guns() const override { return guns_; }
    const NamedStore& AdvancedGuns() const override { return none_; }

private:
    NoNames none_;
    GunFolderNames guns_;
};

class NameInputDialogTest : public ::testing::Test {
protected:
    std::string skins = WineFolder(SKIN_SET_DIR);
    LanguageLibrary texts{WineFolder(LAN_DIR)};
    StoresWithRapid stores;
    DialogOwner owner;
};

TEST_F(NameInputDialogTest, EmptyNameIsRefusedWithTheWarningAndEnterEscapeDoNothing) {
    NameInputDialog dialog(skins, texts, stores, NameMode::MacroGroup);
    ModalScript script(owner.window);
    HWND nameDialog = nullptr;
    const INT_PTR result = script.Run(dialog, {
        [&](HWND top) {
            nameDialog = top;
            Screenshot(top, "name_input.bmp");
            ModalScript::ClickControl(top, skin_inputname::kOk);
        },
        ModalScript::OnNewTop(nameDialog, [&](HWND top) {
            EXPECT_EQ(GetWindow(top, GW_OWNER), nameDialog);
            ModalScript::ClickControl(top, skin_warn::kOk);
        }),
        ModalScript::OnTop(nameDialog, [&](HWND top) {
            ModalScript::Type(GetDlgItem(top, skin_inputname::kNameField), "fire");
            ModalScript::Press({VK_RETURN, VK_ESCAPE});
        }),
        [&](HWND top) {
            EXPECT_EQ(top, nameDialog) << "Enter or Escape closed the dialog";
            ModalScript::ClickControl(top, skin_inputname::kOk);
        }});
    EXPECT_EQ(script.StepsRun(), 4u);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.Name(), "fire");
}

TEST_F(NameInputDialogTest, NameTheLibraryHoldsIsRefusedAndCancelReturnsNothing) {
    NameInputDialog dialog(skins, texts, stores, NameMode::GunFolder);
    ModalScript script(owner.window);
    HWND nameDialog = nullptr;
    const INT_PTR result = script.Run(dialog, {
        [&](HWND top) {
            nameDialog = top;
            ModalScript::Type(GetDlgItem(top, skin_inputname::kNameField), "Rapid");
            ModalScript::ClickControl(top, skin_inputname::kOk);
        },
        ModalScript::OnNewTop(nameDialog, [&](HWND top) {
            Screenshot(top, "warning_B_duplicate_folder.bmp");
            ModalScript::ClickControl(top, skin_warn::kCancel);
        }),
        ModalScript::OnTop(nameDialog, [&](HWND top) { ModalScript::ClickControl(top, skin_inputname::kCancel); })});
    EXPECT_EQ(script.StepsRun(), 3u);
    EXPECT_EQ(result, IDCANCEL);
}

TEST_F(NameInputDialogTest, FieldKeepsFiftyCharacters) {
    NameInputDialog dialog(skins, texts, stores, NameMode::Macro);
    ModalScript script(owner.window);
    script.Run(dialog, {[&](HWND top) { ModalScript::Type(GetDlgItem(top, skin_inputname::kNameField), std::string(51, 'x')); },
                        [&](HWND top) { ModalScript::ClickControl(top, skin_inputname::kOk); }});
    EXPECT_EQ(dialog.Name().size(), 50u);
}

}  // namespace
