#include "option/button_page/button_assignment.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "option/button_page/function_commands.h"
#include "gun/gun_store.h"
#include "macro/macro_store.h"
#include "profile/fixed_text.h"
#include "profile/profile_defaults.h"

namespace {

// The repeated-click dialog keeps its values in these ranges; the page
// holds to them too, since the mouse takes each as one byte.
constexpr int32_t kMaxFireCount = 255;
constexpr int32_t kMinFireInterval = 5;
constexpr int32_t kMaxFireInterval = 255;

void ClearItemData(ButtonFunction& b) {
    b.ItemCount = 0;
    std::memset(b.Payload, 0, sizeof b.Payload);
    std::memset(b.ItemName, 0, sizeof b.ItemName);
}

LibrarySeed SeedIf(bool hasFunction, int32_t mode, int32_t group, int32_t item) {
    return hasFunction ? LibrarySeed{mode, group, item} : LibrarySeed{};
}

// The copy of a chosen library item goes in only when both its group and
// the item still exist; otherwise the entry falls back to its default.
template <typename Record>
const Record* ChosenItem(const LibraryChoice<Record>& choice, ButtonFunction& b) {
    if (choice.groupName) SetFixedText(b.GroupName, *choice.groupName);
    return choice.groupName && choice.entry ? &*choice.entry : nullptr;
}

// A button refers to one library place at a time: the chosen one is kept,
// the places in the other two libraries are cleared.
template <typename Record>
void LinkToChoice(ButtonFunction& b, int32_t ButtonFunction::*group, int32_t ButtonFunction::*item,
                  const LibraryChoice<Record>& choice) {
    b.MacroGroup = b.MacroItem = b.GunGroup = b.GunItem = b.AdvanceGunGroup = b.AdvanceGunItem = -1;
    b.*group = choice.group;
    b.*item = choice.item;
}

using DialogResult = std::optional<ButtonCode>;  // nothing: cancelled

DialogResult AssignKeyCombination(ButtonFunction& b, int e, ButtonDialogs& dialogs) {
    const std::optional<ShortcutChoice> choice = dialogs.RunShortcut(ShortcutChoice(b.Payload[0], b.Payload[1]));
    if (!choice) return std::nullopt;
    return StoreShortcut(b, e, *choice);
}

DialogResult AssignRepeatedClick(ButtonFunction& b, int e, ButtonDialogs& dialogs) {
    const bool has = CodeOf(b) == ButtonCode::RepeatedClick;
    const RepeatedClickValues seed{has ? b.FireCount : 0, has ? b.FireInterval : kMinFireInterval, b.Payload[0]};
    const std::optional<RepeatedClickValues> values = dialogs.EditRepeatedClick(seed);
    if (!values) return std::nullopt;
    b.ItemCount = 1;
    b.FireCount = std::clamp(values->count, 0, kMaxFireCount);
    b.FireInterval = std::clamp(values->interval, kMinFireInterval, kMaxFireInterval);
    b.Payload[0] = values->key;
    std::memset(b.ItemName, 0, sizeof b.ItemName);
    return values->key != 0 ? ButtonCode::RepeatedClick : DefaultButtonCode(e);
}

DialogResult AssignMacro(ButtonFunction& b, int e, ButtonDialogs& dialogs) {
    const std::optional<MacroChoice> choice =
        dialogs.PickMacro(SeedIf(CodeOf(b) == ButtonCode::Macro, b.RunMode, b.MacroGroup, b.MacroItem));
    if (!choice) return std::nullopt;
    b.RunMode = choice->mode;
    LinkToChoice(b, &ButtonFunction::MacroGroup, &ButtonFunction::MacroItem, *choice);
    const Macro* macro = ChosenItem(*choice, b);
    if (!macro) return DefaultButtonCode(e);
    CopyMacroToButton(*macro, b);
    return ButtonCode::Macro;
}

DialogResult AssignGun(Profile& p, ButtonFunction& b, int e, ButtonDialogs& dialogs) {
    const std::optional<PatternChoice> choice =
        dialogs.PickGun(SeedIf(CodeOf(b) == ButtonCode::FirePattern, p.GunMode, b.GunGroup, b.GunItem));
    if (!choice) return std::nullopt;
    p.GunMode = choice->mode;
    LinkToChoice(b, &ButtonFunction::GunGroup, &ButtonFunction::GunItem, *choice);
    const Gun* gun = ChosenItem(*choice, b);
    if (!gun) return DefaultButtonCode(e);
    b.ModeIndex = gun->ModeIndex;  // the gun's selected mode, then its value
    CopyPatternToButton(*gun, b);
    return ButtonCode::FirePattern;
}

DialogResult AssignAdvancedPattern(ButtonFunction& b, int e, ButtonDialogs& dialogs) {
    const bool has = CodeOf(b) == ButtonCode::AdvancedFirePattern;
    const std::optional<PatternChoice> choice =
        dialogs.PickAdvancedPattern(SeedIf(has, b.RunMode, b.AdvanceGunGroup, b.AdvanceGunItem));
    if (!choice) return std::nullopt;
    b.RunMode = choice->mode;
    LinkToChoice(b, &ButtonFunction::AdvanceGunGroup, &ButtonFunction::AdvanceGunItem, *choice);
    const Gun* pattern = ChosenItem(*choice, b);
    if (!pattern) return DefaultButtonCode(e);
    CopyPatternToButton(*pattern, b);
    return ButtonCode::AdvancedFirePattern;
}

// The code the entry takes: the command's own, or what its dialog decided.
DialogResult NewCode(const FunctionCommand& command, Profile& p, int e, ButtonDialogs& dialogs) {
    ButtonFunction& b = p.MacroKeyInfo[e];
    switch (command.command) {
        case kKeyCombinationCommand: return AssignKeyCombination(b, e, dialogs);
        case kRepeatedClickCommand: return AssignRepeatedClick(b, e, dialogs);
        case kMacroCommand: return AssignMacro(b, e, dialogs);
        case kGunLibraryCommand: return AssignGun(p, b, e, dialogs);
        case kAdvancedPatternCommand: return AssignAdvancedPattern(b, e, dialogs);
        default: return command.code;
    }
}

}  // namespace

bool KeepsPrimaryClick(const Profile& profile, int entry, ButtonCode code) {
    if (entry >= kBankEntryCount) return true;
    for (int e = 0; e < kBankEntryCount; ++e) {
        const ButtonCode c = e == entry ? code : CodeOf(profile.MacroKeyInfo[e]);
        if (c == ButtonCode::PrimaryClick) return true;
    }
    return false;
}

AssignOutcome AssignFunction(SharedBlock& block, int entry, int command, ButtonDialogs& dialogs) {
    Profile* p = ActiveProfile(block);
    const FunctionCommand* c = FindFunctionCommand(command);
    if (!p || !c || entry < 0 || entry >= kButtonEntryCount || !CommandAvailable(command, dialogs))
        return AssignOutcome::Ignored;
    if (!KeepsPrimaryClick(*p, entry, c->code)) return AssignOutcome::Refused;

    const DialogResult code = NewCode(*c, *p, entry, dialogs);
    if (!code) return AssignOutcome::Cancelled;
    ButtonFunction& b = p->MacroKeyInfo[entry];
    SetCode(b, *code);
    if (!KeepsItemData(*code)) ClearItemData(b);
    block.ButtonChanged[block.CurrentProfile][entry] = 1;
    return AssignOutcome::Assigned;
}

void RestoreDefaultFunctions(SharedBlock& block) {
    Profile* p = ActiveProfile(block);
    if (!p) return;
    for (int e = 0; e < kButtonEntryCount; ++e) {
        ClearToDefaultFunction(p->MacroKeyInfo[e], e);
        block.ButtonChanged[block.CurrentProfile][e] = 1;
    }
}
