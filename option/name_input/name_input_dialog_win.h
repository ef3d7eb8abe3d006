// The name input dialog on the platform: skin_inputname.ini with OK, Cancel,
// close and the 50-character name field. OK hands the field to the model;
// a refused name brings up the warning and the dialog stays open.
//
//   NameInputDialog ask(skins, texts, stores, NameMode::Gun, folder);
//   if (ask.RunModal(owner) == IDOK) use(ask.Name());
#pragma once

#include "option/name_input/name_input_model.h"
#include "option/warning/dialog_text_win.h"
#include "shell/skin_dialog_win.h"

class NameInputDialog final : public SkinDialog {
public:
    NameInputDialog(const std::string& skinsFolder, const TextSource& texts, const OptionStores& stores, NameMode mode,
                    int groupIndex = -1);

    const std::string& Name() const { return model_.Name(); }

private:
    void OnBuild(const SkinWindowBuilder& build) override;
    BOOL OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    void PaintOver(HDC canvas, const RECT& client) override;
    void Submit();

    std::string skinsFolder_;
    const TextSource& texts_;
    NameInputModel model_;
    BitmapEdit* field_ = nullptr;
    DialogFonts fonts_{kNameTitleFont, kNamePromptFont};
};
