#include "option/warning/warning_dialog_win.h"

#include "lan/string_ids.h"
#include "skins/skin_entries.h"

namespace {

SkinRect ScreenRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

void StyleDialogButton(SkinButton& button) {
    const ButtonTextColours& c = kDialogButtonTextColours;
    button.SetFont(kDialogButtonFontHeight, 0);
    button.SetTextColours(c.normal, c.over, c.down, c.disable);
}

WarningDialog::WarningDialog(const std::string& skinsFolder, const TextSource& texts, WarningVariant variant, int kind)
    : SkinDialog(skinsFolder, skin_warn::kIniFile), texts_(texts), variant_(variant), kind_(kind) {}

void WarningDialog::OnBuild(const SkinWindowBuilder& build) {
    StyleDialogButton(AddSkinButton(build, skin_warn::kOk, "ok_mask.bmp", texts_.Text(str::kOk)));
    StyleDialogButton(AddSkinButton(build, skin_warn::kCancel, "cancel_mask.bmp", texts_.Text(str::kCancel)));
    AddBitmapButton(build, skin_warn::kClose);
}

BOOL WarningDialog::OnInit() {
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    const HWND owner = GetWindow(Handle(), GW_OWNER);
    const SkinRect ownerRect = owner ? ScreenRect(owner) : SkinRect{};
    const SkinRect own = ScreenRect(Handle());
    const SkinRect at = WarningPlacement(owner ? &ownerRect : nullptr, own.Width(), own.Height(),
                                         {area.left, area.top, area.right, area.bottom});
    SetWindowPos(Handle(), nullptr, at.left, at.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return TRUE;
}

void WarningDialog::OnCommand(int id, int, HWND) {
    if (id == skin_warn::kOk) End(IDOK);
    if (id == skin_warn::kCancel || id == skin_warn::kClose) End(IDCANCEL);
}

void WarningDialog::PaintOver(HDC canvas, const RECT&) {
    const WarningTexts texts = LayOutWarningTexts(variant_, kind_, texts_, GdiTextMeasure(canvas, fonts_));
    DrawPlacedText(canvas, texts.title, texts.titlePlace, kWarningTitleFont, fonts_);
    DrawPlacedText(canvas, texts.message, texts.messagePlace, kWarningMessageFont, fonts_);
}
