// The two menus of the pattern dialogs, as data: the list's context menu
// (commands 1101-1109) and the step-count menu (1001-1008).
#pragma once

#include <array>

#include "lan/string_ids.h"

inline constexpr int kCmdNewFolder = 1101;
inline constexpr int kCmdDeleteFolder = 1102;
inline constexpr int kCmdNewEntry = 1103;
inline constexpr int kCmdDeleteEntry = 1104;
inline constexpr int kCmdImportFolder = 1105;
inline constexpr int kCmdExportFolder = 1106;
inline constexpr int kCmdImportEntry = 1107;
inline constexpr int kCmdExportEntry = 1108;
inline constexpr int kCmdRename = 1109;

struct PatternMenuItem {
    int command;
    int text;  // language string
};

// In menu order.
inline constexpr std::array<PatternMenuItem, 9> kPatternContextMenu{{
    {kCmdNewFolder, str::kNewFolder},
    {kCmdDeleteFolder, str::kDeleteFolder},
    {kCmdNewEntry, str::kNewGun},
    {kCmdDeleteEntry, str::kDeleteGun},
    {kCmdImportFolder, str::kImportFolder},
    {kCmdExportFolder, str::kExportFolder},
    {kCmdImportEntry, str::kImportGun},
    {kCmdExportEntry, str::kExportGun},
    {kCmdRename, str::kNameDialogTitle},
}};
inline constexpr int kContextMenuWidth = 120;
inline constexpr int kContextMenuFontHeight = 13;

// Item n (1..8) of the step-count menu carries command 1000 + n and the
// text "n".
inline constexpr int kCmdFirstStepCount = 1001;
inline constexpr int kCmdLastStepCount = 1008;
inline constexpr int kStepMenuWidth = 29;
inline constexpr int kStepMenuFontHeight = 14;
inline constexpr bool IsStepCountCommand(int command) {
    return command >= kCmdFirstStepCount && command <= kCmdLastStepCount;
}
