#include "option/name_input/name_input_dialog_win.h"

#include "lan/string_ids.h"
#include "option/warning/warning_dialog_win.h"
#include "skins/skin_entries.h"

NameInputDialog::NameInputDialog(const std::string& skinsFolder, const TextSource& texts, const OptionStores& stores,
                                 NameMode mode, int groupIndex)
    : SkinDialog(skinsFolder, skin_inputname::kIniFile), skinsFolder_(skinsFolder), texts_(texts), model_(stores) {
    model_.SetMode(static_cast<int>(mode));
    model_.SetGroupIndex(groupIndex);
}

void NameInputDialog::OnBuild(const SkinWindowBuilder& build) {
    StyleDialogButton(AddSkinButton(build, skin_inputname::kOk, "ok_mask.bmp", texts_.Text(str::kOk)));
    StyleDialogButton(AddSkinButton(build, skin_inputname::kCancel, "cancel_mask.bmp", texts_.Text(str::kCancel)));
    AddBitmapButton(build, skin_inputname::kClose);
    field_ = &AddEdit(build, skin_inputname::kNameField);
    build.Rect(skin_inputname::kSpare);  // read like every entry; the layout keeps it for nothing
}

BOOL NameInputDialog::OnInit() {
    field_->SetColours(RGB(0, 0, 0), RGB(255, 255, 255));
    SendMessageA(field_->Handle(), EM_LIMITTEXT, kNameMaxLength, 0);
    CentreOnOwner();
    SetFocus(field_->Handle());
    return FALSE;  // the focus is set
}

void NameInputDialog::OnCommand(int id, int, HWND) {
    if (id == skin_inputname::kOk) Submit();
    if (id == skin_inputname::kCancel || id == skin_inputname::kClose) End(IDCANCEL);
}

void NameInputDialog::Submit() {
    char text[kNameMaxLength + 1] = {};
    GetWindowTextA(field_->Handle(), text, sizeof text);
    const NameSubmit result = model_.Submit(text);
    if (result.accepted) {
        End(IDOK);
        return;
    }
    WarningDialog(skinsFolder_, texts_, WarningVariant::B, result.warningKind).RunModal(Handle());
    SetFocus(field_->Handle());
}

void NameInputDialog::PaintOver(HDC canvas, const RECT&) {
    for (const NameDialogText& text : LayOutNameTexts(model_.Mode(), texts_, GdiTextMeasure(canvas, fonts_)))
        DrawPlacedText(canvas, text.text, text.place, text.font, fonts_);
}
