// The button page's dialogs on the platform. The shortcut dialog is built
// in; the macro picker, the repeated-click dialog, the gun library and the
// advanced-pattern picker come from their own folders through
// LibraryDialogSlots. A slot left empty keeps its menu item disabled.
//
//   LibraryDialogSlots slots;
//   slots.pickMacro = [](const DialogPlace& at, const LibrarySeed& seed) -> std::optional<MacroChoice> {
//       MacroPickerDialog dialog(at.context, seed);          // whatever the picker needs
//       if (dialog.RunModal(at.owner) != IDOK) return std::nullopt;
//       return dialog.Choice();
//   };
#pragma once

#include <windows.h>

#include <functional>

#include "option/button_page/button_dialogs.h"
#include "option/main_window/option_page_win.h"

// Where a dialog opens: its owner window and everything the pages work with.
struct DialogPlace {
    HWND owner;
    const PageContext& context;
};

// Each runs its dialog modally and returns nothing on Cancel.
struct LibraryDialogSlots {
    std::function<std::optional<MacroChoice>(const DialogPlace&, const LibrarySeed&)> pickMacro;
    std::function<std::optional<RepeatedClickValues>(const DialogPlace&, const RepeatedClickValues&)>
        editRepeatedClick;
    std::function<std::optional<PatternChoice>(const DialogPlace&, const LibrarySeed&)> pickGun;
    std::function<std::optional<PatternChoice>(const DialogPlace&, const LibrarySeed&)> pickAdvancedPattern;
};

class ButtonDialogsWin final : public ButtonDialogs {
public:
    ButtonDialogsWin(const PageContext& context, LibraryDialogSlots slots)
        : context_(context), slots_(std::move(slots)) {}

    // The page the dialogs open over; set once it exists.
    void SetOwner(HWND owner) { owner_ = owner; }

    bool Offers(ButtonDialog dialog) const override;
    std::optional<ShortcutChoice> RunShortcut(const ShortcutChoice& seed) override;
    std::optional<MacroChoice> PickMacro(const LibrarySeed& seed) override;
    std::optional<RepeatedClickValues> EditRepeatedClick(const RepeatedClickValues& seed) override;
    std::optional<PatternChoice> PickGun(const LibrarySeed& seed) override;
    std::optional<PatternChoice> PickAdvancedPattern(const LibrarySeed& seed) override;

private:
    // Runs `slot`, or answers Cancel when it is empty (its item is disabled,
    // so only a stray command gets here).
    template <typename Result, typename Seed>
    std::optional<Result> Run(const std::function<std::optional<Result>(const DialogPlace&, const Seed&)>& slot,
                              const Seed& seed) const {
        if (!slot) return std::nullopt;
        return slot(DialogPlace{owner_, context_}, seed);
    }

    const PageContext& context_;
    LibraryDialogSlots slots_;
    HWND owner_ = nullptr;
};
