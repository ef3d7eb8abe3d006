#include "option/button_page/button_dialogs_win.h"

#include "keys/shortcut_dialog_win.h"

bool ButtonDialogsWin::Offers(ButtonDialog dialog) const {
    switch (dialog) {
        case ButtonDialog::Macro: return static_cast<bool>(slots_.pickMacro);
        case ButtonDialog::RepeatedClick: return static_cast<bool>(slots_.editRepeatedClick);
        case ButtonDialog::GunLibrary: return static_cast<bool>(slots_.pickGun);
        case ButtonDialog::AdvancedPattern: return static_cast<bool>(slots_.pickAdvancedPattern);
    }
    return false;
}

std::optional<ShortcutChoice> ButtonDialogsWin::RunShortcut(const ShortcutChoice& seed) {
    ShortcutDialog dialog(context_.folders.skins, context_.texts, seed);
    if (dialog.RunModal(owner_) != IDOK) return std::nullopt;
    return dialog.Choice();
}

std::optional<MacroChoice> ButtonDialogsWin::PickMacro(const LibrarySeed& seed) {
    return Run(slots_.pickMacro, seed);
}

std::optional<RepeatedClickValues> ButtonDialogsWin::EditRepeatedClick(const RepeatedClickValues& seed) {
    return Run(slots_.editRepeatedClick, seed);
}

std::optional<PatternChoice> ButtonDialogsWin::PickGun(const LibrarySeed& seed) { return Run(slots_.pickGun, seed); }

std::optional<PatternChoice> ButtonDialogsWin::PickAdvancedPattern(const LibrarySeed& seed) {
    return Run(slots_.pickAdvancedPattern, seed);
}
