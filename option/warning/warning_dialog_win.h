// The warning and confirmation dialog on the platform: skin_warn.ini with
// OK, Cancel and close, the title and the variant's message painted over
// the background, centred on its owner. Only its buttons close it.
//
//   WarningDialog warning(skins, texts, WarningVariant::E, kind);
//   if (warning.RunModal(owner) == IDOK) ...
#pragma once

#include "option/warning/dialog_text_win.h"
#include "option/warning/warning_model.h"
#include "shell/skin_dialog_win.h"

class WarningDialog final : public SkinDialog {
public:
    WarningDialog(const std::string& skinsFolder, const TextSource& texts, WarningVariant variant, int kind = 0);

private:
    void OnBuild(const SkinWindowBuilder& build) override;
    BOOL OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    void PaintOver(HDC canvas, const RECT& client) override;

    const TextSource& texts_;
    WarningVariant variant_;
    int kind_;
    DialogFonts fonts_{kWarningTitleFont, kWarningMessageFont};
};

// OK and Cancel as every skinned dialog shows them.
void StyleDialogButton(SkinButton& button);
