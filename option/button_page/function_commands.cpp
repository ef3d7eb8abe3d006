#include "option/button_page/function_commands.h"

#include <algorithm>

#include "lan/string_ids.h"

namespace {

// A device function without a rule of its own on this page.
constexpr ButtonCode Plain(uint8_t code) { return static_cast<ButtonCode>(code); }

constexpr FunctionCommand kCommands[] = {
    {1003, ButtonCode::PrimaryClick, str::kFnLeftClick},
    {1005, ButtonCode::SecondaryClick, str::kFnRightClick},
    {1004, ButtonCode::MiddleClick, str::kFnMiddleClick},
    {1008, Plain(7), str::kFnForward},
    {1009, Plain(8), str::kFnBack},
    {1052, Plain(4), str::kFnDoubleClick},
    {1053, Plain(80), str::kFnTripleClick},
    {1051, Plain(46), str::kFnRapidFire},
    {1050, Plain(47), str::kFnSniper},
    {1054, ButtonCode::RepeatedClick, str::kFnRepeatedClick},
    {1060, ButtonCode::KeyCombination, str::kFnKeyCombination},
    {1058, Plain(6), str::kFnDisable},
    {1068, ButtonCode::AdvancedFirePattern, str::kFnAdvancedPattern},
    {1064, ButtonCode::FirePattern, str::kFnGunLibrary},
    {1065, Plain(101), str::kFnPatternSwitch},
    {1067, Plain(103), str::kFnGunModeKey},
    {1066, Plain(104), str::kGunFolderNameExists},
    {1049, ButtonCode::Macro, str::kFnMacro},
    {1104, Plain(13), str::kFnDpiCycle},
    {1105, Plain(14), str::kFnDpiUp},
    {1106, Plain(15), str::kFnDpiDown},
    {1108, Plain(83), str::kFnProfileCycle},
    {1109, Plain(81), str::kFnProfileUp},
    {1110, Plain(82), str::kFnProfileDown},
    {1007, Plain(41), str::kFnBrowserHome},
    {1010, Plain(38), str::kFnBrowserStop},
    {1011, Plain(40), str::kFnBrowserRefresh},
    {1012, Plain(42), str::kFnBrowserSearch},
    {1013, Plain(35), str::kFnBrowserFavourites},
    {1014, Plain(34), str::kFnEmail},
    {1021, Plain(52), str::kFnMyComputer},
    {1078, Plain(33), str::kFnCalculator},
    {1020, Plain(48), str::kFnSwitchWindow},
    {1022, Plain(49), str::kFnCloseWindow},
    {1023, Plain(71), str::kFnTaskView},
    {1024, Plain(72), str::kFnTaskManager},
    {1025, Plain(51), str::kFnShowDesktop},
    {1056, Plain(85), str::kFnLockComputer},
    {1057, Plain(50), str::kFnRunDialog},
    {1027, Plain(64), str::kFnOpen},
    {1028, Plain(59), str::kFnNew},
    {1029, Plain(53), str::kFnCut},
    {1030, Plain(54), str::kFnCopy},
    {1031, Plain(55), str::kFnPaste},
    {1032, Plain(60), str::kFnSave},
    {1033, Plain(62), str::kFnPrint},
    {1034, Plain(116), str::kFnFind},
    {1035, Plain(63), str::kFnRedo},
    {1036, Plain(56), str::kFnUndo},
    {1037, Plain(117), str::kFnReplace},
    {1038, Plain(118), str::kFnClose},
    {1039, Plain(57), str::kFnSelectAll},
    {1041, Plain(25), str::kFnMediaPlayer},
    {1042, Plain(26), str::kFnPreviousTrack},
    {1043, Plain(27), str::kFnNextTrack},
    {1044, Plain(29), str::kFnStop},
    {1045, Plain(28), str::kFnPlayPause},
    {1046, Plain(30), str::kFnMute},
    {1047, Plain(31), str::kFnVolumeUp},
    {1048, Plain(32), str::kFnVolumeDown},
    {1016, Plain(9), str::kFnWheelUp},
    {1017, Plain(10), str::kFnWheelDown},
    {1018, Plain(11), str::kFnTiltLeft},
    {1019, Plain(12), str::kFnTiltRight},
    {1148, Plain(18), str::kFnReportRateCycle},
    {1149, Plain(19), str::kFnReportRateUp},
    {1150, Plain(20), str::kFnReportRateDown},
};

}  // namespace

std::span<const FunctionCommand> FunctionCommands() { return kCommands; }

const FunctionCommand* FindFunctionCommand(int command) {
    const auto* found = std::ranges::find(kCommands, command, &FunctionCommand::command);
    return found == std::end(kCommands) ? nullptr : found;
}

const FunctionCommand* CommandOfCode(ButtonCode code) {
    const auto* found = std::ranges::find(kCommands, code, &FunctionCommand::code);
    return found == std::end(kCommands) ? nullptr : found;
}

bool CommandAvailable(int command, const ButtonDialogs& dialogs) {
    switch (command) {
        case kMacroCommand: return dialogs.Offers(ButtonDialog::Macro);
        case kRepeatedClickCommand: return dialogs.Offers(ButtonDialog::RepeatedClick);
        case kGunLibraryCommand: return dialogs.Offers(ButtonDialog::GunLibrary);
        case kAdvancedPatternCommand: return dialogs.Offers(ButtonDialog::AdvancedPattern);
        default: return true;
    }
}

bool KeepsItemData(ButtonCode code) {
    return code == ButtonCode::KeyCombination || code == ButtonCode::Macro || code == ButtonCode::RepeatedClick ||
           code == ButtonCode::FirePattern || code == ButtonCode::AdvancedFirePattern;
}
