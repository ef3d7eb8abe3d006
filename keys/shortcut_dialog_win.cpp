#include "keys/shortcut_dialog_win.h"

#include "keys/key_capture_win.h"
#include "keys/keyboard_layout_win.h"
#include "lan/string_ids.h"
#include "skins/skin_entries.h"

namespace {

constexpr int kToggleEntries[ShortcutChoice::kToggleCount] = {skin_key::kKeyAlone, skin_key::kShift,
                                                              skin_key::kCtrl, skin_key::kAlt, skin_key::kWin};
constexpr COLORREF kKeyTextColour = RGB(230, 230, 230);
constexpr COLORREF kKeyBackColour = RGB(0, 0, 0);
constexpr int kKeyTextHeight = 16;
constexpr int kKeyFieldInset = 6;

// The edit sits inside the key field's well, centred on its height, so the
// well's border stays visible.
RECT InsideWell(RECT well) {
    const int top = well.top + (well.bottom - well.top - kKeyTextHeight) / 2;
    return {well.left + kKeyFieldInset, top, well.right - kKeyFieldInset, top + kKeyTextHeight};
}

}  // namespace

ShortcutDialog::ShortcutDialog(std::string skinsFolder, const TextSource& texts, ShortcutChoice choice)
    : SkinDialog(std::move(skinsFolder), skin_key::kIniFile), texts_(texts), choice_(choice) {}

ShortcutDialog::~ShortcutDialog() {
    if (Handle()) DestroyWindow(Handle());
}

void ShortcutDialog::OnBuild(const SkinWindowBuilder& build) {
    AddSkinButton(build, skin_key::kOk, "ok_mask.bmp", texts_.Text(str::kOk));
    AddSkinButton(build, skin_key::kCancel, "cancel_mask.bmp", texts_.Text(str::kCancel));
    AddBitmapButton(build, skin_key::kClose);
    // Read-only: the field shows what was captured and is never typed in.
    auto field = std::make_unique<BitmapEdit>();
    field->Create(Handle(), kShortcutKeyFieldId, InsideWell(build.Rect(skin_key::kKeyField)),
                  WS_VISIBLE | ES_CENTER | ES_READONLY);
    field->SetColours(kKeyTextColour, kKeyBackColour);
    keyField_ = &Own(std::move(field));
    for (int i = 0; i < ShortcutChoice::kToggleCount; ++i) {
        toggles_[i] = &AddBitmapButton(build, kToggleEntries[i], kShortcutToggleCaptions[i]);
        toggles_[i]->SetToggleMode(true);
    }
}

BOOL ShortcutDialog::OnInit() {
    SetWindowTextA(Handle(), "Shortcut Dialog");
    InstallKeyCaptureHook(Handle());
    ShowKey(choice_.KeyFieldText(MapVirtualKeyOfActiveLayout));
    ShowToggles();
    CentreOnOwner();
    return TRUE;
}

void ShortcutDialog::ShowKey(std::string_view name) {
    const std::string text(name);
    SetWindowTextA(keyField_->Handle(), text.c_str());
}

void ShortcutDialog::ShowToggles() {
    for (int i = 0; i < ShortcutChoice::kToggleCount; ++i) {
        toggles_[i]->SetSelected(choice_.IsOn(i));
        toggles_[i]->Enable(choice_.IsEnabled(i));
    }
}

void ShortcutDialog::OnCommand(int id, int, HWND) {
    if (id == skin_key::kOk) End(IDOK);
    if (id == skin_key::kCancel || id == skin_key::kClose) End(IDCANCEL);
    for (int i = 0; i < ShortcutChoice::kToggleCount; ++i) {
        if (id != kToggleEntries[i]) continue;
        choice_.Set(i, toggles_[i]->Selected());
        ShowToggles();
    }
}

bool ShortcutDialog::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT&) {
    if (message == WM_KEY_CAPTURED) {
        // Presses and releases alike: the last key touched is the one kept.
        ShowKey(choice_.Capture(static_cast<uint32_t>(wParam), MapVirtualKeyOfActiveLayout));
        return true;
    }
    if (message == WM_DESTROY) RemoveKeyCaptureHook();
    return false;
}
