// The shortcut dialog: captures one key (every key of the desktop goes to it
// while it is open) and offers five modifier toggles, on the ShortcutChoice
// it was opened with.
//
//   ShortcutDialog dialog(skinsFolder, texts, ShortcutChoice(entry.Payload[0], entry.Payload[1]));
//   if (dialog.RunModal(page) == IDOK) function = StoreShortcut(entry, e, dialog.Choice());
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "keys/shortcut_choice.h"
#include "profile/text_source.h"
#include "shell/skin_dialog_win.h"

// Control id of the key field.
inline constexpr int kShortcutKeyFieldId = 4010;

class ShortcutDialog : public SkinDialog {
public:
    ShortcutDialog(std::string skinsFolder, const TextSource& texts, ShortcutChoice choice);
    // Destroys an open dialog while this class still answers its
    // WM_DESTROY, which ends the capture.
    ~ShortcutDialog() override;

    const ShortcutChoice& Choice() const { return choice_; }

protected:
    void OnBuild(const SkinWindowBuilder& build) override;
    BOOL OnInit() override;
    void OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    void ShowToggles();
    void ShowKey(std::string_view name);

    const TextSource& texts_;
    ShortcutChoice choice_;
    BitmapEdit* keyField_ = nullptr;
    std::array<SkinBitmapButton*, ShortcutChoice::kToggleCount> toggles_{};
};
