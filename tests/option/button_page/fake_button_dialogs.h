// Dialogs that answer with prepared results and remember what they were
// opened with.
#pragma once

#include <optional>
#include <set>

#include "option/button_page/button_dialogs.h"

class FakeButtonDialogs final : public ButtonDialogs {
public:
    std::set<ButtonDialog> offered{ButtonDialog::Macro, ButtonDialog::RepeatedClick, ButtonDialog::GunLibrary,
                                   ButtonDialog::AdvancedPattern};
    // Each answer: nothing = Cancel.
    std::optional<ShortcutChoice> shortcut;
    std::optional<MacroChoice> macro;
    std::optional<RepeatedClickValues> repeatedClick;
    std::optional<PatternChoice> gun;
    std::optional<PatternChoice> advancedPattern;

    std::optional<ShortcutChoice> shortcutSeed;
    std::optional<LibrarySeed> librarySeed;
    std::optional<RepeatedClickValues> repeatedClickSeed;
    int runs = 0;

    bool Offers(ButtonDialog dialog) const override { return offered.contains(dialog); }
    std::optional<ShortcutChoice> RunShortcut(const ShortcutChoice& seed) override {
        ++runs;
        shortcutSeed = seed;
        return shortcut;
    }
    std::optional<MacroChoice> PickMacro(const LibrarySeed& seed) override { return Run(seed, macro); }
    std::optional<RepeatedClickValues> EditRepeatedClick(const RepeatedClickValues& seed) override {
        ++runs;
        repeatedClickSeed = seed;
        return repeatedClick;
    }
    std::optional<PatternChoice> PickGun(const LibrarySeed& seed) override { return Run(seed, gun); }
    std::optional<PatternChoice> PickAdvancedPattern(const LibrarySeed& seed) override {
        return Run(seed, advancedPattern);
    }

private:
    template <typename T>
    std::optional<T> Run(const LibrarySeed& seed, const std::optional<T>& answer) {
        ++runs;
        librarySeed = seed;
        return answer;
    }
};
