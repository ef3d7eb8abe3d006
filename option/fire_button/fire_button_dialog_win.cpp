#include "option/fire_button/fire_button_dialog_win.h"

#include "keys/key_capture_win.h"
#include "keys/keyboard_layout_win.h"
#include "lan/string_ids.h"
#include "skins/skin_entries.h"

namespace {

namespace skin = skin_fire_button;

constexpr COLORREF kFieldText = RGB(0xE6, 0xE6, 0xE6);
constexpr COLORREF kFieldBack = RGB(0x23, 0x23, 0x23);
constexpr int kFieldTextHeight = 16;
constexpr int kFieldInset = 5;

constexpr DialogFont kTitleFont{18, FW_BOLD, RGB(230, 230, 230)};
constexpr DialogFont kLabelFont{15, FW_NORMAL, RGB(230, 230, 230)};
constexpr DialogFont kNoteFont{12, FW_NORMAL, RGB(170, 170, 170)};

struct Label {
    int text;
    SkinRect box;
};
// The boxes the layout leaves free for them.
constexpr Label kTitle{str::kFireClickTitle, {20, 30, 200, 60}};
constexpr Label kFieldLabels[] = {{str::kFireClickCount, {20, 61, 68, 83}},
                                  {str::kFireClickInterval, {20, 113, 68, 135}},
                                  {str::kFireClickKey, {20, 165, 68, 187}}};
constexpr Label kNotes[] = {{str::kFireClickNote1, {20, 195, 98, 210}},
                            {str::kFireClickNote2, {20, 215, 380, 230}},
                            {str::kFireClickNote3, {20, 235, 380, 265}}};

// The edit sits inside its well, centred on its height, so the well's
// border stays visible.
RECT InsideWell(RECT well) {
    const int top = well.top + (well.bottom - well.top - kFieldTextHeight) / 2;
    return {well.left + kFieldInset, top, well.right - kFieldInset, top + kFieldTextHeight};
}

std::string TextOf(HWND field) {
    char text[16] = {};
    GetWindowTextA(field, text, sizeof text);
    return text;
}

}  // namespace

FireButtonDialog::FireButtonDialog(std::string skinsFolder, const TextSource& texts, const RepeatedClickValues& seed)
    : SkinDialog(std::move(skinsFolder), skin::kIniFile),
      texts_(texts),
      fields_(seed),
      fonts_({kTitleFont, kLabelFont, kNoteFont}) {}

FireButtonDialog::~FireButtonDialog() {
    if (Handle()) DestroyWindow(Handle());
}

BitmapEdit& FireButtonDialog::AddField(const SkinWindowBuilder& build, int entry, DWORD style) {
    auto field = std::make_unique<BitmapEdit>();
    field->Create(Handle(), entry, InsideWell(build.Rect(entry)), WS_VISIBLE | WS_TABSTOP | style);
    field->SetColours(kFieldText, kFieldBack);
    return Own(std::move(field));
}

void FireButtonDialog::OnBuild(const SkinWindowBuilder& build) {
    StyleDialogButton(AddSkinButton(build, skin::kOk, "ok_mask.bmp", texts_.Text(str::kOk)));
    StyleDialogButton(AddSkinButton(build, skin::kCancel, "cancel_mask.bmp", texts_.Text(str::kCancel)));
    AddBitmapButton(build, skin::kClose);
    for (const int entry : {skin::kCountField, skin::kIntervalField}) {
        BitmapEdit& field = AddField(build, entry, 0);
        field.SetNumeric(true);
        SendMessageA(field.Handle(), EM_LIMITTEXT, kFireFieldChars, 0);
    }
    // Read-only: it shows the captured key and is never typed in.
    AddField(build, skin::kKeyField, ES_READONLY);
    count_ = GetDlgItem(Handle(), skin::kCountField);
    interval_ = GetDlgItem(Handle(), skin::kIntervalField);
    key_ = GetDlgItem(Handle(), skin::kKeyField);
}

BOOL FireButtonDialog::OnInit() {
    SetWindowTextA(Handle(), "FireClick Dialog");
    SetWindowTextA(count_, fields_.CountText().c_str());
    SetWindowTextA(interval_, fields_.IntervalText().c_str());
    ShowKey(fields_.KeyText(MapVirtualKeyOfActiveLayout));
    CentreOnOwner();
    SetFocus(key_);  // starts the capture
    return FALSE;
}

void FireButtonDialog::ShowKey(std::string_view name) { SetWindowTextA(key_, std::string(name).c_str()); }

void FireButtonDialog::Correct(HWND field, const std::optional<std::string>& shown) {
    if (!shown) return;
    SetWindowTextA(field, shown->c_str());
    SendMessageA(field, EM_SETSEL, shown->size(), shown->size());
}

void FireButtonDialog::OnCommand(int id, int code, HWND control) {
    if (id == skin::kOk) End(IDOK);
    if (id == skin::kCancel || id == skin::kClose) End(IDCANCEL);
    if (control == key_ && code == EN_SETFOCUS) InstallKeyCaptureHook(Handle());
    if (control == key_ && code == EN_KILLFOCUS) RemoveKeyCaptureHook();
    if (control == count_ && code == EN_CHANGE) Correct(count_, fields_.CountChanged(TextOf(count_)));
    if (control == interval_ && (code == EN_CHANGE || code == EN_KILLFOCUS))
        Correct(interval_, fields_.IntervalChanged(TextOf(interval_), GetFocus() == interval_));
}

bool FireButtonDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT&) {
    if (message == WM_KEY_CAPTURED) {
        // Presses only: the release of the key that moved the focus here
        // must not replace the key.
        if (lParam != kKeyReleased) ShowKey(fields_.KeyCaptured(static_cast<uint32_t>(wParam), MapVirtualKeyOfActiveLayout));
        return true;
    }
    if (message == WM_DESTROY) RemoveKeyCaptureHook();
    return false;
}

void FireButtonDialog::PaintOver(HDC canvas, const RECT&) {
    const GdiTextMeasure measure(canvas, fonts_);
    const auto draw = [&](const Label& label, const DialogFont& font, bool centre) {
        const std::string text = texts_.Text(label.text);
        const int height = measure.WrappedHeight(text, font, label.box.Width());
        DrawPlacedText(canvas, text, PlaceText(label.box, height, centre, TextAlign::Left), font, fonts_);
    };
    draw(kTitle, kTitleFont, false);
    for (const Label& label : kFieldLabels) draw(label, kLabelFont, true);
    for (const Label& note : kNotes) draw(note, kNoteFont, true);
}

std::optional<RepeatedClickValues> RunFireButtonDialog(HWND owner, const PageContext& context,
                                                       const RepeatedClickValues& seed) {
    FireButtonDialog dialog(context.folders.skins, context.texts, seed);
    if (dialog.RunModal(owner) != IDOK) return std::nullopt;
    return dialog.Values();
}
